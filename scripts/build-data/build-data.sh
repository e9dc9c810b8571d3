#!/usr/bin/env bash
# Builds the data set from the free dictionaries when it is missing:
#   scripts/build-data/build-data.sh BUILD_DIR [--full]
# writes the readable sources into BUILD_DIR/data-build/sources and reconfigures the
# build so that the next build compiles them into the program folder. --full lists
# every form of the morphological sources, not only the forms of headwords, and
# always rebuilds.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:?usage: build-data.sh BUILD_DIR [--full]}"
full="${2:-}"
out="$build/data-build"

if [ -z "$full" ] && [ -f "$out/sources/frpol2.sg.txt" ] && [ -f "$out/sources/pol2.so.txt" ] &&
   [ -f "$out/sources/franc2.sdt.txt" ]; then
  echo "[data] already built in $out/sources (remove it to rebuild)"
  exit 0
fi

"$root/scripts/install-deps.sh" --data
mkdir -p "$out"
python3 "$here/build_data.py" --out "$out" --core "$root/data" ${full:+--full}
echo "[data] reconfiguring so that the build compiles the new sources"
cmake -S "$root" -B "$build" > /dev/null
