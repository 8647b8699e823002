// Draws the README's picture of the Windows window: starts eurolire.exe,
// types 12 into EURO, waits for the conversion and saves the whole window,
// frame included, as it is on the screen, to a 24-bit BMP.
// Run by scripts/windows-screenshot, in an Italian locale.
// Usage: windows_screenshot EUROLIRE_EXE OUTPUT.bmp
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/win32/program_driver.h"

namespace {

bool SaveWindow(HWND window, const wchar_t* path) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int stride = (width * 3 + 3) / 4 * 4;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<DWORD>(stride * height);
  std::vector<char> pixels(header.biSizeImage);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);
  const int rows =
      GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) return false;

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using eurolire::testing::ProgramDriver;
  using eurolire::testing::WaitFor;
  if (argc != 3) {
    std::fprintf(stderr, "usage: windows_screenshot EUROLIRE_EXE OUTPUT.bmp\n");
    return 2;
  }
  ProgramDriver program(eurolire::testing::WindowsPath(argv[1]));
  program.Type(program.euro(), L"12");
  if (!WaitFor([&] { return program.Text(program.lire()) == L"23.235,24"; })) {
    std::fprintf(stderr, "no conversion: is the locale Italian?\n");
    return 1;
  }
  Sleep(500);  // the caret and the last paint
  return SaveWindow(program.window(),
                    eurolire::testing::WindowsPath(argv[2]).c_str())
             ? 0
             : 1;
}
