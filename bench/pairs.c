/* Times two commands side by side: runs A, then B, RUNS times, each with
 * standard output to /dev/null, and prints the median wall time of each and
 * the median of the ratios A/B of the pairs. Alternating keeps a change in
 * the machine's load from falling on one command only.
 *
 *   pairs RUNS A [ARG...] -- B [ARG...]
 */

#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

/* Runs argv to its end and returns the seconds it took. */
static double timed(char** argv, const posix_spawn_file_actions_t* actions) {
  pid_t pid;
  int status;
  const double start = now();
  if (posix_spawnp(&pid, argv[0], actions, NULL, argv, environ) != 0) {
    perror(argv[0]);
    exit(1);
  }
  if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) {
    fprintf(stderr, "%s did not exit\n", argv[0]);
    exit(1);
  }
  return now() - start;
}

static int ascending(const void* a, const void* b) {
  const double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

static double median(double* values, int count) {
  qsort(values, (size_t)count, sizeof *values, ascending);
  return count % 2 ? values[count / 2]
                   : (values[count / 2 - 1] + values[count / 2]) / 2;
}

int main(int argc, char** argv) {
  int split = 2;
  while (split < argc && strcmp(argv[split], "--") != 0) ++split;
  const int runs = argc > 1 ? atoi(argv[1]) : 0;
  if (runs < 1 || split < 3 || split + 1 >= argc) {
    fprintf(stderr, "usage: pairs RUNS A [ARG...] -- B [ARG...]\n");
    return 2;
  }
  argv[split] = NULL;
  char** a = argv + 2;
  char** b = argv + split + 1;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);

  double* times_a = malloc(sizeof(double) * (size_t)runs * 3);
  if (times_a == NULL) return 1;
  double* times_b = times_a + runs;
  double* ratios = times_b + runs;
  for (int i = 0; i < runs; ++i) {
    times_a[i] = timed(a, &actions);
    times_b[i] = timed(b, &actions);
    ratios[i] = times_a[i] / times_b[i];
  }
  const double ma = median(times_a, runs), mb = median(times_b, runs);
  printf("%d pairs: A %.1f us, B %.1f us, A/B %.3f (median of the pairs)\n",
         runs, ma * 1e6, mb * 1e6, median(ratios, runs));
  free(times_a);
  return 0;
}
