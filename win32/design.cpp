#include "win32/design.h"

namespace eurolire {

HFONT CreateDefaultGuiFont(UINT dpi) {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi),
                         static_cast<int>(GetDpiForSystem()));
  return CreateFontIndirectW(&font);
}

void PlaceControl(HWND control, const design::Rect& geometry, UINT dpi,
                  HFONT font) {
  const RECT rect = ToRect(geometry, dpi);
  SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

SIZE FrameSize(UINT dpi) {
  RECT frame{0, 0, Scale(design::kClientWidth, dpi),
             Scale(design::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, kFormExStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void SizeClientArea(HWND window, UINT dpi) {
  const int width = Scale(design::kClientWidth, dpi);
  const int height = Scale(design::kClientHeight, dpi);
  // Each move of a top-level window is a round trip to the window system.
  RECT client{};
  GetClientRect(window, &client);
  if (client.right == width && client.bottom == height) return;
  const SIZE size = FrameSize(dpi);
  SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  // Where the frame the system draws differs from the one computed (its
  // density not yet changed, a theme), the client area is what counts.
  GetClientRect(window, &client);
  if (client.right != width || client.bottom != height) {
    SetWindowPos(window, nullptr, 0, 0, size.cx + width - client.right,
                 size.cy + height - client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

void CentreOnWorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                  &monitor);
  const RECT& work = monitor.rcWork;
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr,
               work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

}  // namespace eurolire
