// The fonts the window is designed around, made available wherever it runs.
#pragma once

#include <QFont>

class QWidget;

namespace belvik::ui {

// The result box's font family and size as designed.
inline constexpr char kResultFontFamily[] = "宋体";
inline constexpr double kResultFontPointSize = 14.25;

// The interface font for a platform whose interface font is `platform`: its family when that
// draws Simplified Chinese, otherwise the first installed Chinese face the layout was designed
// with (or the platform's family when there is none), always at 9 points: the design's
// 12-pixel Chinese characters at 96 DPI, as many more pixels as the DPI is higher.
QFont InterfaceFont(const QFont& platform);

// Makes the interface font the application's and maps the result box's family to an installed
// CJK face where it is missing. Call once, after the application object exists and before the
// window is created.
void UseInterfaceFonts();

// Gives `window` the application's font as its own: a desktop theme that changes the
// application's fonts once the program runs (qt6ct does) would otherwise grow captions whose
// positions are fixed until they slide under the boxes beside them.
void HoldInterfaceFont(QWidget* window);

}  // namespace belvik::ui
