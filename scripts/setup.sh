#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing) and builds the targets
# named after the first argument, or everything. The first argument, ON or OFF, says whether
# warnings are errors (ON in our own test runs and CI, OFF for a user's build); it changes no
# compile command, so running one script after another rebuilds nothing already built.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core qt6-translations-l10n
          poppler-utils   # pdftotext reads the reports back in the tests
          xvfb xauth      # xvfb-run: the sanitized program in a real X window
          at-spi2-core python3-pyatspi dbus-daemon)  # what a screen reader finds, checked by AT-SPI
scripts/install-missing.sh "${packages[@]}"

warnings_as_errors=$1
shift
# A unity build compiles each library's and test program's sources as a few files, so the Qt
# headers are read a few times, not once for each source.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
      -DSOLVA_WARNINGS_AS_ERRORS="$warnings_as_errors"
cmake --build build ${1:+--target "$@"}
