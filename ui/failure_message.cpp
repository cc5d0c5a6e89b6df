#include "failure_message.h"

#include "message_box.h"

namespace belvik::ui {

std::optional<FailureMessage> MessageFor(Failure failure) {
  switch (failure) {
    case Failure::None:
      return std::nullopt;
    case Failure::EmptyInput:
      return FailureMessage{QStringLiteral("输入数值不能为空！"), kPlainMessage};
    case Failure::FloatingPoint:
      return FailureMessage{QStringLiteral("计算溢出或出现无效运算，计算已停止。"),
                            kWarningMessage};
    case Failure::TypeMismatch:
      return FailureMessage{QStringLiteral("输入的数值格式不正确。"), kWarningMessage};
    case Failure::Overflow:
      return FailureMessage{QStringLiteral("输入的数值超出允许的范围。"), kWarningMessage};
    case Failure::YearsCap:
      return FailureMessage{QStringLiteral("投资年限不能超过32767年。"), kWarningMessage};
  }
  return std::nullopt;
}

}  // namespace belvik::ui
