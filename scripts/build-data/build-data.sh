#!/usr/bin/env bash
# Builds the data set from the free dictionaries when it is missing or out of date:
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

# The sources are rebuilt when the pipeline, its tables, the hand-made core or an
# installed dictionary or text package changed since they were written.
inputs_hash() {
  (cd "$root" && cat scripts/build-data/*.py scripts/build-data/*.txt data/*.txt
   dpkg-query -W 'dict-freedict-*' fortunes-pl 'manpages-fr' 'manpages-pl' 'libreoffice-help-fr' \
     'libreoffice-help-pl' debian-reference-fr hunspell-fr verbiste wamerican 2>/dev/null || true) |
    sha256sum | cut -d' ' -f1
}
stamp="$out/sources/INPUTS"
if [ -z "$full" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(inputs_hash)" ]; then
  echo "[data] up to date in $out/sources"
  exit 0
fi

"$root/scripts/install-deps.sh" --data
mkdir -p "$out"
python3 "$here/build_data.py" --out "$out" --core "$root/data" ${full:+--full}
inputs_hash > "$stamp"
echo "[data] reconfiguring so that the build compiles the new sources"
cmake -S "$root" -B "$build" > /dev/null
