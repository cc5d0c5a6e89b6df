// What the user is told when a calculation stops.
#pragma once

#include <QString>
#include <optional>

#include "belvik/failure.h"

namespace belvik::ui {

// The title of every calculation message.
inline constexpr char kCalculationMessageTitle[] = "提示";

struct FailureMessage {
  QString prompt;
  int style;  // kPlainMessage or kWarningMessage
};

// The message for `failure`; none for Failure::None.
std::optional<FailureMessage> MessageFor(Failure failure);

}  // namespace belvik::ui
