#!/usr/bin/env bash
# Sets up, builds and runs every test; checks the Debian package (scripts/check-package.sh)
# and what a screen reader gets (scripts/accessibility-check.sh);
# then builds the tests and the program again in build-asan with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any finding fails its test, and runs the sanitized program
# in a real X window without a D-Bus session, as CI runs it; then builds and tests for Windows
# (scripts/windows.sh) when a Qt for Windows is available.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/phase.sh
phase "set-up and build"
scripts/setup.sh ON
phase "tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
phase "package checks"
scripts/check-package.sh build
phase "screen reader check"
scripts/accessibility-check.sh build/app/solva-tx

phase "sanitizer build"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
      -DCMAKE_UNITY_BUILD=ON -DSOLVA_SANITIZE=ON -DSOLVA_WARNINGS_AS_ERRORS=ON \
      -DSOLVA_BUILD_BENCH=OFF -DSOLVA_BUILD_DOCS=OFF  # the tests and the program only
cmake --build build-asan
phase "sanitizer tests"
cd build-asan
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
    UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# libdbus keeps a block of its failed look for a session bus: the one report suppressed.
env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM \
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=../scripts/lsan-suppressions.txt \
    xvfb-run -a app/solva-tx --screenshot "$(mktemp -d)/start.png" > /dev/null

# Then the Windows build and its tests under Wine, whenever a Qt for Windows is at hand.
phase
cd .. && scripts/windows.sh --if-available
