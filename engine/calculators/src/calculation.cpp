#include "calculation.h"

namespace belvik {

Run::Run(const CalculatorDescription& calculator, std::span<const std::string_view> inputs)
    : calculator_(calculator), inputs_(inputs) {}

void Run::Stop(Failure failure) { throw detail::Stopped{failure}; }

double Run::Read(std::size_t k) {
  const std::string_view text = Text(k);
  double value = 0;
  switch (calculator_.inputs[k].reading) {
    case Reading::Loose:
      value = Take(NumberFromText(text));  // only a number beyond the double range stops it
      break;
    case Reading::StrictNumber:
      value = Take(StrictNumberFromText(text));
      break;
    case Reading::StrictInt16:
      value = Take(StrictInt16FromText(text));
      break;
  }
  values_[k] = value;
  return value;
}

void Run::MoveInto(Result& result) {
  for (std::size_t k = 0; k < calculator_.inputs.size(); ++k) result.inputs[k] = Text(k);
  result.values = values_;
}

namespace detail {

Result Finish(const CalculatorDescription& calculator, Failure failure, Run& run) {
  Result result;
  result.calculator = calculator.calculator;
  result.failure = failure;
  run.MoveInto(result);
  const bool boxKept =
      (calculator.write == BoxWrite::ClearedAfterCheck && failure == Failure::EmptyInput) ||
      (calculator.write == BoxWrite::OnlyWhenFinished && failure != Failure::None);
  if (!boxKept) run.text().MoveInto(result);
  return result;
}

}  // namespace detail

}  // namespace belvik
