// Start-up: refuse a screen narrower than the window, otherwise open the window.
#pragma once

#include <memory>

#include "frmbelvik.h"
#include "message_box.h"

namespace belvik::ui::Modbelvik {

// What the application needs before any window: Qt's own texts in Chinese, the menu bar's
// style, the desktop entry the launcher knows the window by, and the interface fonts. Call once,
// after the application object exists.
void PrepareApplication();

// On a screen `screenWidth` logical pixels wide: shows the window and returns it, or, when the
// screen is narrower than the window's 800 pixels, shows the refusal and returns nullptr.
std::unique_ptr<frmbelvik> Main(int screenWidth, const MessageBoxFn& messageBox);

// The same on the primary screen, prepared as above and with real message boxes.
std::unique_ptr<frmbelvik> Main();

}  // namespace belvik::ui::Modbelvik
