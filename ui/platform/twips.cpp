#include "twips.h"

#include <QScreen>
#include <QtMath>

namespace belvik::ui {

namespace {
constexpr float kFallbackDpi = 96;
}  // namespace

float TwipsPerPixel(const QScreen* screen) {
  const float dpi = screen ? static_cast<float>(screen->logicalDotsPerInchX()) : kFallbackDpi;
  return design::kTwipsPerInch / (dpi > 0 ? dpi : kFallbackDpi);
}

int ToPixels(float twips, float twipsPerPixel) { return qRound(twips / twipsPerPixel); }

QRect ToPixels(const TwipsRect& rect, float twipsPerPixel) {
  return {ToPixels(rect.left, twipsPerPixel), ToPixels(rect.top, twipsPerPixel),
          ToPixels(rect.width, twipsPerPixel), ToPixels(rect.height, twipsPerPixel)};
}

TwipsSize ToTwips(QSize pixels, float twipsPerPixel) {
  return {static_cast<float>(pixels.width()) * twipsPerPixel,
          static_cast<float>(pixels.height()) * twipsPerPixel};
}

}  // namespace belvik::ui
