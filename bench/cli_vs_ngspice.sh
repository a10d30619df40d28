#!/usr/bin/env bash
# Times `voltaro-cli solve --json` and ngspice's batch operating point on the
# same crowded bench, each as a whole process from exec to exit, and prints
# the median of each and their ratio. Checks first that both find the same
# operating point.
#
#   bench/cli_vs_ngspice.sh [BUILD_DIR]      (default: build)
#
# RUNS (default 20) sets the number of timed runs of each program,
# VARIABLES (default 463) the bench's size, and VOLTARO_CLI another
# voltaro-cli to time (an installed one, say). ngspice is installed here when
# missing; nothing else needs it.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

build=${1:-build}
runs=${RUNS:-20}
variables=${VARIABLES:-463}

if ! command -v ngspice >/dev/null; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing ngspice"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends ngspice >/dev/null
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target voltaro-cli voltaro_solve_bench_files >/dev/null
cli=${VOLTARO_CLI:-$build/bin/voltaro-cli}
files=$build/bench/voltaro_solve_bench_files

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$files" write "$work/bench" "$variables"

"$cli" solve --json "$work/bench.ele" >"$work/voltaro.json"
ngspice -b "$work/bench.cir" >"$work/ngspice.txt" 2>&1
"$files" check "$work/bench" "$work/voltaro.json" "$work/ngspice.txt"

# Microseconds from start to exit of one run, output thrown away.
elapsed() {
  local start=${EPOCHREALTIME/./}
  "$@" >/dev/null 2>&1
  local end=${EPOCHREALTIME/./}
  echo $((end - start))
}

# Median of the numbers on standard input, in milliseconds.
median_ms() {
  sort -n | awk '{v[NR] = $1} END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.1f\n", m / 1000
  }'
}

voltaro=(solve --json "$work/bench.ele")
spice=(-b "$work/bench.cir")
# Warm the page cache for both, then take turns so that both meet the same
# load on the machine.
for _ in 1 2 3; do
  "$cli" "${voltaro[@]}" >/dev/null
  ngspice "${spice[@]}" >/dev/null 2>&1
done
: >"$work/voltaro.us"
: >"$work/ngspice.us"
for ((i = 0; i < runs; ++i)); do
  elapsed "$cli" "${voltaro[@]}" >>"$work/voltaro.us"
  elapsed ngspice "${spice[@]}" >>"$work/ngspice.us"
done
v=$(median_ms <"$work/voltaro.us")
n=$(median_ms <"$work/ngspice.us")
echo "voltaro-cli solve --json: median $v ms of $runs runs"
echo "ngspice -b (.op):         median $n ms of $runs runs"
awk -v v="$v" -v n="$n" 'BEGIN { printf "ratio voltaro-cli / ngspice: %.2f\n", v / n }'
