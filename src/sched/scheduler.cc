#include "sched/scheduler.h"

#include <exception>
#include <iterator>
#include <numeric>
#include <thread>
#include <vector>

#include "roman/roman.h"
#include "sched/split.h"

namespace {

// Threads that are joined, in order, however the scope that owns them ends.
struct Workers {
  Workers() = default;
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;
  ~Workers() {
    for (std::thread& thread : threads) thread.join();
  }
  std::vector<std::thread> threads;
};

// Converts each share on its own thread and joins the lists in share order.
NumeralList convertOnThreads(const std::vector<Share>& shares, uint8_t mode) {
  // Each worker writes only its own slot, and only the calling thread reads
  // the slots, after every worker has been joined.
  std::vector<NumeralList> lists(shares.size());
  std::vector<std::exception_ptr> failures(shares.size());
  {
    Workers workers;
    workers.threads.reserve(shares.size());
    for (size_t i = 0; i < shares.size(); ++i) {
      // If this throws, the workers already started are joined as `workers`
      // unwinds, before `lists` and `failures` go away.
      workers.threads.emplace_back(
          [&share = shares[i], &list = lists[i], &failure = failures[i], mode] {
            try {
              list = nToRoman(share.from, share.to, mode);
            } catch (...) {
              failure = std::current_exception();
            }
          });
    }
  }  // joins every worker, in order

  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }

  const size_t total = std::accumulate(
      lists.begin(), lists.end(), size_t{0},
      [](size_t sum, const NumeralList& list) { return sum + list.size(); });
  NumeralList result = std::move(lists.front());
  result.reserve(total);
  for (size_t i = 1; i < lists.size(); ++i) {
    result.insert(result.end(), std::make_move_iterator(lists[i].begin()),
                  std::make_move_iterator(lists[i].end()));
  }
  return result;
}

}  // namespace

NumeralList scheduler(const joblist* job, WorkerCount workers) {
  if (workers == 0) return {};
  const auto mode = static_cast<uint8_t>(job->mode);
  if (workers >= 2) {
    // A range with fewer values than workers + 1 is not worth a thread.
    const auto share = static_cast<uint32_t>((job->to - job->from) / workers);
    if (share != 0) {
      return convertOnThreads(splitRange(job->from, job->to, workers), mode);
    }
  }
  return nToRoman(job->from, job->to, mode);
}
