// One run of a calculator, written once for all four: the empty-box rule, reading the boxes,
// the years cap, a fault check after each step, and the result built from what was written.
// A failing step stops the run at once; what was written up to then stays, as the result box
// keeps the lines of a calculation that stopped.
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
#include "fault_watch.h"
#include "result_text.h"

namespace belvik {

// When a calculator replaces the result box's text.
enum class BoxWrite {
  ClearedFirst,       // emptied before the boxes are looked at, so even an empty box empties it
  ClearedAfterCheck,  // emptied once no box is empty; a later failure leaves what was written
  OnlyWhenFinished,   // replaced whole by a finished run; any failure leaves it as it was
};

class Run {
 public:
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

  // NumberFromText of a box; a number beyond the double range stops the run.
  double Number(std::string_view text) { return Take(NumberFromText(text)); }
  // Stops with YearsCap when a schedule is asked for more years than any calculator writes.
  static void CapYears(double years) {
    if (years > kMaxScheduleYears) Stop(Failure::YearsCap);
  }

  ResultText& text() { return text_; }

 private:
  FaultWatch watch_;
  ResultText text_;
};

namespace detail {

struct Stopped {
  Failure failure;
};

Result Finish(Calculator calculator, BoxWrite write, Failure failure, ResultText& text);

}  // namespace detail

// Runs `body(run)` on the boxes' texts after the empty-box check, and turns what it wrote, or
// the failure that stopped it, into the calculator's result.
template <typename Body>
Result RunCalculator(Calculator calculator, BoxWrite write,
                     std::initializer_list<std::string_view> boxes, Body&& body) {
  Run run;
  Failure failure = Failure::None;
  try {
    for (const std::string_view text : boxes) {
      if (text.empty()) Run::Stop(Failure::EmptyInput);  // blanks alone are not empty
    }
    std::forward<Body>(body)(run);
  } catch (const detail::Stopped& stopped) {
    failure = stopped.failure;
  }
  return detail::Finish(calculator, write, failure, run.text());
}

}  // namespace belvik
