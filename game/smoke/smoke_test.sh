#!/usr/bin/env bash
# Whole-program smoke test: starts the real program in a virtual X display,
# drives it with real key and mouse events and checks what it shows.
#   smoke_test.sh <path of the tessella program> <folder for screenshots>
# The program runs with its own HOME, registry and settings folder, so the
# player's files are never read or written. Three runs:
#   1. "/V" on a fresh settings folder: the gallery browser opens at once
#      with the thumbnails of the shipped pictures, and a double-click on one
#      takes it; the frame's bars, the menu bar toggle and the help window.
#   2. A shipped picture on the command line: cut it, drag a piece, and keep
#      a screenshot of the game in progress (smoke_game.png); then open the
#      original picture (F3), the overview (Ctrl+F3) and the status window
#      (F4) and keep a screenshot of all three (smoke_windows.png).
#   3. A tiny picture of four coloured quadrants: cut into 2 x 2 pieces, put
#      together with the mouse, a name entered in Congratulations and found
#      in the Hall of Fame and in the settings file.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  exe=$(readlink -f "$1")
  out=$(mkdir -p "$2" && readlink -f "$2")
  for tool in xvfb-run xdotool import compare convert; do
    command -v "$tool" >/dev/null || { echo "smoke test needs $tool (scripts/setup.sh)"; exit 1; }
  done
  share=$(readlink -f "$(dirname "$exe")/../share/tessella")
  if [ ! -f "$share/pictures/CHELSEA.PPX" ]; then
    echo "smoke test needs the shipped pictures in $share/pictures (build tessella_pictures)"
    exit 1
  fi
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
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside "$exe" "$out" "$work" "$share"
  exit $?
fi

exe=$2
out=$3
work=$4
share=$5
log="$work/program.log"
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=smoke_lib.sh
source "$here/smoke_lib.sh"
# shellcheck source=smoke_puzzle.sh
source "$here/smoke_puzzle.sh"
cd "$work/run"

# The open gallery browser ("New Game"); its geometry in X, Y, WIDTH, HEIGHT.
gallery_browser() {
  local dialog
  dialog=$(wait_window '^New Game$' 30) || true
  [ -n "$dialog" ] || fail "the gallery browser did not open"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  echo "$dialog"
}

# Double-clicks the thumbnail in a cell of the gallery browser's grid (cells
# of 120 x 112 pixels from (11, 43) of the dialog) with real mouse events.
pick_in_gallery() {  # column row
  local dialog
  dialog=$(gallery_browser)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/browser.png"
  [ "$(colours "$work/browser.png" 480x224+11+43)" -ge 500 ] ||
    fail "the gallery browser shows no thumbnails"
  cp "$work/browser.png" "$out/smoke_gallery_browser.png"
  xdotool mousemove --sync $((X + 11 + $1 * 120 + 60)) $((Y + 43 + $2 * 112 + 45))
  xdotool click --repeat 2 --delay 60 1
}

# Opens the file dialog from the gallery browser ("Select Picture") and
# picks a picture there by typing its name.
choose_picture() {  # name as typed
  local dialog before files
  dialog=$(gallery_browser)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  before=$(visible_windows)
  xdotool mousemove --sync $((X + 579)) $((Y + 151)) click 1
  files=$(new_window "$before" 20) || true
  [ -n "$files" ] || fail "Select Picture opened no file dialog"
  xdotool windowfocus --sync "$files"
  sleep 0.5
  xdotool type --delay 20 "$1"
  xdotool key --clearmodifiers Return
  # A completion list that opened while typing takes the first Return.
  sleep 1
  if visible_windows | grep -qx "$files"; then
    xdotool windowfocus --sync "$files" 2>/dev/null || true
    xdotool key --clearmodifiers Return
  fi
}

# F2 and Play in the Piece Size and Placement dialog.
cut_picture() {
  xdotool windowfocus --sync "$wid"
  sleep 0.5
  xdotool key --clearmodifiers F2
  local dialog
  dialog=$(wait_window '^Piece Size and Placement$' 20) || true
  [ -n "$dialog" ] || fail "F2 opened no Piece Size and Placement dialog"
  sleep 0.5
  shot "$out/smoke_piece_size.png"
  xdotool windowfocus --sync "$dialog"
  xdotool key --clearmodifiers Return
  wait_gone '^Piece Size and Placement$' 20 || fail "Play did not close the Piece Size and Placement dialog"
  sleep 2
}

# --- 1. "/V" on a fresh settings folder -------------------------------------
start_program /V
pick_in_gallery 1 0  # the second shipped picture in name order: CHELSEA
wait_gone '^New Game$' 30 || fail "a double-click on a thumbnail did not close the gallery browser"
sleep 1
grep -qi '^File0000=0001,' "$work/install/Gallery.ini" && grep -qi '^Dialog=big' "$work/install/Gallery.ini" ||
  fail "the gallery did not remember the second picture: $(cat "$work/install/Gallery.ini")"
grep -qi "^Data=$share/pictures" "$work/install/Quiet.Ini" ||
  fail "the first start did not point Locations Data at the shipped pictures"
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
quit_program

# --- 2. A shipped picture on the command line: cut, drag, screenshot --------
start_program "$share/pictures/CHELSEA.PPX"
wait_window ' - Tessella$' 30 >/dev/null || fail "the picture on the command line was not loaded"
sleep 1
shot "$work/picture.png"
read -r vx vy vw vh <<<"$(table_area "$work/picture.png")"
[ -n "${vh:-}" ] && [ "$vw" -ge 300 ] || fail "no table around the picture"
cut_picture
shot "$work/cut.png"
[ "$(differ "$work/picture.png" "$work/cut.png")" -gt 5000 ] || fail "F2 and Play cut nothing"
# The table of the cut may end inside a large window: measure it again.
read -r vx vy vw vh <<<"$(table_area "$work/cut.png")"

# Scroll bars take the right and bottom edges once the table outgrows the view.
vw=$((vw - 24))
vh=$((vh - 24))
convert "$work/cut.png" -crop "${vw}x${vh}+${vx}+${vy}" +repage "$work/cut_view.png"
read -r px py <<<"$(point_on_piece "$work/cut_view.png")"
[ -n "${py:-}" ] || fail "no piece lies on the visible table"
eval "$(xdotool getwindowgeometry --shell "$wid")"
# Towards the middle of the view, so the piece stays in sight.
tx=$((px < vw / 2 ? px + 120 : px - 120))
ty=$((py < vh / 2 ? py + 80 : py - 80))
drag $((X + vx + px)) $((Y + vy + py)) $((X + vx + tx)) $((Y + vy + ty))
xdotool mousemove $((X + 5)) $((Y + vy + vh - 5))
sleep 1
shot "$work/dragged.png"
convert "$work/dragged.png" -crop "${vw}x${vh}+${vx}+${vy}" +repage "$work/dragged_view.png"
[ "$(differ "$work/cut_view.png" "$work/dragged_view.png")" -gt 500 ] ||
  fail "dragging the piece at ($px, $py) of the view changed nothing"
cp "$work/dragged.png" "$out/smoke_game.png"

# The three windows: Original (F3), Overview (Ctrl+F3) and Status (F4).
open_window() {  # key, window name regex, what it is
  local try
  for try in 1 2 3; do
    xdotool windowfocus --sync "$wid"
    sleep 0.5
    xdotool key --clearmodifiers "$1"
    wait_window "$2" 5 >/dev/null && return 0
  done
  fail "$1 opened no $3"
}
open_window F3 '^Original$' "original picture"
open_window ctrl+F3 '^Overview$' "overview"
open_window F4 '^Status$' "status window"
sleep 2  # the opening animation ends, the clock ticks into the status window
import -window root "$out/smoke_windows.png"
overview=$(wait_window '^Overview$' 1)
eval "$(xdotool getwindowgeometry --shell "$overview")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/overview.png"
[ "$(colours "$work/overview.png" "${WIDTH}x${HEIGHT}+0+0")" -ge 50 ] ||
  fail "the overview shows no pieces"
quit_program

# --- 3. The tiny puzzle, finished with the mouse ----------------------------
make_tiny_picture "$work/tiny.bmp"
start_program /V
choose_picture "$work/tiny.bmp"
wait_window '^tiny - Tessella$' 30 >/dev/null || fail "the tiny picture was not loaded"
sleep 1
shot "$work/tiny.png"
read -r vx vy vw vh <<<"$(table_area "$work/tiny.png")"
[ -n "${vh:-}" ] || fail "no table around the tiny picture"
cut_picture
eval "$(xdotool getwindowgeometry --shell "$wid")"
assemble_tiny $((X + vx)) $((Y + vy)) || fail "the tiny puzzle could not be put together"

results=$(wait_window '^Congratulations$' 10) || true
[ -n "$results" ] || fail "no Congratulations after the last join"
import -window root "$out/smoke_congratulations.png"
xdotool windowfocus --sync "$results"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "Smoke Tester"
xdotool key --clearmodifiers Return
wait_gone '^Congratulations$' 10 || fail "OK did not close Congratulations"
grep -q '^Highscore1=\[Smoke Tester,[1-9]' "$work/install/Quiet.Ini" ||
  fail "Highscore1 in Quiet.Ini does not hold the name: $(grep -i '^Highscore1=' "$work/install/Quiet.Ini")"

xdotool windowfocus --sync "$wid"
sleep 0.5
before=$(visible_windows)
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key --clearmodifiers h
# The Hall of Fame has no caption: it is the window that appears.
fame=$(new_window "$before" 10) || true
[ -n "$fame" ] || fail "Game, High Scores opened no Hall of Fame"
sleep 1
import -window root "$out/smoke_hall_of_fame.png"
[ "$(first_name_ink "$out/smoke_hall_of_fame.png")" -ge 30 ] ||
  fail "the Hall of Fame shows no name in its first row"
xdotool windowfocus --sync "$fame"
xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do
  [ -z "$(visible_windows | comm -13 <(echo "$before") -)" ] && break
  sleep 0.2
done
[ -z "$(visible_windows | comm -13 <(echo "$before") -)" ] || fail "OK did not close the Hall of Fame"
quit_program
echo "smoke test passed"
