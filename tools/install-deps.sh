#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Lexorra need,
# and only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ make python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev
  qt6-svg-dev    # the lettering export writes SVG; its tests read it back
  poppler-utils  # pdftotext/pdffonts/pdfinfo/pdftoppm: the printing and lettering tests read PDFs back
  whitakers-words  # the Latin parser that checks the word-by-word sheet
  # The installed program: icons rendered from their drawing (rsvg-convert,
  # which the lettering tests also use to draw the exported SVG), the Debian
  # package (dpkg-shlibdeps finds its library dependencies) and the tools
  # that check it, its desktop entry, AppStream data, MIME type and manuals.
  librsvg2-bin dpkg-dev lintian desktop-file-utils appstream shared-mime-info
  libglib2.0-bin man-db
  clang libclang-rt-14-dev  # make fuzz: libFuzzer and the sanitizers' runtime
  # Free faces that stand in for the typefaces the window asks for by name.
  fonts-blankenburg fonts-goudybookletter fonts-ebgaramond fonts-urw-base35
  fonts-liberation fonts-dejavu-core fonts-comic-neue
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing Debian packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
