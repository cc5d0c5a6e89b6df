// The fonts the window is designed around, made available wherever it runs.
#pragma once

namespace belvik::ui {

// The result box's font family and size as designed.
inline constexpr char kResultFontFamily[] = "宋体";
inline constexpr double kResultFontPointSize = 14.25;

// Makes the interface font a Chinese face at 9 points (the design's 12-pixel characters at
// 96 DPI), and maps the result box's family to an installed CJK face where it is missing.
// Call once, after the application object exists and before the window is created.
void UseInterfaceFonts();

}  // namespace belvik::ui
