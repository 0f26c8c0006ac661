// The MDI child window that shows one volume's dump in an overwrite-only edit control.
#ifndef TARNWICK_VIEW_VOLUME_VIEW_H
#define TARNWICK_VIEW_VOLUME_VIEW_H

#include <windows.h>
#include <commdlg.h>

// Set-view-text message: lParam points to the text that replaces the control's text.
enum { WM_SETVIEWTEXT = WM_USER };

// The font dialog; tests replace it to play the user's choice.
extern BOOL(WINAPI *ViewChooseFont)(LPCHOOSEFONTW);

ATOM RegisterVolumeViewClass(HINSTANCE instance);
HWND CreateVolumeView(HWND mdiClient, const WCHAR *title);
LRESULT CALLBACK VolumeViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
void ApplyPendingCaret(void);
void OnViewCommand(HWND view, UINT id);

#endif
