#!/usr/bin/env bash
# Start -> playable of the real program in a virtual display: the program
# starts with a picture on the command line, F2 and Play cut it at once (the
# piece size is preset in the settings), and the game counts as playable when
# the first F4 after Play opens the status window (commands wait while the
# picture is loaded or cut). The frame fills the screen, and the smallest
# piece size the dialog offers is the one asked for. Prints seconds and the
# peak resident memory of each run, then the medians.
#   start_playable.sh <tessella> <picture> [piece size] [runs] [screen]
# With SHOT=<file.png> the screen after the last run is saved there.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  exe=$(readlink -f "$1")
  picture=$(readlink -f "$2")
  size=${3:-19}
  runs=${4:-3}
  screen=${5:-1920x1080x24}
  for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup.sh)"; exit 1; }
  done
  [ -x /usr/bin/time ] || { echo "needs /usr/bin/time"; exit 1; }
  unset QT_QPA_PLATFORM
  export SDL_AUDIODRIVER=dummy
  xvfb-run -a -s "-screen 0 $screen" bash "$0" --inside "$exe" "$picture" "$size" "$runs"
  exit $?
fi

exe=$2
picture=$3
size=$4
runs=$5

# The first visible window named like $1, looked for every 5 ms for up to a
# minute (xdotool's own --sync looks only twice a second).
wait_for() {
  local found
  for _ in $(seq 1 12000); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.005
  done
  return 1
}

# One run on fresh settings; prints "seconds peak-KiB".
run_once() {
  local work
  work=$(mktemp -d)
  mkdir -p "$work/home" "$work/install"
  printf 'HKEY_CLASSES_ROOT\\SOFTWARE\\Classes\\Orbis_Playware\\Location=%s/\n' \
    "$work/install" >"$work/registry"
  # The frame fills the screen, as it does once the player made it so.
  printf '[Jigsaw]\nPieceSize=%s\nMinPieceSize=%s\n[Options]\nPlacement=0 0 %s %s\n' "$size" "$size" \
    "$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')" >"$work/install/Quiet.Ini"
  local start wid dialog status end
  start=$(date +%s.%N)
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TESSELLA_REGISTRY="$work/registry" \
    /usr/bin/time -v -o "$work/time.txt" "$exe" "$picture" >"$work/log" 2>&1 &
  local pid=$!
  wid=$(wait_for ' - Tessella$')
  xdotool windowfocus --sync "$wid" key F2
  dialog=$(wait_for '^Piece Size and Placement$')
  xdotool windowfocus --sync "$dialog" key Return
  while xdotool search --onlyvisible --name '^Piece Size and Placement$' >/dev/null 2>&1; do
    sleep 0.005
  done
  status=
  for _ in $(seq 1 2000); do
    xdotool windowfocus --sync "$wid" key F4
    status=$(xdotool search --onlyvisible --name '^Status$' 2>/dev/null | head -n1) || true
    [ -n "$status" ] && break
  done
  end=$(date +%s.%N)
  if [ -n "${SHOT:-}" ]; then import -window root "$SHOT"; fi
  kill "$(pgrep -P "$pid")"  # the program; time then reports its peak
  wait "$pid" 2>/dev/null || true
  local peak
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
  echo "$(echo "$end - $start" | bc) $peak"
  rm -rf "$work"
}

results=()
for i in $(seq 1 "$runs"); do
  line=$(run_once)
  echo "run $i: $line s KiB"
  results+=("$line")
done
printf '%s\n' "${results[@]}" | awk '{print $1}' | sort -n | awk '{a[NR]=$1} END {print "median seconds:", a[int((NR+1)/2)]}'
printf '%s\n' "${results[@]}" | awk '{print $2}' | sort -n | awk '{a[NR]=$1} END {print "median peak MiB:", a[int((NR+1)/2)]/1024}'
