// 反推每月定投's search, which runs on every keystroke: the time to an answer over 30 and 32767
// years, with the schedules it ran per answer as a counter. A saver's target (a million yuan;
// over 30 years rising 7 % a year at a 10 % return, over 32767 years level at 1 %), and a
// return of -100 %, where no amount reaches the target and the search runs the most schedules
// a real input makes it run before it can say so.
#include <benchmark/benchmark.h>

#include <string>

#include "belvik/calculators.h"

namespace {

void Seek(benchmark::State& state, const belvik::GoalTexts& texts) {
  int schedules = 0;
  for (auto _ : state) {
    const belvik::GoalAnswer answer = belvik::SeekMonthlyAmount(texts);
    benchmark::DoNotOptimize(answer.monthlyAmount);
    schedules = answer.schedules;
  }
  state.counters["schedules"] = schedules;
}

void Saver(benchmark::State& state) {
  const bool longest = state.range(0) > 30;
  Seek(state,
       {"1000000", std::to_string(state.range(0)), longest ? "0" : "7", longest ? "1" : "10"});
}

void ReturnLosesEverything(benchmark::State& state) {
  Seek(state, {"1000000", std::to_string(state.range(0)), "0", "-100"});
}

BENCHMARK(Saver)->Arg(30)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReturnLosesEverything)->Arg(30)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
