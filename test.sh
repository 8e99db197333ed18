#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")"
scripts/packages.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)"
# Short runs of the fuzz targets over the readers; a fault found fails the test run.
cd ..
fuzz/run_fuzzers.sh 60
