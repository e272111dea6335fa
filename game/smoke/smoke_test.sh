#!/usr/bin/env bash
# Whole-program smoke test: starts the real program in a virtual X display,
# drives it with real key events and checks what it shows.
#   smoke_test.sh <path of the tessella program> <folder for screenshots>
# The program runs with its own HOME, registry and settings folder, so the
# player's files are never read or written.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  exe=$(readlink -f "$1")
  out=$(mkdir -p "$2" && readlink -f "$2")
  for tool in xvfb-run xdotool import compare; do
    command -v "$tool" >/dev/null || { echo "smoke test needs $tool (scripts/setup.sh)"; exit 1; }
  done
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/home" "$work/install" "$work/run"
  # The settings file lies where the registry says the installation is; the
  # key's name comes from Orbis.inf beside the program ("Location" without).
  location=Location
  inf="$(dirname "$exe")/Orbis.inf"
  if [ -f "$inf" ]; then
    found=$(sed -n 's/^[[:space:]]*Location[[:space:]]*=[[:space:]]*//Ip' "$inf" | tr -d '\r' | head -n1)
    location=${found:-Location}
  fi
  printf 'HKEY_CLASSES_ROOT\\SOFTWARE\\Classes\\Orbis_Playware\\%s=%s/\n' \
    "$location" "$work/install" >"$work/registry"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
  export TESSELLA_REGISTRY="$work/registry" SDL_AUDIODRIVER=dummy
  unset QT_QPA_PLATFORM
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside "$exe" "$out" "$work"
  exit $?
fi

exe=$2
out=$3
work=$4
log="$work/program.log"

fail() {
  echo "FAIL: $*"
  import -window root "$out/smoke_failure.png" 2>/dev/null || true
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  cat "$log" 2>/dev/null || true
  exit 1
}

wait_window() {  # name regex, seconds
  timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1
}

# Shot of the main window's area; $1 names the file.
shot() {
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# Number of pixels that differ between two shots.
differ() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true
}

colours() {  # distinct colours in a strip of a shot: file, geometry
  convert "$1" -crop "$2" +repage -format %k info:
}

cd "$work/run"
"$exe" >"$log" 2>&1 &
pid=$!

wid=$(wait_window '^Tessella$' 30) || true
[ -n "$wid" ] || fail "no window titled Tessella appeared"
xdotool windowfocus --sync "$wid"
sleep 1

shot "$work/start.png"
cp "$work/start.png" "$out/smoke_main.png"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -ge 400 ] && [ "$HEIGHT" -ge 300 ] || fail "window is only ${WIDTH}x${HEIGHT}"
# Menu bar and tool bar at the top, status bar at the bottom: each strip holds
# text or pictures, so several colours.
top=$(colours "$work/start.png" "${WIDTH}x60+0+0")
bottom=$(colours "$work/start.png" "${WIDTH}x24+0+$((HEIGHT - 24))")
[ "$top" -ge 8 ] || fail "menu bar and tool bar look empty ($top colours)"
[ "$bottom" -ge 2 ] || fail "status bar looks empty ($bottom colours)"

xdotool key --clearmodifiers ctrl+m
sleep 1
shot "$work/nomenu.png"
[ "$(differ "$work/start.png" "$work/nomenu.png")" -gt 100 ] || fail "Ctrl+M did not hide the menu bar"
xdotool key --clearmodifiers ctrl+m
sleep 1
shot "$work/menu.png"
[ "$(differ "$work/start.png" "$work/menu.png")" -lt 100 ] || fail "Ctrl+M did not bring the menu bar back"

xdotool key --clearmodifiers F1
help=$(wait_window 'Tessella Help' 15) || true
[ -n "$help" ] || fail "F1 opened no help window"
sleep 1
import -window root "$out/smoke_help.png"

xdotool windowfocus --sync "$wid"
sleep 0.5
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key --clearmodifiers x

for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
  fail "the program did not end after Game, Exit"
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "smoke test passed"
