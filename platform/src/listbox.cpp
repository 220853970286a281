// The system "ListBox" class, as far as a list of strings: add, insert, delete, reset, count
// and read. LBS_SORT keeps the list in case-insensitive order.
#include <windows.h>

#include <string.h>
#include <strings.h>

#include <string>
#include <vector>

#include "internal.h"

namespace {

constexpr int kStateIndex = 0;  // extra-byte index of the state pointer

struct ListBoxState {
    DWORD style;                     // LBS_ flags from creation
    std::vector<std::string> items;  // in display order
};

ListBoxState* StateOf(HWND hwnd) { return reinterpret_cast<ListBoxState*>(GetWindowLongPtrA(hwnd, kStateIndex)); }

LRESULT Count(const ListBoxState* lb) { return static_cast<LRESULT>(lb->items.size()); }

bool IsValidIndex(const ListBoxState* lb, WPARAM index) { return index < lb->items.size(); }

LRESULT InsertAt(ListBoxState* lb, size_t index, LPCSTR text) {
    lb->items.insert(lb->items.begin() + static_cast<std::ptrdiff_t>(index), text != nullptr ? text : "");
    return static_cast<LRESULT>(index);
}

LRESULT ListBox_AddString(ListBoxState* lb, LPCSTR text) {
    size_t index = lb->items.size();
    if ((lb->style & LBS_SORT) && text != nullptr) {
        index = 0;
        while (index < lb->items.size() && strcasecmp(lb->items[index].c_str(), text) <= 0) ++index;
    }
    return InsertAt(lb, index, text);
}

LRESULT ListBox_InsertString(ListBoxState* lb, WPARAM index, LPCSTR text) {
    // -1 appends; past the end is an error.
    if (static_cast<int>(index) == -1) return InsertAt(lb, lb->items.size(), text);
    if (index > lb->items.size()) return LB_ERR;
    return InsertAt(lb, index, text);
}

LRESULT ListBox_DeleteString(ListBoxState* lb, WPARAM index) {
    if (!IsValidIndex(lb, index)) return LB_ERR;
    lb->items.erase(lb->items.begin() + static_cast<std::ptrdiff_t>(index));
    return Count(lb);
}

// LB_GETTEXT has no buffer size: the caller sizes the buffer with LB_GETTEXTLEN first.
LRESULT ListBox_GetText(const ListBoxState* lb, WPARAM index, LPSTR buffer) {
    if (!IsValidIndex(lb, index) || buffer == nullptr) return LB_ERR;
    const std::string& item = lb->items[index];
    memcpy(buffer, item.c_str(), item.size() + 1);
    return static_cast<LRESULT>(item.size());
}

LRESULT ListBox_GetTextLen(const ListBoxState* lb, WPARAM index) {
    if (!IsValidIndex(lb, index)) return LB_ERR;
    return static_cast<LRESULT>(lb->items[index].size());
}

LRESULT ListBox_NcCreate(HWND hwnd, const CREATESTRUCTA* cs) {
    auto* lb = new ListBoxState{};
    lb->style = static_cast<DWORD>(cs->style);
    SetWindowLongPtrA(hwnd, kStateIndex, reinterpret_cast<LONG_PTR>(lb));
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(cs));
}

LRESULT ListBox_NcDestroy(HWND hwnd, ListBoxState* lb) {
    SetWindowLongPtrA(hwnd, kStateIndex, 0);
    delete lb;
    return DefWindowProcA(hwnd, WM_NCDESTROY, 0, 0);
}

}  // namespace

namespace plw {

LRESULT CALLBACK ListBoxWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) return ListBox_NcCreate(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    ListBoxState* lb = StateOf(hwnd);
    if (lb == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCDESTROY: return ListBox_NcDestroy(hwnd, lb);
    case LB_ADDSTRING: return ListBox_AddString(lb, reinterpret_cast<LPCSTR>(lParam));
    case LB_INSERTSTRING: return ListBox_InsertString(lb, wParam, reinterpret_cast<LPCSTR>(lParam));
    case LB_DELETESTRING: return ListBox_DeleteString(lb, wParam);
    case LB_RESETCONTENT: lb->items.clear(); return TRUE;
    case LB_GETCOUNT: return Count(lb);
    case LB_GETTEXT: return ListBox_GetText(lb, wParam, reinterpret_cast<LPSTR>(lParam));
    case LB_GETTEXTLEN: return ListBox_GetTextLen(lb, wParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace plw
