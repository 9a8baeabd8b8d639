// Preloaded into roman by the end-to-end tests: lets the first
// ROMAN_TEST_THREADS_THAT_START calls of pthread_create (0 if unset) start
// their threads, and fails every later call with EAGAIN, as the system does
// when it is out of threads.

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attr,
                              void* (*start_routine)(void*), void* arg) {
  using Create =
      int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
  static std::atomic<long> started{0};
  // Nothing in roman changes its environment.
  // NOLINTNEXTLINE(concurrency-mt-unsafe)
  const char* allowed = std::getenv("ROMAN_TEST_THREADS_THAT_START");
  const long limit = allowed == nullptr ? 0 : std::strtol(allowed, nullptr, 10);
  if (started.fetch_add(1) >= limit) return EAGAIN;
  static const auto real =
      reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
  return real(thread, attr, start_routine, arg);
}
