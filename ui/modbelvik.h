// Start-up: refuse a screen narrower than the window, otherwise open the window.
#pragma once

#include <memory>

#include "frmbelvik.h"
#include "message_box.h"

namespace Modbelvik {

// The narrowest screen, in logical pixels, that the 800-pixel window fits across.
inline constexpr int kMinimumScreenWidth = 800;

// On a screen `screenWidth` logical pixels wide: shows the window and returns it, or, when the
// screen is narrower than the window, shows the refusal and returns nullptr.
std::unique_ptr<frmbelvik> Main(int screenWidth, const belvik::ui::MessageBoxFn& messageBox);

// The same on the primary screen, with the interface fonts and real message boxes.
std::unique_ptr<frmbelvik> Main();

}  // namespace Modbelvik
