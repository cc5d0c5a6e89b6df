#include "calculation.h"

namespace belvik {

void Run::Stop(Failure failure) { throw detail::Stopped{failure}; }

namespace detail {

Result Finish(Calculator calculator, BoxWrite write, Failure failure, ResultText& text) {
  Result result;
  result.calculator = calculator;
  result.failure = failure;
  const bool boxKept = (write == BoxWrite::ClearedAfterCheck && failure == Failure::EmptyInput) ||
                       (write == BoxWrite::OnlyWhenFinished && failure != Failure::None);
  if (boxKept) return result;
  result.text = text.TakeText();
  result.lineFigures = text.TakeLineFigures();
  result.summary = text.TakeSummary();
  return result;
}

}  // namespace detail

}  // namespace belvik
