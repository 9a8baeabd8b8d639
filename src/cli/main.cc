// roman: prints the Roman numeral of every whole number in a range.

#include <unistd.h>

#include <cerrno>
#include <thread>

#include "cli/app.h"

int main(int argc, char** argv) {
  // Read once, before any argument; 0 when the platform cannot tell. The
  // query may fail on its way to an answer (no /sys in a build chroot, say)
  // and leave that error in errno, which the messages would then show for a
  // file the user never named: errno is kept as it was.
  const int before = errno;
  const unsigned processors = std::thread::hardware_concurrency();
  errno = before;
  return runTool(argc, argv, processors, STDOUT_FILENO);
}
