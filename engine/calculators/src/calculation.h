// One run of a calculator, written once for all four: the empty-box rule, reading the inputs as
// the calculator's description says, the years cap, a fault check after each step, and the
// result built from what was written. A failing step stops the run at once; what was written up
// to then stays, as the result box keeps the lines of a calculation that stopped.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "belvik/calculator_description.h"
#include "belvik/number_reading.h"
#include "belvik/result.h"
#include "fault_watch.h"
#include "result_text.h"

namespace belvik {

class Run {
 public:
  Run(const CalculatorDescription& calculator, std::span<const std::string_view> inputs);

  // Ends the run here with `failure`. Only RunCalculator catches it.
  [[noreturn]] static void Stop(Failure failure);

  // The value of a step that can fail, or the end of the run with its failure.
  template <typename T>
  T Take(const Checked<T>& step) {
    if (!step.ok()) Stop(step.failure);
    return step.value;
  }

  // Records an arithmetic result; a fault in it stops the run at the next Check.
  double Watch(double result) { return watch_(result); }
  // Stops with FloatingPoint when anything recorded so far faulted.
  void Check() {
    if (watch_.Faulted()) Stop(Failure::FloatingPoint);
  }
  // Watch and Check in one: a step with a fault check of its own.
  double Check(double result) {
    Watch(result);
    Check();
    return result;
  }

  // Never: a failing step has already ended the run (for the schedules shared with runs that
  // record their faults instead).
  static constexpr bool Stopped() { return false; }

  // Input `k`'s text as given; a text that was never given is an empty box.
  std::string_view Text(std::size_t k) const {
    return k < inputs_.size() ? inputs_[k] : std::string_view();
  }
  // Input `k` read as its description says; a text it cannot read stops the run.
  double Read(std::size_t k);

  // Stops with YearsCap when a schedule is asked for more years than any calculator writes.
  static void CapYears(double years) {
    if (years > kMaxScheduleYears) Stop(Failure::YearsCap);
  }

  ResultText& text() { return text_; }

  // Hands what the run wrote and read to `result`.
  void MoveInto(Result& result);

 private:
  const CalculatorDescription& calculator_;
  std::span<const std::string_view> inputs_;
  std::array<std::optional<double>, kMaxInputs> values_;
  FaultWatch watch_;
  ResultText text_;
};

namespace detail {

struct Stopped {
  Failure failure;
};

Result Finish(const CalculatorDescription& calculator, Failure failure, Run& run);

}  // namespace detail

// Runs `body(run)` on `inputs` (one per input of the calculator's description) after the
// empty-box check, and turns what it wrote, or the failure that stopped it, into the result.
template <typename Body>
Result RunCalculator(Calculator calculator, std::span<const std::string_view> inputs, Body&& body) {
  const CalculatorDescription& description = Describe(calculator);
  Run run(description, inputs);
  Failure failure = Failure::None;
  try {
    for (std::size_t k = 0; k < description.inputs.size(); ++k) {
      if (run.Text(k).empty()) Run::Stop(Failure::EmptyInput);  // blanks alone are not empty
    }
    std::forward<Body>(body)(run);
  } catch (const detail::Stopped& stopped) {
    failure = stopped.failure;
  }
  return detail::Finish(description, failure, run);
}

}  // namespace belvik
