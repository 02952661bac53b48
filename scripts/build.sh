#!/usr/bin/env bash
# Configures and builds into build/ (two compile jobs: the machines have two cores). Uses
# ccache when it is installed; nothing requires it. Extra arguments name the targets to build.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
if [ $# -gt 0 ]; then
    cmake --build build -j "${QUAYLIN_JOBS:-2}" --target "$@"
else
    cmake --build build -j "${QUAYLIN_JOBS:-2}"
fi
