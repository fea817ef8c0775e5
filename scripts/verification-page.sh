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

# The collapse estimate of a project where it is assessed, else nothing.
estimate() {
  "$cli" report --collapse --digits 8 "data/verification/$1.prj" 2>/dev/null |
    awk '/^\tEstimate : / { print $3; exit }'
}
# The governing failure pressure: the number of the "Failure Mode:" line.
governing() {
  "$cli" report --digits 8 "data/verification/$1.prj" 2>/dev/null |
    awk '/^Failure Mode:/ { for (i = 1; i <= NF; i++) if ($i == "at") { print $(i + 1); exit } }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
number() { awk -v v="$1" 'BEGIN { printf "%.5g", v }'; }

# The textbook cases under external pressure gain the estimate.
textbook_estimates="$work/estimates.html"
: >"$textbook_estimates"
while IFS=$'\t' read -r project _; do
  case "$project" in '#'* | '') continue ;; esac
  value=$(estimate "$project")
  [ -n "$value" ] || continue
  grep -q "<td>$project</td>" "$textbook_estimates" && continue
  echo "<tr><td>$project</td><td>$(number "$(governing "$project")") psi</td><td>$(number "$value") psi</td></tr>" >>"$textbook_estimates"
done <"$cases"

# The published pressure tests: each part with both methods; a housing counts by its lowest part.
experiments=data/verification/experiments.tsv
failed="$work/failed.html" survived="$work/survived.html" housings="$work/housings.tsv"
: >"$failed"; : >"$survived"; : >"$housings"
tested=0
while IFS=$'\t' read -r id project component observed kind housing source; do
  case "$id" in '#'* | '') continue ;; esac
  program=$(governing "$project")
  collapse=$(estimate "$project")
  if [ -z "$program" ] || [ -z "$collapse" ]; then
    echo "verification-page: no value for $project" >&2
    exit 1
  fi
  tested=$((tested + 1))
  inputs=$(sed -n '3p' "data/verification/$project.prj" | tr -d '\r')
  row="<tr><td>$id</td><td>$(echo "$component" | escape)<br><small>$(echo "$source" | escape)</small></td>"
  row+="<td>$(echo "$inputs" | escape)<br><code>$project.prj</code></td><td>$(number "$observed") psi</td>"
  row+="<td>$(number "$program") psi</td><td>$(ratio "$program" "$observed")</td>"
  row+="<td>$(number "$collapse") psi</td><td>$(ratio "$collapse" "$observed")</td></tr>"
  if [ "$kind" = failed ]; then echo "$row" >>"$failed"; else echo "$row" >>"$survived"; fi
  printf '%s\t%s\t%s\t%s\t%s\n' "$housing" "$kind" "$observed" "$program" "$collapse" >>"$housings"
done <"$experiments"
housing_rows=$(awk -F'\t' '$2 == "failed" {
    if (!($1 in p) || $4 < p[$1]) p[$1] = $4
    if (!($1 in c) || $5 < c[$1]) c[$1] = $5
    o[$1] = $3; if (!($1 in seen)) { seen[$1] = 1; order[++n] = $1 } }
  END { for (i = 1; i <= n; i++) { h = order[i]
    printf "<tr><td>%s</td><td>%.5g psi</td><td>%.5g psi</td><td>%.2f</td><td>%.5g psi</td><td>%.2f</td></tr>\n",
      h, o[h], p[h], p[h] / o[h], c[h], c[h] / o[h] } }' "$housings")
unsafe=$(awk -F'\t' '$2 == "failed" { if (!($1 in c) || $5 < c[$1]) c[$1] = $5; o[$1] = $3 }
  END { for (h in c) if (c[h] > o[h]) print h }' "$housings")
if [ -n "$unsafe" ]; then
  echo "verification-page: the collapse estimate is above the observed failure of $unsafe" >&2
  exit 1
fi

version=$("$cli" --version)
{
  cat data/verification/page-head.html
  echo "<p>Built by <code>scripts/verification-page.sh</code> with $version from the $count cases of"
  echo "<code>data/verification/</code>.</p>"
  echo "<table>"
  echo "<tr><th>#</th><th>Quantity</th><th>Inputs</th><th>Published (formula, source)</th><th>Published value</th><th>Tidewell</th><th>Ratio</th></tr>"
  cat "$rows"
  echo "</table>"
  echo "<h3>The collapse estimate of the textbook cases under external pressure</h3>"
  echo "<table><tr><th>Project</th><th>Governing failure pressure</th><th>Collapse estimate</th></tr>"
  cat "$textbook_estimates"
  echo "</table>"
  cat data/verification/experiments-head.html
  echo "<p>$tested parts of the published tests in <code>data/verification/experiments.tsv</code>."
  echo "Ratios are the program's figure divided by the observed pressure.</p>"
  echo "<h3>Parts that failed</h3>"
  echo "<table><tr><th>Case</th><th>Part and source</th><th>Inputs</th><th>Observed</th><th>Governing failure pressure</th><th>Ratio</th><th>Collapse estimate</th><th>Ratio</th></tr>"
  cat "$failed"
  echo "</table>"
  echo "<h3>Each failed housing by its lowest part</h3>"
  echo "<table><tr><th>Housing</th><th>Observed</th><th>Governing failure pressure</th><th>Ratio</th><th>Collapse estimate</th><th>Ratio</th></tr>"
  echo "$housing_rows"
  echo "</table>"
  echo "<h3>Parts that survived their test</h3>"
  echo "<p>The pressure is only a lower bound of the real failure: a ratio below 1 is conservative, one above 1 says nothing.</p>"
  echo "<table><tr><th>Case</th><th>Part and source</th><th>Inputs</th><th>Tested to</th><th>Governing failure pressure</th><th>Ratio</th><th>Collapse estimate</th><th>Ratio</th></tr>"
  cat "$survived"
  echo "</table>"
  cat data/verification/page-tail.html
} >"$work/page.html"
mv "$work/page.html" "$output"
echo "verification-page: $count closed-form cases and $tested tested parts written to $output"
