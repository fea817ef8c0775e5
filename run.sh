#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program. With arguments it runs the
# command-line program instead: ./run.sh report data/examples/<name>.prj
set -euo pipefail
cd "$(dirname "$0")"

# With arguments, standard output is the command's alone (./run.sh report X.prj > report.txt):
# the installing and building say what they do on standard error.
if [ $# -gt 0 ]; then
  exec 3>&1 1>&2
fi

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

if [ $# -gt 0 ]; then
  exec 1>&3 3>&-
fi

if [ $# -gt 0 ]; then
  exec build/bin/tidewell-cli "$@"
fi
if [ -x build/bin/tidewell ]; then
  exec build/bin/tidewell
fi
if [ -x build/bin/tidewell-cli ]; then
  exec build/bin/tidewell-cli --help
fi
echo "Tidewell is built. Usage: ./run.sh (desktop program) or ./run.sh COMMAND ARGS (command line)."
