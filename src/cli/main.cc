// roman: prints the Roman numeral of every whole number in a range.

#include <unistd.h>

#include <cerrno>
#include <thread>

#include "cli/app.h"

namespace {

// The processors online; 0 when the platform cannot tell. The query may
// fail on its way to an answer (no /sys in a build chroot, say) and leave
// that error in errno, which the messages would then show for a file the
// user never named: errno is kept as it was.
unsigned processorsOnline() {
  const int before = errno;
  const unsigned count = std::thread::hardware_concurrency();
  errno = before;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool(argc, argv, processorsOnline, STDOUT_FILENO);
}
