#!/usr/bin/env bash
# The installed tree of a build, checked in a temporary prefix: every file in place,
# the desktop entry valid, velmar-cli translating with the installed data and nothing
# of the build folder, the completion answering, and velmar starting offscreen.
# Usage: packaging/check-install.sh BUILD_DIR
set -euo pipefail

build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
  echo "check-install: $*" >&2
  exit 1
}

for file in bin/velmar bin/velmar-cli share/velmar/frpol2.sg share/velmar/polfr2.sg share/velmar/franc2.so \
  share/velmar/pol2.so share/applications/velmar.desktop share/icons/hicolor/scalable/apps/velmar.svg \
  share/man/man1/velmar-cli.1 share/bash-completion/completions/velmar-cli share/doc/velmar/DATA-LICENSES; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
desktop-file-validate "$prefix/share/applications/velmar.desktop" || fail "the desktop entry is not valid"
grep -q '^\.SS translate$' "$prefix/share/man/man1/velmar-cli.1" || fail "the manual page lacks the translate command"

# A user of the installed program: own home, no data folder named.
home="$prefix/home"
mkdir -p "$home"
as_user=(env -u VELMAR_DATA_DIR HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
  QT_QPA_PLATFORM=offscreen)

translation=$(echo "Le chat dort." | "${as_user[@]}" "$prefix/bin/velmar-cli" translate) ||
  fail "velmar-cli translate failed"
[[ $translation == Kot* ]] || fail "\"Le chat dort.\" came out as \"$translation\""

completion=$(bash -c 'source "$1"; COMP_WORDS=("$2" tr); COMP_CWORD=1; _velmar_cli; echo "${COMPREPLY[@]}"' _ \
  "$prefix/share/bash-completion/completions/velmar-cli" "$prefix/bin/velmar-cli")
[ "$completion" = translate ] || fail "completing \"tr\" gave \"$completion\""

# velmar runs until it is closed: still running after a few seconds is a start.
status=0
"${as_user[@]}" timeout 4 "$prefix/bin/velmar" >"$prefix/velmar.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "velmar ended with status $status: $(cat "$prefix/velmar.log")"
echo "check-install: the installed tree in $prefix is complete and runs"
