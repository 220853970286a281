// The custom-control adapter: the tables handed to the container (tables.cpp), the adapter class
// (mask_edit_vbx.cpp), the control procedure (control_proc.cpp) and its painting (painting.cpp).
#ifndef PLM_VBX_H
#define PLM_VBX_H

#include <plmedt60.h>

#define VBX_PROPERTY_COUNT 29          // entries of the property list before its terminator
#define VBX_EVENT_COUNT 14             // entries of the event list before its terminator
#define VBX_TOOLBOX_BITMAP_FIRST 1001  // the six toolbox bitmaps are 1001..1006
#define VBX_TOOLBOX_BITMAP_LAST 1006

extern const MODEL g_MaskEditModel;
extern const LONG_PTR g_aMaskEditProperties[VBX_PROPERTY_COUNT + 1];
extern const LONG_PTR g_aMaskEditEvents[VBX_EVENT_COUNT + 1];

// The standard properties the painting reads from the container.
#define VBX_PROP_BACKCOLOR 2
#define VBX_PROP_FORECOLOR 14

// Design-time painting of WM_PAINT (wParam: a device context, or 0 to paint the update region).
void PaintDesignTime(HCTL hCtl, HWND hWnd, WPARAM wParam);
// Fills the client rectangle with BackColor.
void PaintBackground(HCTL hCtl, HWND hWnd, HDC dc);

#endif  // PLM_VBX_H
