#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug info), reusing an existing tree.
# ccache, when installed, keeps compiled objects across build folders and clean clones: paths
# are hashed relative to the tree, so another checkout of the same sources hits the cache.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build build -j "$(nproc)"
