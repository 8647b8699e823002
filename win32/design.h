// The stored design of Form1 (form/form1_design.h) in Win32 terms, at a
// given density: pixels at 96 dpi scaled to the monitor's dots per inch, and
// the window and its controls placed and sized by it.
#ifndef EUROLIRE_WIN32_DESIGN_H_
#define EUROLIRE_WIN32_DESIGN_H_

#include <windows.h>

#include <cmath>
#include <string>

#include "form/form1_design.h"
#include "win32/wide_text.h"

namespace eurolire {

// Form1's frame: fixed size, no maximize box, as the stored design is one
// size.
inline constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// `pixels` at 96 dpi in pixels at `dpi`, rounded to the nearest: 145 at
// 144 dpi is 218.
inline int Scale(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), design::kBaseDpi);
}

inline RECT ToRect(const design::Rect& rect, UINT dpi) {
  const int left = Scale(rect.left, dpi);
  const int top = Scale(rect.top, dpi);
  return {left, top, left + Scale(rect.width, dpi),
          top + Scale(rect.height, dpi)};
}

inline COLORREF ToColorRef(design::Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

// A stored font at `dpi`: its character height is the point size in pixels
// (points are 1/72 inch). Where Arial is missing, Windows maps it to a font
// with Arial's metrics (Wine to Liberation Sans).
inline HFONT CreateStoredFont(const design::Font& stored, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(stored.points * dpi / 72.0));
  font.lfWeight = stored.weight;
  font.lfCharSet = ANSI_CHARSET;  // character set 0
  font.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring family = Utf16(stored.family);
  family.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

// The desktop's default GUI font, which Windows holds at the system's
// density, at `dpi`.
HFONT CreateDefaultGuiFont(UINT dpi);

// Moves `control` to its stored `geometry` at `dpi` and gives it `font`.
void PlaceControl(HWND control, const design::Rect& geometry, UINT dpi,
                  HFONT font);

// The size of a kFormStyle frame around the stored client size at `dpi`.
SIZE FrameSize(UINT dpi);

// Sizes `window`, of kFormStyle, so that its client area is the stored
// client size at `dpi`; a window whose client area is already that size is
// not touched.
void SizeClientArea(HWND window, UINT dpi);

// Moves `window` so that its frame is centred on the work area of the
// monitor it is on.
void CentreOnWorkArea(HWND window);

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_DESIGN_H_
