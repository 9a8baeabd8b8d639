#include "tool_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "roman/roman.h"

namespace {

void check(int result, const char* what) {
  if (result != 0)
    throw std::system_error(result, std::generic_category(), what);
}

void checkErrno(int result, const char* what) {
  if (result < 0) throw std::system_error(errno, std::generic_category(), what);
}

// Reads both pipes to their ends without letting either one fill up.
void drain(int outFd, int errFd, std::string* out, std::string* err) {
  std::array<pollfd, 2> fds = {{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::array<std::string*, 2> sinks = {out, err};
  std::array<char, 65536> buffer;
  int open = (outFd >= 0 ? 1 : 0) + 1;  // poll skips a negative descriptor
  while (open > 0) {
    checkErrno(poll(fds.data(), fds.size(), -1), "poll");
    for (size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = read(fds[i].fd, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      checkErrno(static_cast<int>(n), "read");
      if (n == 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      } else {
        sinks[i]->append(buffer.data(), static_cast<size_t>(n));
      }
    }
  }
}

// A null-terminated array of pointers into `strings`, for exec.
std::vector<char*> pointersTo(std::vector<std::string>* strings) {
  std::vector<char*> pointers(strings->size() + 1, nullptr);
  std::transform(strings->begin(), strings->end(), pointers.begin(),
                 [](std::string& text) { return text.data(); });
  return pointers;
}

}  // namespace

std::string linesOf(uint64_t from, uint64_t to) {
  std::string text;
  for (const std::string& numeral : nToRoman(from, to, 0)) {
    text += numeral;
    text += '\n';
  }
  return text;
}

ToolRun runRoman(const std::vector<std::string>& args, Stdout out,
                 bool ignoreSigpipe, const std::vector<std::string>& env) {
  int outPipe[2] = {-1, -1};
  int errPipe[2];
  checkErrno(pipe2(errPipe, O_CLOEXEC), "pipe2");
  const bool piped = out == Stdout::kPipe || out == Stdout::kReaderLeaves ||
                     out == Stdout::kSlowNonBlocking;
  if (piped) checkErrno(pipe2(outPipe, O_CLOEXEC), "pipe2");
  if (out == Stdout::kSlowNonBlocking) {
    // The flag belongs to the pipe's open file, so the tool inherits it.
    checkErrno(fcntl(outPipe[1], F_SETFL, O_NONBLOCK), "fcntl");
  }

  posix_spawn_file_actions_t actions;
  check(posix_spawn_file_actions_init(&actions), "file actions");
  check(posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0),
        "stdin");
  switch (out) {
    case Stdout::kPipe:
    case Stdout::kReaderLeaves:
    case Stdout::kSlowNonBlocking:
      check(posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1),
            "stdout");
      break;
    case Stdout::kDevFull:
      check(posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY,
                                             0),
            "stdout");
      break;
    case Stdout::kClosed:
      check(posix_spawn_file_actions_addclose(&actions, 1), "stdout");
      break;
  }
  check(posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2), "stderr");

  // Start from a clean SIGPIPE, whatever the test runner inherited.
  posix_spawnattr_t attributes;
  check(posix_spawnattr_init(&attributes), "attributes");
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGPIPE);
  if (ignoreSigpipe) {
    // The child inherits an ignored disposition through exec.
    if (signal(SIGPIPE, SIG_IGN) == SIG_ERR) checkErrno(-1, "signal");
  } else {
    check(posix_spawnattr_setsigdefault(&attributes, &signals), "sigdefault");
    check(posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF),
          "flags");
  }

  // posix_spawn takes char* const*: point into copies the tool may not touch.
  std::vector<std::string> copies = args;
  copies.insert(copies.begin(), ROMAN_BINARY);
  std::vector<char*> argv = pointersTo(&copies);
  std::vector<std::string> environment = env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    environment.emplace_back(*entry);
  }
  std::vector<char*> envp = pointersTo(&environment);

  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, &attributes,
                                  argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(errPipe[1]);
  if (outPipe[1] >= 0) close(outPipe[1]);
  if (out == Stdout::kReaderLeaves) {
    close(outPipe[0]);
    outPipe[0] = -1;
  }
  check(spawned, "posix_spawn");
  if (out == Stdout::kSlowNonBlocking) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }

  ToolRun run;
  drain(outPipe[0], errPipe[0], &run.out, &run.err);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) checkErrno(-1, "waitpid");
  }
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}
