# The same program for 64-bit Windows, for the Wine test levels on machines
# whose kernel runs no 32-bit code (the program itself is the 32-bit build).
set(MORVANE_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)

# ctest runs the Windows test programs under Wine's 64-bit loader.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine64/wine)
