// The four calculators, one per pane. Each takes its input texts and returns the result: the
// result box's new text, the numbers behind every line of it, and what stopped the run. Then
// the periodic investment run backwards, from a target (a pension result's, for one) to the
// monthly amount that reaches it. Nothing here keeps state between calls. This is the one list
// of the calculators' headers.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "belvik/calculate.h"
#include "belvik/calculator_description.h"
#include "belvik/investment.h"
#include "belvik/lump_sum.h"
#include "belvik/monthly_goal.h"
#include "belvik/pension.h"
#include "belvik/pension_target.h"
#include "belvik/present_value.h"
#include "belvik/result.h"

namespace belvik {

namespace detail {

using EntryPoint = Result (*)(std::span<const std::string_view>);

template <std::size_t... k>
constexpr std::array<EntryPoint, kCalculatorCount> EntryPoints(std::index_sequence<k...>) {
  return {&CalculateFrom<static_cast<Calculator>(k)>...};
}

}  // namespace detail

// Runs `calculator` on its input texts given in the order of its description's inputs; a
// missing text counts as an empty box.
inline Result Calculate(Calculator calculator, std::span<const std::string> texts) {
  static constexpr std::array<detail::EntryPoint, kCalculatorCount> kEntryPoints =
      detail::EntryPoints(std::make_index_sequence<kCalculatorCount>());
  std::array<std::string_view, kMaxInputs> views{};
  for (std::size_t k = 0; k < texts.size() && k < views.size(); ++k) views[k] = texts[k];
  const std::size_t count = Describe(calculator).inputs.size();
  return kEntryPoints[static_cast<std::size_t>(calculator)](std::span(views).first(count));
}

}  // namespace belvik
