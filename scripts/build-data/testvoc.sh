#!/usr/bin/env bash
# The full testvoc: every PoliMorf adjective, every verbiste verb, every hunspell-fr
# noun and adjective, the fitted Polish nouns and verbs and the 2,000 most frequent
# words of each language against the tables of the generators, compared with the
# committed baseline; the frequent words not fully right are listed with their reasons
# from testvoc-exceptions.txt.
#   scripts/build-data/testvoc.sh BUILD_DIR
# The cases are made into BUILD_DIR/data-build/testvoc.tsv, again when the scripts, their
# tables or the data set's sources changed.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?usage: testvoc.sh BUILD_DIR}"
out="$build/data-build"
cases="$out/testvoc.tsv"

# the frequent words take the codes of the data set's dictionary
"$here/build-data.sh" "$build"

# the sources' stamp covers the scripts and their tables as well
stamp="$cases.inputs"
if [ ! -f "$cases" ] || ! cmp -s "$stamp" "$out/sources/INPUTS"; then
  python3 "$here/testvoc_cases.py" --polimorf "$out/polimorf.txt" --sources "$out/sources" \
    --velmar-cli "$build/bin/velmar-cli" "$cases"
  cp "$out/sources/INPUTS" "$stamp"
fi
"$build/bin/velmar-cli" testvoc --baseline "$here/testvoc-baseline.txt" \
  --word-list pl-frequent,fr-frequent --exceptions "$here/testvoc-exceptions.txt" "$cases"
