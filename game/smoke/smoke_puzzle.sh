# The tiny puzzle of the smoke test (sourced after smoke_lib.sh): a picture
# of 170 x 170 pixels, which the Piece Size and Placement dialog cuts into
# 2 x 2 pieces of 85 pixels at the starting piece size of 60, and the moves
# that put it together with real mouse events.
#
# Each quadrant carries a 25 x 25 marker of a colour found nowhere else on
# the table, in the middle of its cell: the tabs of the cut reach far less
# than 30 pixels into a cell, so a marker always travels with its own piece
# and its middle is that piece's place.

tiny_cell=85
tiny_colours=('#FF0000' '#00FF00' '#FFFF00' '#FF00FF')  # top left, top right, bottom left, bottom right
tiny_dx=(0 85 0 85)
tiny_dy=(0 0 85 85)

make_tiny_picture() {  # file
  convert -size 170x170 xc:'#606060' \
    -fill '#a0a0a0' -draw 'rectangle 85,0 169,84' \
    -fill '#404040' -draw 'rectangle 0,85 84,169' \
    -fill '#d0d0d0' -draw 'rectangle 85,85 169,169' \
    -fill "${tiny_colours[0]}" -draw 'rectangle 30,30 54,54' \
    -fill "${tiny_colours[1]}" -draw 'rectangle 115,30 139,54' \
    -fill "${tiny_colours[2]}" -draw 'rectangle 30,115 54,139' \
    -fill "${tiny_colours[3]}" -draw 'rectangle 115,115 139,139' \
    "BMP3:$1"
}

# Middle "x y" of a marker of the colour in a shot, when it shows whole
# (a marker partly under another piece does not count).
marker() {  # file, colour
  areas "$1" "$2" 12% |
    awk '$1 >= 23 && $1 <= 27 && $2 >= 23 && $2 <= 27 && $5 >= 500 {
           print $3 + int($1 / 2), $4 + int($2 / 2); exit }'
}

# Sends the piece under the point to the back through the piece menu, so
# that a piece it covers comes to light.
send_to_back() {  # x y, screen coordinates
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 3
  sleep 0.5
  xdotool key Up
  sleep 0.2
  xdotool key Return
  sleep 0.5
}

# Puts the tiny puzzle together on the table whose top left corner is at
# screen point ox oy: the top left piece goes to a place with room for the
# others, then each other piece is dropped exactly beside it, where it
# snaps. The top left piece stays where it was put while other pieces cover
# it, so its last place seen still counts. A piece hidden under another is
# brought out by sending a visible piece, picked at random, to the back: a
# fixed turn can fall in step with the pieces coming and going and send the
# same two to the back for ever. Returns when the results dialog shows.
assemble_tiny() {  # ox oy
  local ox=$1 oy=$2 round c x y rx ry tx ty first=
  for round in $(seq 1 40); do
    wait_window '^Congratulations$' 1 >/dev/null && return 0
    import -window root "$work/full.png"
    convert "$work/full.png" -crop "420x420+$ox+$oy" +repage "$work/table.png"
    local pos=() visible=()
    for c in 0 1 2 3; do
      pos[c]=$(marker "$work/table.png" "${tiny_colours[c]}")
      [ -n "${pos[c]}" ] && visible+=("${pos[c]}")
    done
    echo "round $round: markers at ${pos[*]}"
    [ -n "${pos[0]}" ] && first=${pos[0]}
    if [ -n "$first" ]; then
      read -r rx ry <<<"$first"
      if [ -n "${pos[0]}" ] && { [ "$rx" -lt 50 ] || [ "$rx" -gt 160 ] ||
        [ "$ry" -lt 50 ] || [ "$ry" -gt 160 ]; }; then
        first=
        drag $((ox + rx)) $((oy + ry)) $((ox + 70)) $((oy + 70))
        continue
      fi
      local moved=0
      for c in 1 2 3; do
        [ -n "${pos[c]}" ] || continue
        read -r x y <<<"${pos[c]}"
        tx=$((rx + tiny_dx[c]))
        ty=$((ry + tiny_dy[c]))
        if [ $(((x - tx) * (x - tx) + (y - ty) * (y - ty))) -gt 4 ]; then
          drag $((ox + x)) $((oy + y)) $((ox + tx)) $((oy + ty))
          moved=1
          break
        fi
      done
      [ "$moved" -eq 1 ] && continue
    fi
    if [ "${#visible[@]}" -eq 0 ]; then
      sleep 1
      continue
    fi
    read -r x y <<<"${visible[$((RANDOM % ${#visible[@]}))]}"
    send_to_back $((ox + x)) $((oy + y))
  done
  return 1
}
