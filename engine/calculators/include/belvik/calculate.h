// Any calculator, chosen at run time.
#pragma once

#include <span>
#include <string>

#include "belvik/result.h"

namespace belvik {

// Runs `calculator` on its input texts given in the order of its description's inputs; a
// missing text counts as an empty box.
Result Calculate(Calculator calculator, std::span<const std::string> texts);

}  // namespace belvik
