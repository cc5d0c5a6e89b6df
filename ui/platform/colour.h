// The engine's colours as Qt's.
#pragma once

#include <QColor>

#include "belvik/rgb.h"

namespace belvik::ui {

inline QColor Colour(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

}  // namespace belvik::ui
