#!/usr/bin/env bash
# An installed copy starts and finds its data: installs the build into a
# temporary prefix, starts <prefix>/bin/tessella "/V" in a virtual X display
# with a fresh HOME, settings folder and registry and its working folder
# elsewhere, and checks the settings file of the first start: it lies in the
# player's writable folder (never inside the installation), Locations Data
# names the installed pictures, Sound the installed sounds and Saved Games a
# writable folder. Escape closes the picture selection; Game, Exit must end
# the program with status 0.
# With --deb the copy is the Debian package that `cpack -G DEB` makes,
# unpacked with `dpkg -x` into a scratch root: its private libraries must lie
# in usr/lib/tessella, its dependencies come from dpkg-shlibdeps, and SIGTERM
# (as at the end of a desktop session) must end the program.
#   installed_start.sh <build folder> <folder for screenshots> [--deb]
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  build=$(readlink -f "$1")
  out=$(mkdir -p "$2" && readlink -f "$2")
  mode=${3:-install}
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "installed start test needs $tool (scripts/setup.sh)"; exit 1; }
  done
  # cmake --install copies what the build made; an unfinished build would
  # install a copy without its data.
  for built in bin/tessella share/tessella/sounds/JIGCLICK.WAV share/tessella/settings/Quiet.Ini; do
    [ -e "$build/$built" ] || { echo "build is not complete: $build/$built missing"; exit 1; }
  done
  compgen -G "$build/share/tessella/pictures/*.PPX" >/dev/null ||
    { echo "build is not complete: no pictures in $build/share/tessella/pictures"; exit 1; }
  work=$(mktemp -d)
  work=$(readlink -f "$work")
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/home" "$work/run"
  if [ "$mode" = --deb ]; then
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package") \
      >"$work/install.log" 2>&1 ||
      { cat "$work/install.log"; echo "FAIL: cpack -G DEB failed"; exit 1; }
    deb=$(compgen -G "$work/package/*.deb" | head -n1)
    [ -n "$deb" ] || { echo "FAIL: cpack made no .deb"; exit 1; }
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
    case "$depends" in *libqt6widgets6*libsdl2* | *libsdl2*libqt6widgets6*) ;;
      *) echo "FAIL: the package's dependencies miss Qt or SDL: $depends"; exit 1 ;; esac
    dpkg -x "$deb" "$work/root"
    ln -s root/usr "$work/prefix"
    compgen -G "$work/root/usr/lib/tessella/libPIXPICK32.so.*" >/dev/null ||
      { echo "FAIL: the private libraries are not in usr/lib/tessella"; exit 1; }
    stray=$(find "$work/root" -name '*.so*' ! -path '*/usr/lib/tessella/*' | head -n3)
    [ -z "$stray" ] || { echo "FAIL: libraries outside usr/lib/tessella: $stray"; exit 1; }
  else
    cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
      { cat "$work/install.log"; echo "FAIL: cmake --install into $work/prefix failed"; exit 1; }
  fi
  export INSTALL_MODE=$mode
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
  export TESSELLA_REGISTRY="$work/home/registry" SDL_AUDIODRIVER=dummy
  export BUILD_SETTINGS="$build/share/tessella/settings/Quiet.Ini"
  unset QT_QPA_PLATFORM XDG_DATA_HOME
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside "$out" "$work"
  exit $?
fi

out=$2
work=$3
prefix=$(readlink -f "$work/prefix")
exe=$prefix/bin/tessella
log="$work/program.log"
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=smoke_lib.sh
source "$here/smoke_lib.sh"
cd "$work/run"

# The value of key in [section] of an ini file, sections and keys without
# regard to case, as the settings store reads them.
ini_value() {  # file, section, key
  awk -v section="$2" -v key="$3" '
    /^[[:space:]]*\[/ { gsub(/^[[:space:]]*\[|\][[:space:]]*\r?$/, ""); inside = tolower($0) == tolower(section); next }
    inside {
      eq = index($0, "=")
      if (eq > 0 && tolower(substr($0, 1, eq - 1)) == tolower(key)) { value = substr($0, eq + 1); sub(/\r$/, "", value); print value; exit }
    }' "$1"
}

without_slash() {
  local path=$1
  [ "$path" = / ] || path=${path%/}
  echo "$path"
}

inside_prefix() {  # path
  case "$(without_slash "$1")/" in "$prefix"/*) return 0 ;; esac
  return 1
}

start_program /V
dialog=$(wait_window '^New Game$' 60) || true
[ -n "$dialog" ] || fail "the picture selection did not open after \"/V\""

# --- the settings of the first start ------------------------------------------
settings_dir="$HOME/.local/share/tessella"
settings="$settings_dir/Quiet.Ini"
[ -f "$settings" ] || fail "the first start wrote no settings file at $settings"
[ -w "$settings_dir" ] && [ -w "$settings" ] || fail "the settings at $settings are not writable"
registered=$(grep -F 'Orbis_Playware' "$TESSELLA_REGISTRY" 2>/dev/null | head -n1 | cut -d= -f2-) || true
[ "$(without_slash "$registered")" = "$settings_dir" ] ||
  fail "the registry names '$registered' as the settings folder, not $settings_dir"
stray=$(find "$prefix" -iname Quiet.Ini ! -path "$prefix/share/tessella/settings/*")
[ -z "$stray" ] || fail "settings were written into the installation: $stray"
cmp -s "$prefix/share/tessella/settings/Quiet.Ini" "$BUILD_SETTINGS" ||
  fail "the installed default settings were changed"

data=$(without_slash "$(ini_value "$settings" Locations Data)")
[ "$data" = "$prefix/share/tessella/pictures" ] ||
  fail "Locations Data is '$data', not $prefix/share/tessella/pictures"
compgen -G "$data/*.PPX" >/dev/null || fail "Locations Data ($data) holds no .PPX pictures"

sound=$(without_slash "$(ini_value "$settings" Locations Sound)")
[ -n "$sound" ] || fail "Locations Sound is empty"
inside_prefix "$sound" || fail "Locations Sound ($sound) lies outside the installation"
[ -f "$sound/JIGCLICK.WAV" ] && [ -f "$sound/JIGSNAP.WAV" ] ||
  fail "Locations Sound ($sound) does not hold the game's sounds"

saved=$(without_slash "$(ini_value "$settings" Locations 'Saved Games')")
[ -d "$saved" ] || fail "Locations Saved Games ('$saved') names no folder"
inside_prefix "$saved" && fail "Locations Saved Games ($saved) lies inside the installation"
touch "$saved/.probe" && rm "$saved/.probe" || fail "Locations Saved Games ($saved) is not writable"

# --- close the selection and end the program ------------------------------------
xdotool windowfocus --sync "$dialog"
sleep 0.5
import -window root "$out/installed_start.png" 2>/dev/null || true
xdotool key --clearmodifiers Escape
wait_gone '^New Game$' 20 || fail "Escape did not close the picture selection"
kill -0 "$pid" 2>/dev/null || fail "the program ended when the picture selection was closed"
if [ "$INSTALL_MODE" = --deb ]; then
  # SIGTERM, as at the end of a desktop session or from `kill`, ends it.
  kill -TERM "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end on SIGTERM"
  pid=
else
  quit_program
fi
echo "installed start test passed ($INSTALL_MODE)"
