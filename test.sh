#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test without a display. Fuzzing is not part
# of it: .ci/run adds the short fuzz runs, fuzz/run_fuzzers.sh the long ones.
set -euo pipefail
cd "$(dirname "$0")"
scripts/packages.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)"
