// PLVW60: a stand-in for the custom-control container's host library. The control imports the
// Host* services by ordinal (PLVW60.def); the Plv* functions play the container's part for tests
// and the demo: create instances, send them requests, and show what the control asked for.
#ifndef PLVW60_H
#define PLVW60_H

#include <windows.h>
#include <plmedt60.h>

#if defined(_WIN32)
#  define PLV_API  // exports and their ordinals come from PLVW60.def
#else
#  define PLV_API __attribute__((visibility("default")))
#endif

// Requests the container sends to a control procedure, besides window messages. For property
// requests wParam is the index in the model's property list.
#define HOSTM_CREATED 0x1000        // the instance's window was created
#define HOSTM_LOADED 0x1001
#define HOSTM_INITIALIZE 0x1002     // a new instance, before its first window
#define HOSTM_GETPROPERTY 0x1003    // lParam: where the value goes (a host string for text)
#define HOSTM_CHECKPROPERTY 0x1004  // lParam: the value about to be set; nonzero refuses it
#define HOSTM_SETPROPERTY 0x1005    // lParam: the value, a text pointer for string properties
#define HOSTM_INITPROPPOPUP 0x1009  // lParam: a list box to fill with the property's choices

#define HOST_MODE_DESIGN 1
#define HOST_MODE_RUN 2

// How this host reads PROPINFO flags: the low byte is the type; the control checks a value
// before it is set; the control fills the property's drop-down list.
#define HOST_PROP_TYPE_MASK 0x000000FFu
#define HOST_PROP_TYPE_STRING 1u
#define HOST_PROP_CHECK 0x00008000u
#define HOST_PROP_LIST 0x00100000u

#ifdef __cplusplus
extern "C" {
#endif

// ---- services the control imports (ordinals in PLVW60.def) ----------------------------------
PLV_API BOOL WINAPI HostRegisterModel(HINSTANCE hInstance, const MODEL* lpModel);
PLV_API LPVOID WINAPI HostDerefControl(HCTL hCtl);
PLV_API LRESULT WINAPI HostDefControlProc(HCTL hCtl, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
PLV_API UINT WINAPI HostGetMode(void);
// Writes a host string (string properties) or a 32-bit value; 0 when done.
PLV_API LONG WINAPI HostGetControlProperty(HCTL hCtl, UINT index, LPVOID lpValue);
PLV_API LPSTR WINAPI HostDerefString(HHOSTSTR hStr);
PLV_API void WINAPI HostFreeString(HHOSTSTR hStr);
PLV_API HHOSTSTR WINAPI HostCreateString(UINT uReserved, LPCSTR lpszText);
PLV_API LONG WINAPI HostRecreateControlWindow(HCTL hCtl);
PLV_API HWND WINAPI HostGetControlWindow(HCTL hCtl);
PLV_API LONG WINAPI HostFireEvent(HCTL hCtl, WORD wEvent, LPVOID lpParams);

// ---- the container's side ----------------------------------------------------------------------
// A new instance of a registered class: its data, its window (text: the numbered default name),
// HOSTM_INITIALIZE before and HOSTM_CREATED after the window. Null on failure.
PLV_API HCTL WINAPI PlvCreateControl(LPCSTR lpszClassName, HWND hParent, int x, int y, int cx, int cy);
// Destroys the window and releases the instance.
PLV_API void WINAPI PlvDestroyControl(HCTL hCtl);
// Sends a request or message to the instance's control procedure, with its current window.
PLV_API LRESULT WINAPI PlvSendRequest(HCTL hCtl, UINT msg, WPARAM wParam, LPARAM lParam);
// Sets a property as the container does: a flagged property is checked first, and a refusal (the
// check's nonzero result) is returned without setting; otherwise 0.
PLV_API LONG WINAPI PlvSetControlProperty(HCTL hCtl, UINT index, LPARAM value);
PLV_API void WINAPI PlvSetMode(UINT mode);
// The next registration fails (returns 0).
PLV_API void WINAPI PlvFailNextRegistration(void);
// Host strings not yet freed.
PLV_API int WINAPI PlvLiveStrings(void);

#define PLV_EVENT_CAPACITY 16  // events kept; later ones are counted only

typedef struct PlvEventRecord {
    HCTL hCtl;
    WORD wEvent;
    LPVOID lpParams;
} PlvEventRecord;

// What the control asked of the host since the last reset.
typedef struct PlvRecord {
    int nRegistrations;
    HINSTANCE hLastInstance;
    const MODEL* lpLastModel;
    int nRecreations;
    int nEvents;
    PlvEventRecord aEvents[PLV_EVENT_CAPACITY];
    int nDefRequests;  // HOSTM_* requests that reached HostDefControlProc
    UINT uLastDefRequest;
    WPARAM wLastDefParam;
} PlvRecord;

PLV_API const PlvRecord* WINAPI PlvRecorded(void);
PLV_API void WINAPI PlvResetRecord(void);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // PLVW60_H
