#include "fonts.h"

#include <cmath>
#include <string>

#include "belvik/window_design.h"
#include "text.h"

namespace belvik::win32 {

namespace {

constexpr double kPointsPerInch = 72;

}  // namespace

HFONT MessageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

LOGFONTW ResultLogFont(UINT dpi) {
  const design::FontDescription& font = design::kResultFont;
  LOGFONTW result{};
  result.lfHeight = -static_cast<LONG>(std::lround(font.pointSize * dpi / kPointsPerInch));
  result.lfWeight = font.weight;
  result.lfCharSet = static_cast<BYTE>(font.charset);
  result.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring face = Wide(font.family);
  face.copy(result.lfFaceName, LF_FACESIZE - 1);
  return result;
}

WindowFonts::WindowFonts(UINT dpi) : interface_(MessageFont(dpi)) {
  const LOGFONTW result = ResultLogFont(dpi);
  result_ = CreateFontIndirectW(&result);
}

WindowFonts::~WindowFonts() {
  DeleteObject(interface_);
  DeleteObject(result_);
}

}  // namespace belvik::win32
