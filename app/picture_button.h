// The banner: a picture drawn at the top-left corner, the same in every
// state, with no text, no frame and no focus; the hand cursor over it. Its
// click is the release of the left mouse button over it.
#pragma once

#include <windows.h>

#include "app/jpeg_picture.h"

namespace vantorel {

inline constexpr char kPictureButtonClass[] = "VantorelPicture";

// Sent to the parent at each click: wParam is the control id.
inline constexpr UINT kPictureClickedMessage = WM_APP + 3;

bool RegisterPictureButtonClass(HINSTANCE instance);

// `picture` must outlive the button; it is passed as the creation parameter.
HWND CreatePictureButton(HWND parent, int id, RECT place, const Picture* picture,
                         HINSTANCE instance);

}  // namespace vantorel
