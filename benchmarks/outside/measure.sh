#!/usr/bin/env bash
# What the user waits for, timed from outside the program as the user meets it: under Xvfb + openbox, an Xlib
# tool (xw.c) starts the program or presses its keys and times, from exec or key press, the window's title,
# its first or last drawing, or a file's modification time. Medians of ROUNDS, interleaved.
#   benchmarks/outside/measure.sh BUILD [ROUNDS]
# BUILD is a build folder with bin/DovraApd and the benchmarks (bench/make_declaration, bench/yardstick).
# Needs xvfb, openbox, xdotool, libx11-dev, libxdamage1, libxtst6 (Debian).
# Prints:
#   startup   the program's empty start to its first drawing vs the yardstick's (a Qt main window with a menu
#             bar, a tool bar and one Greek line, maximised)
#   launch    the program started on a 64-page declaration to its window's first drawing vs its empty start
#   open      File > Άνοιγμα of a 64-page declaration in the running program, Return in the file dialog to
#             the new title and to the last drawing; the first open of the run and the later ones
#   new       File > Νέο αρχείο with a 64-page declaration open, Return to the new title and the last drawing
#   addpage   Ctrl+Ins at page 63 to the last drawing
#   save      File > Αποθήκευση of the 64-page declaration after that change, Return to the file written
set -eu
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 BUILD [ROUNDS]   (BUILD: a build folder, e.g. build)" >&2
  exit 2
fi
build=$(realpath "$1")
rounds=${2:-7}
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Say what is missing rather than stop on the first command that is not there.
missing=()
for f in bin/DovraApd bench/make_declaration bench/yardstick; do
  [ -x "$build/$f" ] || missing+=("$build/$f")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Missing: ${missing[*]}" >&2
  echo "The program and its benchmarks are built with: BUILD_DIR=$1 bash scripts/build.sh -DAPD_BENCHMARKS=ON" >&2
  exit 1
fi
packages=()
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool cc:build-essential bc:bc; do
  command -v "${tool%%:*}" >/dev/null || packages+=("${tool#*:}")
done
[ -e /usr/include/X11/Xlib.h ] || packages+=(libx11-dev)
for lib in libXdamage.so.1:libxdamage1 libXtst.so.6:libxtst6; do
  ldconfig -p | grep -q "${lib%%:*}" || packages+=("${lib#*:}")
done
if [ "${#packages[@]}" -gt 0 ]; then
  echo "Missing packages: ${packages[*]} (apt-get install ${packages[*]})" >&2
  exit 1
fi
work=$(mktemp -d /tmp/apd-measure.XXXXXX)
cc -O2 -o "$work/xw" "$here/xw.c" -lX11 -l:libXdamage.so.1 -l:libXtst.so.6
# The program runs from a copy, so its tables, registry and layout file are this run's own.
cp -a "$build/bin" "$work/prog"
mkdir -p "$work/home/.config" "$work/home/.local/share" "$work/docs"
for d in $(seq 70 99); do [ -e /tmp/.X11-unix/X$d ] || break; done
Xvfb :$d -screen 0 1600x1000x24 >/dev/null 2>&1 &
xpid=$!
export DISPLAY=:$d HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
  XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
sleep 1
openbox >/dev/null 2>&1 &
wpid=$!
app=
trap 'kill $app $wpid $xpid 2>/dev/null; rm -rf "$work"' EXIT
sleep 0.5

"$build/bench/make_declaration" 64 "$work/docs/a64.vapd" 2>/dev/null
cp "$work/docs/a64.vapd" "$work/docs/b64.vapd"
"$build/bench/make_declaration" 63 "$work/docs/c63.vapd" 2>/dev/null

field() { sed -n "s/.*$1=\([0-9.-]*\).*/\1/p"; }
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { echo "scale=2; $1 / $2" | bc; }
paint() { "$work/xw" launch "$1" -- "${@:2}" | field paint; }

# Start-up and launch, interleaved.
prog="$work/prog/DovraApd"
yard="$build/bench/yardstick"
paint Dovra "$prog" >/dev/null
paint Yardstick "$yard" >/dev/null
a=() b=() c=()
for r in $(seq "$rounds"); do
  a+=("$(paint Dovra "$prog")")
  b+=("$(paint Yardstick "$yard")")
  c+=("$(paint a64 "$prog" "$work/docs/a64.vapd")")
done
echo "startup   program $(median "${a[@]}") ms, yardstick $(median "${b[@]}") ms: ratio $(ratio "$(median "${a[@]}")" "$(median "${b[@]}")")"
echo "launch    with 64 pages $(median "${c[@]}") ms, empty $(median "${a[@]}") ms: ratio $(ratio "$(median "${c[@]}")" "$(median "${a[@]}")")"

# One running program, driven through its menus.
line=$("$work/xw" launchkeep Dovra -- "$prog")
win=$(echo "$line" | sed -n 's/.*window=\(0x[0-9a-f]*\).*/\1/p')
app=$(echo "$line" | field pid)
sleep 1
key() { xdotool key "$@"; sleep 0.15; }
# Opens the File menu on its item N (from 0).
file_menu() {
  key alt
  key Return
  for _ in $(seq "$1"); do key Down; done
}
timed() { "$work/xw" key "$win" "$@" --quiet 400; }
open_doc() {
  file_menu 4
  key Return
  xdotool search --sync --name '^Άνοιγμα$' >/dev/null
  sleep 0.3
  xdotool type --delay 2 "$1"
  sleep 0.2
  timed Return --title "$(basename "$1")"
}
open_t=() open_d=() new_t=() new_d=()
first=$(open_doc "$work/docs/a64.vapd")
for r in $(seq "$rounds"); do
  out=$(file_menu 0; timed Return --title 'Ανώνυμο')
  new_t+=("$(echo "$out" | field title)") new_d+=("$(echo "$out" | field lastdraw)")
  doc=$([ $((r % 2)) = 1 ] && echo b64 || echo a64)
  out=$(open_doc "$work/docs/$doc.vapd")
  open_t+=("$(echo "$out" | field title)") open_d+=("$(echo "$out" | field lastdraw)")
done
echo "open      first: title $(echo "$first" | field title) ms, last drawing $(echo "$first" | field lastdraw) ms;" \
  "again: title $(median "${open_t[@]}") ms, last drawing $(median "${open_d[@]}") ms"
echo "new       title $(median "${new_t[@]}") ms, last drawing $(median "${new_d[@]}") ms"

add=() save=()
open_doc "$work/docs/c63.vapd" >/dev/null
for r in $(seq "$rounds"); do
  # The focus may be in a box's open editor, where Ctrl+Ins is the editor's Copy; Esc closes the editor.
  key Escape
  add+=("$(timed ctrl+Insert | field lastdraw)")
  save+=("$(file_menu 2; timed Return --mtime "$work/docs/c63.vapd" | field mtime)")
  # Back to 63 pages: the 64th, active, is deleted after its question.
  key Escape
  key ctrl+Delete
  sleep 0.3
  key Return
  sleep 0.3
done
echo "addpage   page 63 to 64: last drawing $(median "${add[@]}") ms"
echo "save      64 pages after one change: file written $(median "${save[@]}") ms"
