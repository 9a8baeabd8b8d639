// roman: prints the Roman numeral of every whole number in a range.

#include <unistd.h>

#include <thread>

#include "cli/app.h"

int main(int argc, char** argv) {
  // Read once, before any argument; 0 when the platform cannot tell.
  const unsigned processors = std::thread::hardware_concurrency();
  return runTool(argc, argv, processors, STDOUT_FILENO);
}
