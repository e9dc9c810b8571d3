#!/usr/bin/env bash
# The full testvoc: every PoliMorf adjective, every verbiste verb, every hunspell-fr
# noun and adjective against the generators, compared with the committed baseline.
#   scripts/build-data/testvoc.sh BUILD_DIR
# The cases are made once into BUILD_DIR/data-build/testvoc.tsv (remove it to remake).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:?usage: testvoc.sh BUILD_DIR}"
out="$build/data-build"

"$root/scripts/install-deps.sh" --data
mkdir -p "$out"
if [ ! -f "$out/testvoc.tsv" ]; then
  python3 "$here/testvoc_cases.py" --polimorf "$out/polimorf.txt" "$out/testvoc.tsv"
fi
"$build/bin/velmar-cli" testvoc --baseline "$here/testvoc-baseline.txt" "$out/testvoc.tsv"
