// The test program's string table for the native build, published as a module publishes one.
#include <plw_resource.h>

extern "C" PLW_RESOURCE_EXPORT const PlwStringResource plw_string_resources[] = {
#define PLW_TEST_STRING(id, text) {id, text},
#include "test_strings.inc"
#undef PLW_TEST_STRING
    {0, nullptr},
};
