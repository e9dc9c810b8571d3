#!/usr/bin/env bash
# The set-up of `make fuzz`, checked cheaply so that it cannot break unnoticed: with
# the compiler and flags the Makefile names, the fuzz build configures, every fuzz_NAME.cpp is a
# target with a seed corpus, and the target sources compile together with the unit
# that once crashed Debian's clang 14. Skipped (77) when that compiler is not
# installed (`scripts/install-deps.sh --fuzz` adds it).
# Usage: fuzz/check-setup.sh SOURCE_DIR WORK_DIR
set -euo pipefail

source_dir=$1
work=$2
makefile_value() { sed -n "s/^$1 *?= *//p" "$source_dir/Makefile"; }
cc=$(makefile_value FUZZ_CC)
cxx=$(makefile_value FUZZ_CXX)
flags=$(makefile_value FUZZ_FLAGS)
if ! command -v "$cxx" >/dev/null; then
  echo "check-setup: $cxx is not installed; skipped"
  exit 77
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=$cc CXX=$cxx cmake -G Ninja -Wno-dev -S "$source_dir" -B "$work" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" -DVELMAR_FUZZ=ON -DVELMAR_SANITIZE=ON -DVELMAR_WERROR=ON -DVELMAR_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null

# Read whole: `grep -q` leaving a pipe early would fail it under pipefail.
targets=$(ninja -C "$work" -t targets all)
objects=()
for source in "$source_dir"/fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  grep -q "^$name:" <<<"$targets" || { echo "check-setup: $name is no target"; exit 1; }
  [ -n "$(ls -A "$source_dir/fuzz/corpus/${name#fuzz_}" 2>/dev/null)" ] ||
    { echo "check-setup: $name has no seed corpus in fuzz/corpus/${name#fuzz_}"; exit 1; }
  objects+=("fuzz/CMakeFiles/$name.dir/$name.cpp.o")
done
objects+=(src/core/CMakeFiles/velmar_core.dir/generators/untGenFrFunkcje.cpp.o)
ninja -C "$work" -j 2 "${objects[@]}" >/dev/null
echo "check-setup: ${#objects[@]} objects of the fuzz build compile with $cxx"
