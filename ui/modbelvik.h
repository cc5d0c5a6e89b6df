// Start-up: refuse a screen narrower than the window, otherwise open the window.
#pragma once

#include <memory>

#include "frmbelvik.h"
#include "message_box.h"

namespace belvik::ui::Modbelvik {

// On a screen `screenWidth` logical pixels wide: shows the window and returns it, or, when the
// screen is narrower than the window's 800 pixels, shows the refusal and returns nullptr.
std::unique_ptr<frmbelvik> Main(int screenWidth, const MessageBoxFn& messageBox);

// The same on the primary screen, with the interface fonts and real message boxes.
std::unique_ptr<frmbelvik> Main();

}  // namespace belvik::ui::Modbelvik
