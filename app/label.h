// The window's labels: one line of text, left-aligned and vertically
// centred, clipped at the edges, on the button-face colour. Link labels
// show the hand cursor and report a press of the left mouse button to their
// parent; the engraved look draws a white copy one pixel down and right
// under the gray text. The group box is drawn by the same code as an etched
// frame with its caption at the top left, so that the caption takes its
// colour with or without visual styles.
#pragma once

#include <windows.h>

namespace vantorel {

inline constexpr char kLabelClass[] = "VantorelLabel";
inline constexpr char kGroupBoxClass[] = "VantorelGroupBox";

// Sent to the parent when the left button goes down on a link label: wParam
// is the label's control id, lParam the position in the label.
inline constexpr UINT kLabelPressedMessage = WM_APP + 2;

// Owned by the label's parent, for the label's whole life.
struct LabelLook {
  COLORREF text;
  bool engraved;
  bool link;
  bool frame;  // a group box
  HFONT font;  // set by WM_SETFONT; none means DEFAULT_GUI_FONT
};

// Registers both the label and the group box class.
bool RegisterLabelClass(HINSTANCE instance);

// A label, or a group box when `look->frame` is set.
HWND CreateLabel(HWND parent, int id, const char* text, RECT place, LabelLook* look,
                 HINSTANCE instance);

}  // namespace vantorel
