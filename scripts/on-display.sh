#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program on a virtual X display with a window manager, as a user's desktop has it.
# Exits 77 (ctest's "skipped") with a clear line when Xvfb or the window manager is missing.
# Usage: scripts/on-display.sh PROGRAM [ARGUMENTS]
set -euo pipefail
for tool in xvfb-run openbox; do
  if ! command -v "$tool" >/dev/null; then
    echo "on-display: $tool is not installed: the end-to-end scenarios are skipped." >&2
    exit 77
  fi
done
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  manager=$!
  sleep 1
  status=0
  "$@" || status=$?
  kill "$manager" 2>/dev/null || true
  exit "$status"' on-display "$@"
