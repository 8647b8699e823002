// The floor of the start-up benchmark: a window with eurolire.exe's title,
// class of frame and five controls at the same places, and no logic, no
// fonts, no colours, no resources.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"BareWindow";
  RegisterClassW(&window_class);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 468, 145};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window = CreateWindowW(
      L"BareWindow", L"Convertitore Euro/Lire .....by Morvek", style,
      CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  const struct {
    const wchar_t* kind;
    const wchar_t* text;
    RECT rect;
  } controls[] = {{L"STATIC", L"EURO", {24, 32, 85, 29}},
                  {L"EDIT", L"", {112, 28, 321, 37}},
                  {L"STATIC", L"LIRE", {24, 84, 77, 29}},
                  {L"EDIT", L"", {112, 80, 321, 37}},
                  {L"STATIC", L"Label3", {198, 186, 160, 13}}};
  for (const auto& control : controls) {
    CreateWindowW(control.kind, control.text, WS_CHILD | WS_VISIBLE,
                  control.rect.left, control.rect.top, control.rect.right,
                  control.rect.bottom, window, nullptr, instance, nullptr);
  }
  ShowWindow(window, show_command);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
