#include "calculator_steps.h"

namespace belvik {

bool AnyEmpty(std::initializer_list<std::string_view> texts) {
  for (const std::string_view text : texts) {
    if (text.empty()) return true;
  }
  return false;
}

}  // namespace belvik
