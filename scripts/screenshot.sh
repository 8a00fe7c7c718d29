#!/usr/bin/env bash
# Makes the README's picture from the real program: under Xvfb with openbox, a page
# named on the command line, the effect 燃える文字 chosen from the effects list and
# its dialog answered as a user would, the page then running; the window is captured.
#   bash scripts/screenshot.sh [OUTPUT.png]     (default docs/screenshot.png)
# The program is build/src/tovaleaf (TOVALEAF=... for another). The X display is a
# fresh one that no one else uses (Xvfb picks a free number).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${TOVALEAF:-$root/build/src/tovaleaf}
out=${1:-$root/docs/screenshot.png}

# What a screenshot needs beyond the build: a display, a window manager, input and capture.
tools=(xvfb openbox xdotool imagemagick)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
[ -x "$program" ] || { echo "screenshot: no program at $program (bash scripts/build.sh first)" >&2; exit 1; }

work=$(mktemp -d -t tovaleaf-screenshot.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)

# What the screen showed when a step went wrong is kept beside the output.
fail() {
  import -window root "${out%.png}-failed.png" 2>/dev/null || true
  cp "$work/program.log" "${out%.png}-failed.log" 2>/dev/null || true
  echo "screenshot: $1 (the screen and the program's output: ${out%.png}-failed.*)" >&2
  exit 1
}
# Waits until a window of that name is shown; prints its id.
window() {
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}
# Waits until no window of that name is shown.
gone() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" stays"
}

mkdir -p "$work/site"
cat >"$work/site/mypage.htm" <<'PAGE'
<html><head><meta charset="utf-8"><title>わたしのページ</title></head>
<body bgcolor="#fffaf0" style="font-size:26px">
<h1 style="color:#304070">ようこそ、わたしのページへ</h1>
<p>Tovaleafで作ったページです。下の文字が燃えています。</p>
</body></html>
PAGE

# Its own state and cache folders, so that no earlier run's page is offered back.
XDG_STATE_HOME=$work/state XDG_CACHE_HOME=$work/cache QTWEBENGINE_DISABLE_SANDBOX=1 \
  "$program" "$work/site/mypage.htm" >"$work/program.log" 2>&1 &
pids+=($!)
main=$(window "Tovaleaf for IE5.0")
xdotool windowmove "$main" 12 32
xdotool windowsize "$main" 860 560
sleep 3 # the page's first paint

# Places below are from the windows' top left corners (the fonts of scripts/setup.sh).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
# The caret below the text: where the effect goes.
click "$main" 400 420
# The effects list (left, under the menus): 燃える文字 is its tenth entry.
click "$main" 190 38
xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Return
dialog=$(window "燃える文字設定")
sleep 1
# The colour is RED already; the action list's last entry is "あり"; then OK.
click "$dialog" 183 110
xdotool key --delay 80 End Return
click "$dialog" 156 173
# "ブラウズモードで確認します！" (over the dialog) is answered; the page then runs.
window "^Tovaleaf$" >/dev/null
sleep 0.5
xdotool key Return
gone "燃える文字設定"
sleep 3

mkdir -p "$(dirname "$out")"
import -window "$main" -frame "$work/shot.png"
convert "$work/shot.png" -strip -colors 128 PNG8:"$out"
echo "screenshot: $out"
