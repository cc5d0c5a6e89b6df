#include "modbelvik.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using belvik::win32::Modbelvik::Main;
  using belvik::win32::Modbelvik::RunMessageLoop;
  // The manifest makes the process aware of each monitor's DPI, so the screen's width comes in
  // device pixels; the window's 800 are pixels of 96 DPI.
  const int screenWidth =
      MulDiv(GetSystemMetrics(SM_CXSCREEN), USER_DEFAULT_SCREEN_DPI, GetDpiForSystem());
  const auto window = Main(screenWidth, belvik::win32::ShowMessageBox);
  // A refused start is a normal end: the user was told why.
  return window ? RunMessageLoop(window->handle()) : 0;
}
