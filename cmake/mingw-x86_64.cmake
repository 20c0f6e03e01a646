# The same program for 64-bit Windows, tested under Wine on every machine:
# a fault of the 64-bit build shows there (the program is the 32-bit build).
set(MORVANE_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)

# ctest runs the Windows test programs under Wine's 64-bit loader.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine64/wine)
