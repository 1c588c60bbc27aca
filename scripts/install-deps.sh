#!/usr/bin/env bash
# Installs every Debian package the program needs to build, run and test; with --fuzz, also the compiler
# and run-time libraries of the fuzz targets (clang, libFuzzer, its sanitizers). Safe to run again: when
# every package is installed it touches neither apt nor sudo.
set -euo pipefail
PKGS=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev qt6-l10n-tools
  libsqlite3-dev pxlib-dev libfontconfig-dev
  libchm-dev fp-utils
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation2 fonts-noto-core adwaita-icon-theme
  poppler-utils
)
FUZZ_PKGS=(clang libclang-rt-14-dev)
for arg in "$@"; do
  case "$arg" in
    --fuzz) PKGS+=("${FUZZ_PKGS[@]}") ;;
    *) echo "usage: $0 [--fuzz]" >&2; exit 2 ;;
  esac
done

# Real package names only: dpkg reports a name that some other package merely provides as not installed.
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}), or install sudo and run this again." >&2
    exit 1
  fi
  SUDO=(sudo)
fi
echo "Installing: ${missing[*]}"
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
