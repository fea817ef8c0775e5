#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the desktop program: from process start to the splash window painted, over
# several runs under a virtual X server. Usage: bench/startup_time.sh [path/to/tidewell] [runs]
# The program prints one line once the splash is painted when TIDEWELL_STARTUP_PROBE is set.
set -euo pipefail
cd "$(dirname "$0")/.."

exe=${1:-build/bin/tidewell}
runs=${2:-9}
if [ ! -x "$exe" ]; then
  echo "no executable at $exe (build the desktop program first)" >&2
  exit 2
fi

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

# Runs the program once and prints the milliseconds from launch to the probe's line.
one_run() {
  local start end line
  start=$(date +%s%N)
  exec 3< <(DISPLAY=$display QT_QPA_PLATFORM=xcb TIDEWELL_STARTUP_PROBE=1 \
            XDG_CONFIG_HOME="$scratch" XDG_DATA_HOME="$scratch" timeout 20 "$exe" 2>/dev/null)
  if ! read -r line <&3; then
    echo "the program ended without showing its splash" >&2
    exit 1
  fi
  end=$(date +%s%N)
  # The program ends by itself after the line; read on to its end so no run overlaps the next.
  cat <&3 >/dev/null
  exec 3<&-
  echo $(( (end - start) / 1000000 ))
}

scratch=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
one_run >/dev/null  # warm the file cache
times=()
for _ in $(seq 1 "$runs"); do
  times+=("$(one_run)")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(printf '%s\n' "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "start-up to splash shown, $runs runs (ms): $(echo "$sorted" | tr '\n' ' ')"
echo "median: ${median} ms  (target: under 500 ms)"
