# Cross-compiles for 64-bit ARM Linux with Debian's cross compiler
# (g++-aarch64-linux-gnu): cmake -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
# Tests run under qemu-user-static where it is installed.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Libraries and packages of the target only; programs of this machine.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(ROMAN_QEMU_AARCH64 qemu-aarch64-static)
if(ROMAN_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ROMAN_QEMU_AARCH64} -L /usr/aarch64-linux-gnu)
endif()
