// Each calculator over 1, 40, 1000 and 32767 years at rates of 0 and 1 % (1.01^32767 is still
// finite; a rate of 0 makes every power 1, so only the 1 % rows show what the power costs), and
// over the longest schedules a double still holds at 7 % (10000 years, 1.07^10000 ≈ 1E+293) and
// at 10 % (7000 years, 1.1^7000 ≈ 1E+290), against a floor: per schedule line, one std::pow and one
// shortest std::to_chars for every number that line prints, and nothing else. The floor is the work
// no implementation of the line can skip; scripts/bench.sh prints each calculator's time over its
// floor's.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string>

#include "belvik/calculators.h"

namespace {

using belvik::Result;

// Read at run time so that neither the floor's pow nor its products can be folded away.
volatile double g_rate = 0;

// Years, then the rate in percent.
void YearArgs(benchmark::internal::Benchmark* b) {
  b->ArgsProduct({{1, 40, 1000, 32767}, {0, 1}});
  b->Args({10000, 7});
  b->Args({7000, 10});
  b->Unit(benchmark::kMicrosecond);
}

void Calculate(benchmark::State& state,
               Result (*run)(const std::string& years, const std::string& rate)) {
  const std::string years = std::to_string(state.range(0));
  const std::string rate = std::to_string(state.range(1));
  for (auto _ : state) {
    Result result = run(years, rate);
    benchmark::DoNotOptimize(result.text->data());
  }
}

void SetFloorRate(const benchmark::State& state) {
  g_rate = static_cast<double>(state.range(1)) / 100;
}

// A number a schedule line prints: perGrowth × the year's power + constant.
struct Printed {
  double perGrowth;
  double constant;
};

// `lines` schedule lines, each printing its year and `numbers`. Adding a constant to
// 0 × growth keeps the power: without -ffast-math the product cannot be folded away.
void FloorLines(benchmark::State& state, std::int64_t lines,
                std::initializer_list<Printed> numbers) {
  SetFloorRate(state);
  std::array<char, 32> buffer{};
  for (auto _ : state) {
    for (std::int64_t year = 1; year <= lines; ++year) {
      const double growth = std::pow(1 + g_rate, static_cast<double>(year));
      auto written =
          std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(year));
      benchmark::DoNotOptimize(written.ptr);
      for (const Printed number : numbers) {
        written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                number.perGrowth * growth + number.constant);
        benchmark::DoNotOptimize(written.ptr);
      }
      benchmark::ClobberMemory();
    }
  }
}

// Year lines: the year, the contribution 3600 and its monthly 300, whatever the rate. The
// schedule ends at the last year asked for: 32767 years write 32767 lines after the summary.
void Investment(benchmark::State& state) {
  Calculate(state, [](const std::string& years, const std::string& rate) {
    return belvik::CalculateInvestment({"300", "0", rate, years});
  });
}
void InvestmentFloor(benchmark::State& state) {
  FloorLines(state, state.range(0), {{0, 3600}, {0, 300}});
}

// Year lines: the year, the gain, the percentage and the value 10000 × growth. The schedule
// ends at the last year asked for: 32767 years write 32767 lines after the summary.
void LumpSum(benchmark::State& state) {
  Calculate(state, [](const std::string& years, const std::string& rate) {
    return belvik::CalculateLumpSum({"10000", rate, years});
  });
}
void LumpSumFloor(benchmark::State& state) {
  FloorLines(state, state.range(0), {{10000, -10000}, {100, -100}, {10000, 0}});
}

// Year lines: the year, the need 12000 × growth and its monthly. Retiring now (age 60,
// retirement age 60) makes the power of retirement year n the n-th, so every year asked for is
// written: 32767 years write all 32767 lines and then stop with the 16-bit overflow of the next
// year, with no total. (Thirty years before retirement, the powers would pass 32767 and stop the
// schedule at line 32737.)
void Pension(benchmark::State& state) {
  Calculate(state, [](const std::string& years, const std::string& rate) {
    return belvik::CalculatePension({rate, "1000", years, "60", "60"});
  });
}
void PensionFloor(benchmark::State& state) {
  FloorLines(state, state.range(0), {{12000, 0}, {1000, 0}});
}

// One number whatever the years; its floor is one line without a year.
void PresentValue(benchmark::State& state) {
  Calculate(state, [](const std::string& years, const std::string& rate) {
    return belvik::CalculatePresentValue({rate, "10000", years});
  });
}
void PresentValueFloor(benchmark::State& state) {
  SetFloorRate(state);
  std::array<char, 32> buffer{};
  for (auto _ : state) {
    const double growth = std::pow(1 + g_rate, static_cast<double>(state.range(0)));
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), 10000 / growth);
    benchmark::DoNotOptimize(written.ptr);
  }
}

BENCHMARK(Investment)->Apply(YearArgs);
BENCHMARK(InvestmentFloor)->Apply(YearArgs);
BENCHMARK(LumpSum)->Apply(YearArgs);
BENCHMARK(LumpSumFloor)->Apply(YearArgs);
BENCHMARK(Pension)->Apply(YearArgs);
BENCHMARK(PensionFloor)->Apply(YearArgs);
BENCHMARK(PresentValue)->Apply(YearArgs);
BENCHMARK(PresentValueFloor)->Apply(YearArgs);

}  // namespace

BENCHMARK_MAIN();
