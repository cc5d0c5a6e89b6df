// Twips (1/1440 inch) are the unit of the window design; widgets are placed in pixels.
#pragma once

#include <QRect>

#include "belvik/window_design.h"

class QScreen;

namespace belvik::ui {

using design::TwipsRect;
using design::TwipsSize;

// 1440 divided by the screen's logical horizontal DPI: 15 at 96 DPI, 12 at 120.
float TwipsPerPixel(const QScreen* screen);

// Each edge and length rounded to the nearest whole pixel.
int ToPixels(float twips, float twipsPerPixel);
QRect ToPixels(const TwipsRect& rect, float twipsPerPixel);

TwipsSize ToTwips(QSize pixels, float twipsPerPixel);

}  // namespace belvik::ui
