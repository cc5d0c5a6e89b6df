// The fonts the window is designed around, made available wherever it runs.
#pragma once

#include <QFont>

class QWidget;

namespace belvik::ui {

// The interface font for a platform whose interface font is `platform`: its family when that
// draws Simplified Chinese, otherwise the first installed Chinese face the layout was designed
// with (or the platform's family when there is none), always at the design's size: 12-pixel
// Chinese characters at 96 DPI, as many more pixels as the DPI is higher.
QFont InterfaceFont(const QFont& platform);

// The result box's font as designed: 宋体 14.25 pt, or the face standing in for it.
QFont ResultFont();

// Makes the interface font the application's and maps the result box's family to an installed
// CJK face where it is missing. Call once, after the application object exists and before the
// window is created.
void UseInterfaceFonts();

// Gives `window` the application's font as its own: a desktop theme that changes the
// application's fonts once the program runs (qt6ct does) would otherwise grow captions whose
// positions are fixed until they slide under the boxes beside them.
void HoldInterfaceFont(QWidget* window);

}  // namespace belvik::ui
