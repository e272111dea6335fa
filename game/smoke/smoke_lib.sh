# Helpers of the whole-program smoke test (sourced by smoke_test.sh inside the
# virtual display). They expect $work (scratch folder), $out (screenshots),
# $log (the program's output) and set $pid and $wid for the running program.

# The table's colour: the default workspace background "128 255 0".
table_colour='#80FF00'

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

# Waits until no visible window matches the name regex; seconds.
wait_gone() {
  local i
  for i in $(seq 1 $(($2 * 5))); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}

# Starts the program with the given arguments and waits for its main window.
start_program() {
  "$exe" "$@" >>"$log" 2>&1 &
  pid=$!
  wid=$(wait_window 'Tessella$' 30) || true
  [ -n "$wid" ] || fail "no window titled Tessella appeared (arguments: $*)"
}

# Ends the program through Game, Exit; a game in progress is not saved.
quit_program() {
  xdotool windowfocus --sync "$wid"
  sleep 0.5
  xdotool key --clearmodifiers alt+g
  sleep 0.5
  xdotool key --clearmodifiers x
  local saving
  saving=$(wait_window '^Saving\?$' 3) || true
  if [ -n "$saving" ]; then
    xdotool windowfocus --sync "$saving"
    xdotool key --clearmodifiers alt+t
  fi
  local i
  for i in $(seq 1 75); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after Game, Exit"
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  pid=
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

# The white areas of a mask made from a shot: pixels within the fuzz of a
# colour become white, all others black. Prints one line per area:
# "width height left top pixels".
areas() {  # file, colour, fuzz
  convert "$1" -alpha off -fuzz "$3" -fill black +opaque "$2" -fill white -opaque "$2" \
    -define connected-components:verbose=true -connected-components 4 null: 2>/dev/null |
    awk '$NF ~ /255,255,255|gray\(255\)/ { split($2, g, /[x+]/); print g[1], g[2], g[3], g[4], $4 }'
}

# "left top width height" of the largest area of the table's colour in a
# shot: the view of the table while no puzzle covers it.
table_area() {
  areas "$1" "$table_colour" 3% | sort -k5 -n -r | head -n1 | awk '{ print $3, $4, $1, $2 }'
}

# A point "x y" inside a piece, at least 6 pixels from the table around it,
# in a shot of the view.
point_on_piece() {
  convert "$1" -alpha off -fuzz 3% -fill black -opaque "$table_colour" -fill white +opaque black \
    -morphology Erode Disk:6 txt:- 2>/dev/null |
    awk -F'[,: ]+' '/#FFFFFF|white/ { print $1, $2; exit }'
}

# Dark pixels in the first row of the name list of a Hall of Fame shot: the
# six lists are the largest light yellow areas, the names the leftmost.
first_name_ink() {  # file
  local w h x y
  # Every cell of the list is a box of its own (0x80FFFF): the first name is
  # the leftmost box of the top row.
  read -r w h x y _ <<<"$(areas "$1" '#FFFF80' 2% | awk '$2 >= 10' | sort -k4,4n -k3,3n | head -n1)"
  [ -n "${y:-}" ] || { echo 0; return; }
  convert "$1" -crop "${w}x20+$x+$y" +repage -colorspace gray -threshold 40% -negate \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Drags with the left button in small steps, as a hand would.
drag() {  # from x y to x y, screen coordinates
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  local i
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.5
}

visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | sort || true
}

# A visible window that is not in the list given (from visible_windows), for
# dialogs without a caption of their own; seconds.
new_window() {  # list, seconds
  local i w
  for i in $(seq 1 $(($2 * 5))); do
    w=$(visible_windows | comm -13 <(echo "$1") - | head -n1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.2
  done
  return 1
}
