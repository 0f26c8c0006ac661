// Window procedure put in front of a volume view's edit control: overwrite-only hex entry.
#ifndef TARNWICK_VIEW_HEX_ENTRY_FILTER_H
#define TARNWICK_VIEW_HEX_ENTRY_FILTER_H

#include <windows.h>

// The edit control that is to receive a block caret; set when a view's control gains
// the focus or its font command ran, consumed by ApplyPendingCaret.
extern HWND PendingCaretEdit;

// The control's previous window procedure must be in its GWLP_USERDATA slot.
LRESULT CALLBACK HexEntryFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

#endif
