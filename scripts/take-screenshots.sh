#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs the program's windows for the manual and the README from the real program on a
# virtual display: the end-to-end sessions run with TIDEWELL_SCREENSHOTS set, and the pictures go
# to data/help/ (bundled into the program's help).
# Usage: scripts/take-screenshots.sh [BUILD_DIR, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target e2e_scenarios
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
TIDEWELL_SCREENSHOTS=$shots scripts/on-display.sh "$build/bin/e2e_scenarios" >/dev/null
for name in welcome disclaimer design-form materials body-editor results results-fit; do
  cp "$shots/$name.png" "data/help/tutorial-$name.png"
done
echo "take-screenshots: pictures written to data/help/."
