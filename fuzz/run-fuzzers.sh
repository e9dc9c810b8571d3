#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build one after the other, each for SECONDS,
# on its seed corpus (fuzz/corpus/NAME, never written) and the corpus it grows
# (BUILD/corpus/NAME), then prints a table: executions, corpus size and findings (the
# crash-, timeout-, leak- and oom- files this run left in BUILD/findings/NAME).
# Usage: fuzz/run-fuzzers.sh BUILD SECONDS [NAME...]   (default: every target)
set -euo pipefail

build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in "$here"/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    names+=("${name#fuzz_}")
  done
fi

# The longest input each target is given: whole documents for the RTF reader, a
# paragraph for the engine, a line for the line readers.
max_len() {
  case $1 in
    rtf) echo 65536 ;;
    ustawienia | notatki) echo 8192 ;;
    translate | segmentacja) echo 2048 ;;
    *) echo 4096 ;;
  esac
}

report=()
for name in "${names[@]}"; do
  corpus=$build/corpus/$name
  findings=$build/findings/$name
  rm -rf "$findings" # the findings of this run only; fixed ones live on as regression tests
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len="$(max_len "$name")"
           -artifact_prefix="$findings/" -print_final_stats=1)
  [ -f "$here/$name.dict" ] && options+=(-dict="$here/$name.dict")
  log=$build/fuzz-$name.log
  echo "== fuzz_$name for ${seconds}s (log: $log)"
  status=0
  ASAN_OPTIONS=detect_leaks=1 "$build/bin/fuzz_$name" "${options[@]}" "$corpus" "$here/corpus/$name" >"$log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  size=$(find "$corpus" -type f | wc -l)
  found=$(find "$findings" -type f | wc -l)
  report+=("$(printf '%-12s %14s %8s %9s' "$name" "${runs:-?}" "$size" "$found")")
  if [ "$status" -ne 0 ]; then
    tail -40 "$log"
  fi
done

printf '\n%-12s %14s %8s %9s\n' target executions corpus findings
printf '%s\n' "${report[@]}"
# Any finding fails the run, so that `make fuzz` says so.
! find "$build/findings" -type f | grep -q .
