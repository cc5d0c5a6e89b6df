// Sticky record of IEEE 754 faults between two checks, read off the results.
#pragma once

#include <cmath>

namespace belvik {

// Every operand reaching a calculation is finite, so an operation has raised overflow,
// division by zero or invalid exactly when its result is not finite. Recording every result
// between two checks, not only the checked one, keeps a fault of an unchecked step (which a
// later step could turn finite again, as 1 / inf does) for the next check, like the
// processor's sticky flags; unlike those flags it cannot be reordered by the optimiser.
class FaultWatch {
 public:
  double operator()(double result) {
    faulted_ = faulted_ || !std::isfinite(result);
    return result;
  }
  bool Faulted() const { return faulted_; }

 private:
  bool faulted_ = false;
};

}  // namespace belvik
