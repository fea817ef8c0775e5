#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the configured build found a CMake package whose Debian package the install list
# neither names nor pulls in through hard dependencies. Such a build passes here only because
# the package happens to be installed, and fails on a fresh machine.
# Usage: scripts/check-install-list.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."

cache="${1:-build}/CMakeCache.txt"
if [ ! -f "$cache" ]; then
  echo "check-install-list: $cache not found; configure the build first." >&2
  exit 2
fi

mapfile -t listed < <(scripts/install-deps.sh --list)

# Every package the listed ones bring in: the listed names plus their Depends and Pre-Depends,
# followed all the way down (virtual packages stand for the packages that provide them).
pulled_in=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${listed[@]}" | awk '
    /^[^ ]/ { print $1; next }
    /^ *\|?(Depends|PreDepends): / { print $NF; next }
    /^    [^ ]/ { print $1 }' | tr -d '<>' | sed 's/:.*//' | sort -u)

failed=0
while IFS= read -r dir; do
  [ -d "$dir" ] || continue
  owner=$(dpkg -S "$dir"/*.cmake 2>/dev/null | head -n1 | cut -d: -f1 || true)
  if [ -z "$owner" ]; then
    echo "check-install-list: no Debian package owns $dir" >&2
    failed=1
  elif ! grep -qxF "$owner" <<<"$pulled_in"; then
    echo "check-install-list: the build uses $owner (for $dir), which scripts/install-deps.sh" \
      "neither lists nor pulls in; add it to the list." >&2
    failed=1
  fi
done < <(sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/usr\/\(lib\|share\)\/\(.*\/\)\?cmake\/.*\)$/\1/p' "$cache" | sort -u)

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "check-install-list: every CMake package the build found comes from the install list."
