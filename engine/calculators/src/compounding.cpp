#include "belvik/compounding.h"

#include "belvik/power.h"
#include "belvik/rounding.h"
#include "fault_watch.h"

namespace belvik {
namespace {

constexpr Checked<double> kFault{0, Failure::FloatingPoint};

}  // namespace

Checked<double> FutureValue(double amount, double rate, double years) {
  FaultWatch watch;
  const double base = watch(1 + rate);
  if (watch.Faulted()) return kFault;
  const double growth = watch(Power(base, years));
  const double value = watch(growth * amount);
  if (watch.Faulted()) return kFault;
  return {RoundTo(value, 4)};
}

Checked<double> PresentValue(double amount, double rate, double years) {
  FaultWatch watch;
  const double base = watch(1 + rate);
  if (watch.Faulted()) return kFault;
  const double growth = watch(Power(base, years));
  const double factor = watch(1 / growth);
  const double value = watch(factor * amount);
  if (watch.Faulted()) return kFault;
  return {RoundTo(value, 4)};
}

}  // namespace belvik
