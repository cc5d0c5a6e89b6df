#include "modbelvik.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using belvik::win32::Modbelvik::Main;
  using belvik::win32::Modbelvik::RunMessageLoop;
  // The manifest makes the process aware of each monitor's DPI, so these are device pixels, the
  // same the window's 800 are counted in.
  const auto window = Main(GetSystemMetrics(SM_CXSCREEN), belvik::win32::ShowMessageBox);
  // A refused start is a normal end: the user was told why.
  return window ? RunMessageLoop(window->handle()) : 0;
}
