#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file (C++, CMake, shell) lacks the licence line at its top, so a new file
# cannot slip in without it; then, where the Debian package reuse is installed and the tree is a
# git checkout, runs `reuse lint` over the whole tree.
# Usage: scripts/check-licence.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# REUSE-IgnoreStart (the texts below are looked for, not this file's own licence)
licence='SPDX-License-Identifier: GPL-3.0-or-later'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  checkout=1
  # Committed files and new ones not yet added (ignored ones, such as build folders, excepted).
  list() { git ls-files --cached --others --exclude-standard; }
else
  checkout=0
  list() { find . -path './build*' -prune -o -path './.git' -prune -o -type f -print | sed 's|^\./||'; }
fi

missing=0
while IFS= read -r file; do
  case "$file" in
    *.cpp | *.h | *.h.in | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.sh | .ci/run) ;;
    *) continue ;;
  esac
  [ -f "$file" ] || continue
  if ! head -n 5 "$file" | grep -qF "$licence"; then
    echo "check-licence: $file has no \"$licence\" line at its top" >&2
    missing=1
  fi
done < <(list)
if [ "$missing" -ne 0 ]; then
  echo "check-licence: add these two lines at the top (after a #! line), in the file's comment style:" >&2
  echo "  SPDX-FileCopyrightText: 2026 Tidewell developers" >&2
  echo "  $licence" >&2
  exit 1
fi
# REUSE-IgnoreEnd

if ! command -v reuse >/dev/null; then
  echo "check-licence: reuse is not installed; the headers are checked, reuse lint is skipped."
elif [ "$checkout" -eq 0 ]; then
  echo "check-licence: not a git checkout; the headers are checked, reuse lint is skipped."
elif ! report=$(reuse lint 2>&1); then
  echo "$report" >&2
  exit 1
fi
echo "check-licence: every source file is licensed."
