#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Velmar need.
# Idempotent: when everything is already installed it only checks and returns.
# With --fuzz it installs only what `make fuzz` needs on top: clang 16 and its fuzzer
# runtime (Debian 12's default clang 14 crashes in its front end on the French
# generator tables at -O2 -g).
# With --data it installs only what building the data set needs (`make data`, `make run`):
# the free dictionaries (the French–Polish pair and the German, Italian and Spanish
# ones the build triangulates through) and morphological sources, and the tools
# that read them; and the running text whose most frequent words `make testvoc` checks
# and whose coverage the build measures (sayings, manual pages, LibreOffice help, the
# Debian reference), with the English word list that tells the English words of that
# text apart.
set -euo pipefail

if [ "${1:-}" = "--fuzz" ]; then
  packages=(clang-16 libclang-rt-16-dev)
elif [ "${1:-}" = "--data" ]; then
  packages=(
    python3 unzip default-jre-headless libmorfologik-stemming-java libcarrotsearch-hppc-java
    dict-freedict-fra-pol dict-freedict-pol-fra
    dict-freedict-deu-fra dict-freedict-fra-deu dict-freedict-fra-ita dict-freedict-fra-spa
    dict-freedict-deu-pol dict-freedict-pol-deu dict-freedict-ita-pol dict-freedict-pol-ita
    dict-freedict-pol-spa
    hunspell hunspell-tools hunspell-fr verbiste
    fortunes-pl manpages-fr manpages-pl libreoffice-help-fr libreoffice-help-pl debian-reference-fr
    wamerican
  )
else
  packages=(
    # build
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3
    # the hot key test: a second X client holds a key, XTEST presses it
    libxcb-xtest0-dev
    # the installed tree and the Debian package (`make install`, `make package`)
    desktop-file-utils dpkg-dev file
    # fonts that cover Polish and French
    fonts-dejavu-core fonts-liberation2
    # document conversion (.doc, .docx, .odt, .html) and its tests
    libreoffice-writer-nogui
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
