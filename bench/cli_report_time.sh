#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process time of `tidewell-cli report` on an example project: the median of several runs,
# each from process start to exit, output discarded. Target: under 10 ms per run.
#
#   bench/cli_report_time.sh [BUILD_DIR] [RUNS] [PROJECT]
#
# BUILD_DIR defaults to build, RUNS to 31, PROJECT to the titanium tube example. Exits 1 when
# the median misses the target, 2 when the program cannot be run.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
runs=${2:-31}
project=${3:-data/examples/TitaniumTube6000m.prj}
target_ms=10
cli="$build_dir/bin/tidewell-cli"

if [ ! -x "$cli" ]; then
  echo "No $cli: build the tidewell-cli target first." >&2
  exit 2
fi
if ! [[ "$runs" =~ ^[0-9]+$ ]] || [ "$runs" -lt 1 ] || [ "$runs" -gt 10000 ]; then
  echo "RUNS must be a whole number from 1 to 10000." >&2
  exit 2
fi
if ! "$cli" report "$project" >/dev/null 2>&1; then
  echo "$cli report $project failed:" >&2
  "$cli" report "$project" >/dev/null || true
  exit 2
fi

# Wall and processor time (user + system) of each run, from bash's own time keyword, so no extra
# process is timed with the program. On a busy machine the wall time also holds the waits for a
# processor; the processor time is what the program itself spends.
export SOURCE_DATE_EPOCH=0
TIMEFORMAT='%3R %3U %3S'
to_us() { local v=$1; echo $(( 10#${v%.*} * 1000000 + 10#${v#*.} * 1000 )); }
walls=()
cpus=()
baseline=()
for ((i = 0; i < runs; i++)); do
  read -r real user sys < <({ time "$cli" report "$project" >/dev/null 2>&1; } 2>&1)
  walls+=("$(to_us "$real")")
  cpus+=($(( $(to_us "$user") + $(to_us "$sys") )))
  # The cost of starting any process at this moment, for comparison.
  read -r real user sys < <({ time /bin/true; } 2>&1)
  baseline+=("$(to_us "$real")")
done

median() {
  local sorted
  sorted=($(printf '%s\n' "$@" | sort -n))
  local n=${#sorted[@]}
  if ((n % 2 == 1)); then
    echo "${sorted[n / 2]}"
  else
    echo $(((sorted[n / 2 - 1] + sorted[n / 2]) / 2))
  fi
}
ms() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

median_us=$(median "${walls[@]}")
cpu_us=$(median "${cpus[@]}")
sorted_walls=($(printf '%s\n' "${walls[@]}" | sort -n))
min_us=${sorted_walls[0]}
baseline_us=$(median "${baseline[@]}")

printf 'tidewell-cli report %s, %d runs: median wall %s ms (fastest %s ms), median processor time %s ms; target < %d ms\n' \
  "$project" "$runs" "$(ms "$median_us")" "$(ms "$min_us")" "$(ms "$cpu_us")" "$target_ms"
printf 'for comparison, starting /bin/true: median wall %s ms\n' "$(ms "$baseline_us")"

if ((median_us >= target_ms * 1000)); then
  echo "The median misses the target." >&2
  exit 1
fi
