#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation testing of the core: makes single-point changes ("mutants") to the sources of
# units/ analysis/ materials/ project/ report/, builds each and runs the core tests on it. A mutant
# the tests fail on is killed; one they pass on marks a fault the tests would miss.
#
# The list of mutants depends only on the seed and on the sources, so runs before and after a
# change to the tests are comparable. The working tree is never touched: the tree is copied to a
# scratch folder at start, mutants are made in the copy, and the copy is removed on exit.
#
# Usage: scripts/mutate.sh [--ui] [-n COUNT] [-s SEED] [-o RESULTS] [-i IDS_FILE] [-r REV] [-j JOBS]
#   -n  number of mutants (default 220)
#   -s  seed (default: a fresh one, printed, so that a run can be repeated)
#   --ui  also build the windows and run their tests offscreen after the core tests: a mutant of
#       the core that only a window test catches counts as killed
#   -o  results file (default mutants.txt)       -i  run only the mutant ids listed in this file
#   -r  mutate the tree of this git revision instead of the working tree
#   -j  build jobs (default 2)                   -l  only list the mutants (JSON lines)
# Each line of the results: id, file:line, operator, outcome (killed, survived, did not compile,
# timed out) and, for a killed mutant, the test program and the failing tests. The last line is the
# score: killed and timed out against all that compiled.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

count=220
# A fresh seed each run: a suite judged again and again on one fixed sample fits that sample.
seed=$(od -An -N3 -tu4 /dev/urandom | tr -d ' ')
ui=0
args=()
for arg in "$@"; do
  if [ "$arg" = --ui ]; then ui=1; else args+=("$arg"); fi
done
set -- "${args[@]+"${args[@]}"}"
results=mutants.txt
only=""
jobs=2
list_only=0
rev=""
while getopts "n:s:o:i:r:j:l" opt; do
  case $opt in
    n) count=$OPTARG ;;
    s) seed=$OPTARG ;;
    o) results=$OPTARG ;;
    i) only=$(realpath "$OPTARG") ;;
    j) jobs=$OPTARG ;;
    l) list_only=1 ;;
    r) rev=$OPTARG ;;
    *) exit 2 ;;
  esac
done
case $results in /*) ;; *) results="$repo/$results" ;; esac
echo "seed $seed" >&2

# The scratch folder is the first free one of a few fixed names: the test programs have the
# source path compiled in, so a run in the same place as an earlier one finds them in ccache.
scratch=""
for slot in 1 2 3 4 5 6 7 8 9; do
  if mkdir "${TMPDIR:-/tmp}/tidewell-mutate.$slot" 2>/dev/null; then
    scratch="${TMPDIR:-/tmp}/tidewell-mutate.$slot"
    break
  fi
done
[ -n "$scratch" ] || scratch=$(mktemp -d "${TMPDIR:-/tmp}/tidewell-mutate.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM
src=$scratch/src
build=$scratch/build
pristine=$scratch/pristine
mkdir -p "$src" "$pristine" "$scratch/tmp"

# The copy: every file git knows or would add, as it is in the working tree now, or a revision.
if [ -n "$rev" ]; then
  git archive "$rev" | tar -xf - -C "$src"
else
  git ls-files -co --exclude-standard -z | tar --null -T - -cf - | tar -xf - -C "$src"
fi

# Lists the mutants as JSON lines: id, file, line, operator, mutated text of the line.
python3 - "$src" "$seed" "$count" >"$scratch/mutants.jsonl" <<'PY'
import json, os, random, re, sys

root, seed, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
folders = ["units", "analysis", "materials", "project", "report"]

def mask(line):
    """The line with string and character literals and a trailing // comment blanked out."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("__"); i += 2; continue
            out.append(c if c == quote else "_")
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c; out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i)); break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)].ljust(len(line))

SWAPS = {"arith": [(" + ", " - "), (" - ", " + "), (" * ", " / "), (" / ", " * ")],
         "bound": [(" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > ")]}
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\.\d+|\d+)([eE][+-]?\d+)?(?![\w.])")
DECLARATION = re.compile(r"^(const |static |auto|unsigned |[A-Za-z_][\w:]*(<[^;]*>)?[&*]? +[&*]?[A-Za-z_])")
STATEMENT = re.compile(r"^[A-Za-z_][\w:]*(\.|->|\[|\(| =| \+=| -=| \*=| /=|\+\+|--)")

def closing(text, start):
    depth = 0
    for k in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[k], 0)
        if depth == 0:
            return k
    return -1

def candidates(path, lines):
    in_block, previous = False, ";"
    for n, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_block:
            in_block = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("//") or stripped.startswith("#"):
            continue
        m = mask(line)
        for op, pairs in SWAPS.items():
            for a, b in pairs:
                for hit in re.finditer(re.escape(a), m):
                    k = hit.start()
                    yield n, op, line[:k] + b + line[k + len(a):]
        for hit in re.finditer(r"\b(if|while) \(", m):
            k = hit.end() - 1
            end = closing(m, k)
            if end > 0:
                yield n, "negate", line[:k + 1] + "!(" + line[k + 1:end] + ")" + line[end:]
        for hit in NUMBER.finditer(m):
            text = hit.group(0)
            if "." in text or hit.group(2):
                value = float(text) * 1.01
                if value != 0:
                    yield n, "literal*1.01", line[:hit.start()] + repr(value) + line[hit.end():]
            digits = [k for k, c in enumerate(hit.group(1)) if c.isdigit()]
            k = hit.start() + digits[-1]
            yield n, "literal digit", line[:k] + str((int(line[k]) + 1) % 10) + line[k + 1:]
        body = m.strip()
        starts = previous.endswith((";", "{", "}")) or previous.endswith(":")
        if body.endswith(";") and starts and body.count("(") == body.count(")"):
            if body.startswith("return ") and body != "return {};":
                yield n, "return value", line[: len(line) - len(line.lstrip())] + "return {};"
            elif STATEMENT.match(body) and not DECLARATION.match(body):
                yield n, "delete statement", line[: len(line) - len(line.lstrip())] + ";"
        previous = m.rstrip() or previous

pool = []
for folder in folders:
    for name in sorted(os.listdir(os.path.join(root, folder))):
        if name.endswith(".cpp"):
            rel = folder + "/" + name
            with open(os.path.join(root, rel), encoding="utf-8", errors="surrogateescape") as f:
                lines = f.read().split("\n")
            pool += [(rel, n, op, text) for n, op, text in candidates(rel, lines)]

chosen = random.Random(seed).sample(pool, min(count, len(pool)))
chosen.sort(key=lambda m: (folders.index(m[0].split("/")[0]), m[0], m[1]))
for i, (rel, n, op, text) in enumerate(chosen, 1):
    print(json.dumps({"id": i, "file": rel, "line": n, "op": op, "text": text}))
print(f"{len(pool)} candidate mutants, {len(chosen)} chosen", file=sys.stderr)
PY
if [ "$list_only" -eq 1 ]; then
  cat "$scratch/mutants.jsonl"
  exit 0
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths below the copy are hashed relatively, so the next run's copy hits the same cache.
  export CCACHE_BASEDIR=$scratch
fi
# Release at -O1: compiling is most of a mutant's cost, and the optimisation level does not change
# what the tests catch.
ui_option=OFF
[ "$ui" -eq 1 ] && ui_option=ON
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
  -DTIDEWELL_BUILD_UI=$ui_option -DTIDEWELL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
echo "Building the unmutated program and its tests..."
cmake --build "$build" -j"$jobs" >"$scratch/build.log" 2>&1 || {
  tail -30 "$scratch/build.log"
  echo "The unmutated tree does not build." >&2
  exit 1
}

# The test programs, in the order of the folders they test: a mutant of a folder can only be
# caught by the tests of that folder and of the folders built on it.
chain=(units analysis materials project report forms app)
programs=()
for folder in "${chain[@]}"; do
  [ -x "$build/bin/${folder}_tests" ] && programs+=("${folder}_tests")
done
# The window tests come last and are built together: they are slower, and most mutants are
# caught before them.
window_tests=()
if [ "$ui" -eq 1 ]; then
  for p in "$build"/bin/ui_*Test; do window_tests+=("$(basename "$p")"); done
fi
export QT_QPA_PLATFORM=offscreen

# Runs test program $1 with time limit $2 (0: none); the exit status is the program's.
run_program() {
  local dir=$build/tests
  case $1 in ui_*) dir=$build/tests/ui ;; esac
  (cd "$dir" && TMPDIR=$scratch/tmp timeout "${2:-0}" "$build/bin/$1" \
    $([ "${1#ui_}" = "$1" ] && echo --gtest_brief=1) >"$scratch/run.log" 2>&1)
}

# A program may run ten times as long as on the unmutated tree, plus ten seconds, before the
# mutant counts as hanging.
declare -A limit
for p in "${programs[@]}" "${window_tests[@]+"${window_tests[@]}"}"; do
  start=$(date +%s%N)
  if ! run_program "$p" 0; then
    cat "$scratch/run.log"
    echo "$p fails on the unmutated tree." >&2
    exit 1
  fi
  limit[$p]=$((($(date +%s%N) - start) / 100000000 + 10))
  echo "$p: limit ${limit[$p]} s"
done

# One mutant at a time: write the mutated line into the copy, build the first program that
# tests its folder, run the programs in order and stop at the first that fails.
run_mutant() {
  local file=$1 folder=${1%%/*} seen=0 p status
  for p in "${programs[@]}"; do
    [ "$p" = "${folder}_tests" ] && seen=1
    if [ "$seen" -eq 0 ] && [ "$p" != forms_tests ] && [ "$p" != app_tests ]; then continue; fi
    if ! cmake --build "$build" --target "$p" -j"$jobs" >"$scratch/build.log" 2>&1; then
      echo "did not compile"
      return
    fi
    run_one "$p" && return
  done
  if [ ${#window_tests[@]} -gt 0 ]; then
    if ! cmake --build "$build" --target "${window_tests[@]}" -j"$jobs" >"$scratch/build.log" 2>&1; then
      echo "did not compile"
      return
    fi
    for p in "${window_tests[@]}"; do
      run_one "$p" && return
    done
  fi
  echo "survived"
}

# Runs one built program on the mutant; prints the outcome and succeeds when the mutant is caught.
run_one() {
  local status=0
  run_program "$1" "${limit[$1]}" || status=$?
  rm -rf "${scratch:?}/tmp" && mkdir -p "$scratch/tmp"
  if [ "$status" -eq 124 ]; then
    echo "timed out $1"
  elif [ "$status" -ne 0 ]; then
    echo "killed $1: $(sed -n -e 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' \
      -e 's/^FAIL!  : \([^(]*\).*/\1/p' "$scratch/run.log" | sort -u | tr '\n' ' ')"
  else
    return 1
  fi
}

{
  echo "# seed $seed, $(wc -l <"$scratch/mutants.jsonl") mutants of the core sources$([ "$ui" -eq 1 ] && echo ", window tests too")"
} >"$results"
while IFS=$'\t' read -r -u 3 id file line op; do
  if [ -n "$only" ] && ! grep -qx "$id" "$only"; then continue; fi
  cp -p "$src/$file" "$pristine/file"
  python3 - "$scratch/mutants.jsonl" "$id" "$src" <<'PY'
import json, sys
for entry in map(json.loads, open(sys.argv[1])):
    if entry["id"] == int(sys.argv[2]):
        path = sys.argv[3] + "/" + entry["file"]
        lines = open(path, encoding="utf-8", errors="surrogateescape").read().split("\n")
        lines[entry["line"] - 1] = entry["text"]
        open(path, "w", encoding="utf-8", errors="surrogateescape").write("\n".join(lines))
PY
  outcome=$(run_mutant "$file")
  cp "$pristine/file" "$src/$file"
  touch "$src/$file"
  printf '%s\t%s:%s\t%s\t%s\n' "$id" "$file" "$line" "$op" "$outcome" | tee -a "$results"
done 3< <(python3 -c '
import json, sys
for e in map(json.loads, open(sys.argv[1])):
    print(e["id"], e["file"], e["line"], e["op"], sep="\t")' "$scratch/mutants.jsonl")

awk -F'\t' '!/^#/ {
    n++
    if ($4 ~ /^killed|^timed out/) k++
    else if ($4 ~ /^did not compile/) c++
  }
  END { printf "# score: %d killed of %d that compiled (%.1f%%); %d did not compile\n",
        k, n - c, (n - c) ? 100 * k / (n - c) : 0, c }' "$results" | tee -a "$results"
