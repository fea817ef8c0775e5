#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test: first the core alone under
# AddressSanitizer and UndefinedBehaviorSanitizer (no Qt), then the whole program.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

# Compiler cache: objects are named by content relative to this folder, so a fresh clone elsewhere
# reuses what an earlier build of the same sources compiled.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi

echo "== Core under sanitizers (build-asan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DTIDEWELL_SANITIZE=ON \
  -DTIDEWELL_BUILD_UI=OFF -DTIDEWELL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Whole program (build)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
scripts/check-install-list.sh build
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ -x scripts/fuzz.sh ]; then
  echo "== Fuzzing"
  scripts/fuzz.sh
fi

echo "All tests passed."
