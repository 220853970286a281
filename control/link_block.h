// The only link from a "MaskedEdit" window to its object: a small movable global block whose
// handle sits in the window's extra bytes at g_nLinkIndex. The object does not own the window,
// the window does not own the object; the window owns the block from WM_NCCREATE on and frees it
// at WM_NCDESTROY.
#ifndef PLM_LINK_BLOCK_H
#define PLM_LINK_BLOCK_H

#include <plmedt60.h>

struct LinkBlock {
    plumeMaskEdit* object;  // the control object; null leaves messages unanswered (0)
    LPVOID creationParam;   // handed on to the edit control as its own creation parameter
};

#endif  // PLM_LINK_BLOCK_H
