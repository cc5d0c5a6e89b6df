// The design's texts are UTF-8; Qt's are QString.
#pragma once

#include <QString>
#include <string_view>

namespace belvik::ui {

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace belvik::ui
