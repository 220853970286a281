// Access to the stand-in's test-only hooks. Real Win32 has none: under Windows or Wine every
// hook reports that it is missing and the test that needs it skips with the reason.
#ifndef PLM_TEST_HOOKS_H
#define PLM_TEST_HOOKS_H

#include <gtest/gtest.h>
#include <windows.h>

#if defined(_WIN32)
#  define PLM_HAVE_STANDIN_HOOKS 0
#  define PLM_REQUIRE_STANDIN_HOOKS() \
      GTEST_SKIP() << "needs a test hook of the Win32 stand-in; real Win32 has none"
#else
#  include <plw_testhooks.h>
#  define PLM_HAVE_STANDIN_HOOKS 1
#  define PLM_REQUIRE_STANDIN_HOOKS() (void)0
#endif

#endif  // PLM_TEST_HOOKS_H
