// MaskEditThunk: the class window procedure. It finds the window's object through the link
// block and hands it the message; without a block (before WM_NCCREATE, or a window that is not
// ours) a message is answered with 0 and goes nowhere.
#include <plmedt60.h>

#include "control/link_block.h"
#include "module/module.h"
#include "module/win32_guards.h"

namespace {

// At WM_NCCREATE the creation parameter points at the variable that holds the block handle. The
// window takes the block over: the handle moves into its extra bytes and the variable is cleared,
// so the creator frees the block only if no window ever took it.
HGLOBAL TakeLinkBlock(HWND hWnd, const CREATESTRUCTA* create) {
    if (create == nullptr || create->lpCreateParams == nullptr) return nullptr;
    HGLOBAL* holder = static_cast<HGLOBAL*>(create->lpCreateParams);
    HGLOBAL link = *holder;
    if (link == nullptr) return nullptr;
    *holder = nullptr;
    SetWindowLongPtrA(hWnd, g_nLinkIndex, reinterpret_cast<LONG_PTR>(link));
    return link;
}

}  // namespace

extern "C" LRESULT CALLBACK MaskEditThunk(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CREATESTRUCTA* create = msg == WM_NCCREATE ? reinterpret_cast<CREATESTRUCTA*>(lParam) : nullptr;
    HGLOBAL link = msg == WM_NCCREATE ? TakeLinkBlock(hWnd, create)
                                      : reinterpret_cast<HGLOBAL>(GetWindowLongPtrA(hWnd, g_nLinkIndex));
    if (link == nullptr) return 0;

    GlobalLockGuard lock(link);
    const LinkBlock* block = lock.get<LinkBlock>();
    if (block == nullptr) return 0;
    if (create != nullptr) create->lpCreateParams = block->creationParam;

    LRESULT result = 0;
    if (block->object != nullptr) result = block->object->MainMaskProc(hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) lock.Abandon();  // the block was freed by the message itself
    return result;
}
