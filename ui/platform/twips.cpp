#include "twips.h"

#include <QScreen>

namespace belvik::ui {

namespace {
constexpr float kFallbackDpi = 96;
}  // namespace

float TwipsPerPixel(const QScreen* screen) {
  const float dpi = screen ? static_cast<float>(screen->logicalDotsPerInchX()) : kFallbackDpi;
  return design::TwipsPerPixel(dpi > 0 ? dpi : kFallbackDpi);
}

int ToPixels(float twips, float twipsPerPixel) {
  return design::RoundToPixels(twips, twipsPerPixel);
}

QRect ToPixels(const TwipsRect& rect, float twipsPerPixel) {
  const design::PixelRect pixels = design::RoundToPixels(rect, twipsPerPixel);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

TwipsSize ToTwips(QSize pixels, float twipsPerPixel) {
  return design::ToTwips(pixels.width(), pixels.height(), twipsPerPixel);
}

}  // namespace belvik::ui
