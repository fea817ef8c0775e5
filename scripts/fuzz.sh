#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the project-file reader: builds its libFuzzer target with clang under AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, then runs it for 30 seconds (FUZZ_SECONDS) on the
# seed corpus of tests/fuzz/corpus. Exits non-zero on a crash, a hang or a sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ is not installed: fuzzing skipped."
  exit 0
fi

build=build-fuzz
seconds=${FUZZ_SECONDS:-30}
jobs=${FUZZ_JOBS:-2}
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DTIDEWELL_FUZZ=ON -DTIDEWELL_BUILD_UI=OFF -DTIDEWELL_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" >/dev/null
cmake --build "$build" --target project_reader_fuzz -j"$jobs"

# New inputs go to a scratch folder so that the committed seed corpus stays as it is.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/fuzz-artifacts"

UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$build/bin/project_reader_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=16384 -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
  "$scratch" tests/fuzz/corpus
echo "Fuzzing found nothing in $seconds seconds."
