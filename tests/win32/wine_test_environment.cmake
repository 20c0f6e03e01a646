# The environment every Wine test runs in, prepared by the fixture test
# "wine_environment_setup" (tests/win32/test-environment).

set(MORVANE_TEST_DISPLAY ":71" CACHE STRING "X display of the Wine tests (an Xvfb is started on it when none answers)")
set(MORVANE_TEST_ENV_DIR "${CMAKE_BINARY_DIR}/test-env" CACHE PATH "Folder of the Wine test environment")

# The capture queues are the machine's: two checkouts that test at the same
# time need queues and displays of their own.
set(MORVANE_TEST_PRINTER "MorvaneTestCapture" CACHE STRING "First capture queue of the Wine tests, made the default printer")
set(MORVANE_TEST_PRINTER2 "MorvaneTestCapture2" CACHE STRING "Second capture queue of the Wine tests")
# A name the ANSI code page (1252) cannot hold: Ł is U+0141.
set(MORVANE_TEST_PRINTER3 "MorvaneTestCaptureŁ" CACHE STRING "Third capture queue of the Wine tests, its name outside the code page")
set(MORVANE_TEST_PREFIX "${MORVANE_TEST_ENV_DIR}/prefix")
set(MORVANE_TEST_CAPTURES "${MORVANE_TEST_ENV_DIR}/captures")
set(MORVANE_TEST_PORTS "${MORVANE_TEST_ENV_DIR}/ports")
# Test programs with these file names see the Windows 95 family.
set(MORVANE_95_FAMILY_PROGRAMS "morvane_win32_tests_95.exe")

# The 64-bit build runs under Wine's 64-bit loader, the 32-bit build under
# the "wine" of scripts/wine32, which takes qemu's i386 emulator where the
# kernel runs no 32-bit code; each is found first on PATH.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(MORVANE_WINE_ARCH win64)
  set(MORVANE_WINE_PATH "${PROJECT_SOURCE_DIR}/scripts/wine64:$ENV{PATH}")
else()
  set(MORVANE_WINE_ARCH win32)
  set(MORVANE_WINE_PATH "${PROJECT_SOURCE_DIR}/scripts/wine32:$ENV{PATH}")
endif()

set(MORVANE_WINE_TEST_ENVIRONMENT
    "DISPLAY=${MORVANE_TEST_DISPLAY}"
    "PATH=${MORVANE_WINE_PATH}"
    "WINEPREFIX=${MORVANE_TEST_PREFIX}"
    "WINEARCH=${MORVANE_WINE_ARCH}"
    "MORVANE_WINE_ARCH=${MORVANE_WINE_ARCH}"
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml="
    "MORVANE_TEST_ENV=${MORVANE_TEST_ENV_DIR}"
    "MORVANE_TEST_PRINTER=${MORVANE_TEST_PRINTER}"
    "MORVANE_TEST_PRINTER2=${MORVANE_TEST_PRINTER2}"
    "MORVANE_TEST_PRINTER3=${MORVANE_TEST_PRINTER3}"
    "MORVANE_TEST_CAPTURES=${MORVANE_TEST_CAPTURES}"
    "MORVANE_TEST_PORTS=${MORVANE_TEST_PORTS}"
    "MORVANE_95_FAMILY_PROGRAMS=${MORVANE_95_FAMILY_PROGRAMS}")

# morvane_wine_test(NAME TIMEOUT [VARIABLE=VALUE...]): the test NAME runs in
# the Wine test environment, with these further environment variables, one
# Wine test at a time. Its label is its group, by which scripts/test chooses
# the tests of a level: "win32" for the Windows integration tests,
# "e2e.MODULE" for the end-to-end tests of test_MODULE.py.
function(morvane_wine_test name timeout)
  # The 32-bit build may run under qemu's i386 emulator, several times slower:
  # its bound against a hang stretches with it.
  if(MORVANE_WINE_ARCH STREQUAL "win32")
    math(EXPR timeout "${timeout} * 4")
  endif()
  string(REGEX MATCH "^(win32|e2e\\.[a-z0-9_]+)" group "${name}")
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_environment
    RESOURCE_LOCK wine_test_prefix
    LABELS "${group}"
    ENVIRONMENT "${MORVANE_WINE_TEST_ENVIRONMENT};${ARGN}"
    TIMEOUT ${timeout})
endfunction()
