// Runs the conversion of one job, on the calling thread or on worker threads.

#ifndef ROMAN_SCHED_SCHEDULER_H_
#define ROMAN_SCHED_SCHEDULER_H_

#include "common/joblist.h"

// Returns the numerals of job->from to job->to in ascending order. The list
// is the same for every worker count from 1 up; with `workers` >= 2 and at
// least as many values as workers plus one, the range is split into that many
// shares, each converted on a thread of its own. Returns an empty list when
// `workers` is 0. Reads *job and never writes it.
// REQUIRES: job->from <= job->to.
// Throws what nToRoman throws, including from a worker thread, and
// std::system_error when a thread cannot start. Every thread it started has
// been joined before it returns or throws.
NumeralList scheduler(const joblist* job, WorkerCount workers);

#endif  // ROMAN_SCHED_SCHEDULER_H_
