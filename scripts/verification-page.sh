#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the manual's verification page, data/help/verification.html, from the cases in
# data/verification/cases.tsv: each case's project is analysed by tidewell-cli and the value the
# program shows is set beside the published one. Run it after every change to the analysis and
# before every release.
#
#   scripts/verification-page.sh [TIDEWELL_CLI] [OUTPUT]
#
# TIDEWELL_CLI defaults to build/bin/tidewell-cli, OUTPUT to data/help/verification.html.
set -euo pipefail
cd "$(dirname "$0")/.."

cli=${1:-build/bin/tidewell-cli}
output=${2:-data/help/verification.html}
cases=data/verification/cases.tsv
if [ ! -x "$cli" ]; then
  echo "No $cli: build the tidewell-cli target first." >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The value the program shows: a cell of the first table row (1000 psi) found by its column
# title, or the number of a failure caption found by its start. Magnitudes: signs only say
# tension or compression.
program_value() {
  local project=$1 where=$2
  case "$where" in
    cell:*)
      "$cli" table --csv --digits 8 "data/verification/$project.prj" 2>/dev/null |
        awk -v title="${where#cell:}" -F',' '
          NR == 1 { for (i = 1; i <= NF; i++) if ($i == title) column = i }
          NR == 3 { v = $column; sub(/^-/, "", v); print v; exit }'
      ;;
    fail:*)
      "$cli" report --digits 8 "data/verification/$project.prj" 2>/dev/null |
        awk -v prefix="${where#fail:}" '
          index($0, prefix) { s = substr($0, index($0, prefix) + length(prefix));
                              split(s, w, " "); print w[1]; exit }'
      ;;
  esac
}

escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }

rows="$work/rows.html"
: >"$rows"
count=0
while IFS=$'\t' read -r project quantity where published unit formula source; do
  case "$project" in '#'* | '') continue ;; esac
  value=$(program_value "$project" "$where")
  if [ -z "$value" ]; then
    echo "verification-page: no value for $project ($where)" >&2
    exit 1
  fi
  inputs=$(sed -n '3p' "data/verification/$project.prj" | tr -d '\r')
  ratio=$(awk -v a="$value" -v b="$published" 'BEGIN { printf "%.4f", a / b }')
  count=$((count + 1))
  {
    echo "<tr><td>$count</td><td>$(echo "$quantity" | escape)</td>"
    echo "<td>$(echo "$inputs" | escape)<br><code>$project.prj</code></td>"
    echo "<td>$(echo "$formula" | escape)<br><small>$(echo "$source" | escape)</small></td>"
    echo "<td>$(awk -v v="$published" 'BEGIN { printf "%.6g", v }') $unit</td>"
    echo "<td>$(awk -v v="$value" 'BEGIN { printf "%.6g", v }') $unit</td><td>$ratio</td></tr>"
  } >>"$rows"
done <"$cases"

version=$("$cli" --version)
{
  cat data/verification/page-head.html
  echo "<p>Built by <code>scripts/verification-page.sh</code> with $version from the $count cases of"
  echo "<code>data/verification/</code>.</p>"
  echo "<table>"
  echo "<tr><th>#</th><th>Quantity</th><th>Inputs</th><th>Published (formula, source)</th><th>Published value</th><th>Tidewell</th><th>Ratio</th></tr>"
  cat "$rows"
  echo "</table>"
  cat data/verification/page-tail.html
} >"$work/page.html"
mv "$work/page.html" "$output"
echo "verification-page: $count cases written to $output"
