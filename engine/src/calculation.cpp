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
  text.MoveInto(result);
  return result;
}

}  // namespace detail

}  // namespace belvik
