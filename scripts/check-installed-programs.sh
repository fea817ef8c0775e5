#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and runs the installed programs the way a user does, with
# an empty home folder and no build tree beside them: the command-line report of an example, and
# (when built) the desktop program up to its welcome window. Both must seed the same per-user copy
# of the materials database from the installed, read-only one, use that copy from then on, and
# leave the installed one as it was.
# Usage: scripts/check-installed-programs.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "check-installed-programs: $*" >&2; exit 1; }
for file in bin/tidewell-cli share/tidewell/DesMat.Dat share/tidewell/examples/TitaniumTube6000m.prj \
  share/applications/org.tidewell.Tidewell.desktop share/mime/packages/tidewell.xml \
  share/metainfo/org.tidewell.Tidewell.metainfo.xml share/icons/hicolor/scalable/apps/tidewell.svg \
  share/icons/hicolor/48x48/apps/tidewell.png share/man/man1/tidewell-cli.1.gz; do
  [ -e "$prefix/$file" ] || fail "$file was not installed"
done
# The desktop files pass their validators where these are installed.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.tidewell.Tidewell.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.tidewell.Tidewell.metainfo.xml" >/dev/null ||
    fail "$(appstreamcli validate --no-net "$prefix/share/metainfo/org.tidewell.Tidewell.metainfo.xml")"
fi
[ ! -e "$prefix/bin/DesMat.Dat" ] || fail "the materials database was installed beside the programs"
installed_sum=$(cksum <"$prefix/share/tidewell/DesMat.Dat")

# Away from the build tree, with a home folder that holds nothing.
mkdir "$scratch/home" "$scratch/elsewhere"
cd "$scratch/elsewhere"
user_env=(env -i PATH="$PATH" HOME="$scratch/home" LANG=C.UTF-8 SOURCE_DATE_EPOCH=0)
user_copy=$scratch/home/.local/share/Tidewell/Tidewell/DesMat.Dat

if [ -x "$prefix/bin/tidewell" ]; then
  # The desktop program ends by itself once its welcome window is painted.
  "${user_env[@]}" QT_QPA_PLATFORM=offscreen TIDEWELL_STARTUP_PROBE=1 \
    timeout 60 "$prefix/bin/tidewell" >"$scratch/desktop.out" 2>&1 ||
    fail "the installed desktop program did not start: $(cat "$scratch/desktop.out")"
  grep -q "splash shown" "$scratch/desktop.out" || fail "the desktop program showed no welcome window"
  [ -f "$user_copy" ] || fail "the desktop program made no per-user materials database"
  rm "$user_copy"
fi

"${user_env[@]}" "$prefix/bin/tidewell-cli" report \
  "$prefix/share/tidewell/examples/TitaniumTube6000m.prj" >"$scratch/report.txt" ||
  fail "the installed tidewell-cli could not report the example"
grep -q "Ti-6Al-4V Annealed" "$scratch/report.txt" || fail "the report does not name the material"
[ -f "$user_copy" ] || fail "tidewell-cli made no per-user materials database"
cmp -s "$user_copy" "$prefix/share/tidewell/DesMat.Dat" || fail "the per-user copy differs"

# From now on the per-user copy is the database: emptied, it lists nothing and is not seeded again.
: >"$user_copy"
listed=$("${user_env[@]}" "$prefix/bin/tidewell-cli" materials)
[ -z "$listed" ] || fail "the programs read another database than the per-user copy"
[ ! -s "$user_copy" ] || fail "the per-user copy was seeded a second time"
[ "$(cksum <"$prefix/share/tidewell/DesMat.Dat")" = "$installed_sum" ] ||
  fail "the installed materials database was changed"
echo "check-installed-programs: the installed programs work from their per-user folder."
