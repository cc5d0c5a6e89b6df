// Start-up: refuse a screen narrower than the window, otherwise open the window.
#pragma once

#include <memory>

#include "frmbelvik.h"
#include "message_box.h"

namespace belvik::win32::Modbelvik {

// On a screen `screenWidth` pixels of 96 DPI wide: shows the window and returns it, or, when the
// screen is narrower than the window's 800 pixels, shows the refusal and returns nullptr.
std::unique_ptr<frmbelvik> Main(int screenWidth, const MessageBoxFn& messageBox);

// Runs the window until the user closes it, with Tab, Shift+Tab and Enter as in a dialog in it
// and in the windows it opens;
// returns the program's exit status.
int RunMessageLoop(HWND window);

}  // namespace belvik::win32::Modbelvik
