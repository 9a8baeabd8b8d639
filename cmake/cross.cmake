# Cross-compiles for a processor of cmake/targets.txt with Debian's cross
# compiler (g++-TRIPLET):
#   cmake -DROMAN_TARGET=riscv64 -DCMAKE_TOOLCHAIN_FILE=cmake/cross.cmake
# Tests run under qemu-user-static where it is installed.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROMAN_TARGET)
include(${CMAKE_CURRENT_LIST_DIR}/targets.cmake)
roman_target_row("${ROMAN_TARGET}" row)
if(NOT ROMAN_TARGET OR NOT row)
  message(FATAL_ERROR "ROMAN_TARGET must name a processor of targets.txt")
endif()
list(GET row 2 triplet)
list(GET row 3 qemu)

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${ROMAN_TARGET})
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)

# Libraries and packages of the target only; programs of this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(ROMAN_QEMU qemu-${qemu}-static)
if(ROMAN_QEMU)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ROMAN_QEMU} -L /usr/${triplet})
endif()
