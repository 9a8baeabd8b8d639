// Microbenchmarks of the conversion, the scheduling and the printing.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "cli/output.h"
#include "roman/roman.h"
#include "sched/scheduler.h"

namespace {

void BM_NToRoman(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(nToRoman(0, 9999, 0));
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_NToRoman);

void BM_Scheduler(benchmark::State& state) {
  const joblist job{0, 9999, kModeNone};
  const auto workers = static_cast<WorkerCount>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(scheduler(&job, workers));
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Scheduler)->Arg(1)->Arg(2)->UseRealTime();

// One write(2) per line into a descriptor that discards everything.
void BM_WriteLines(benchmark::State& state) {
  const NumeralList numerals = nToRoman(0, 9999, 0);
  const int sink = open("/dev/null", O_WRONLY | O_CLOEXEC);
  for (auto _ : state) {
    if (!writeLines(sink, numerals)) state.SkipWithError("write failed");
  }
  close(sink);
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_WriteLines);

}  // namespace

BENCHMARK_MAIN();
