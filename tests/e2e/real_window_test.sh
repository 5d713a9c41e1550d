#!/usr/bin/env bash
# Two whole games of the installed program in a real X server with no window
# manager, each from a fresh start: one from the keyboard alone, with the
# menu shortcuts, then one that xdotool clicks where a player would. The X
# server's own screenshots are checked after each step.
# Usage: real_window_test.sh BUILD_DIR
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
build=$(cd "$1" && pwd)
work=$build/e2e
rm -rf "$work" && mkdir -p "$work"
cmake --install "$build" --prefix "$work/install" > /dev/null
program=$work/install/bin/quintara
magick=/usr/bin/convert   # the real ImageMagick, whatever stands earlier on PATH

pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done; }
trap cleanup EXIT

# A free display: Xvfb picks it and tells it on a pipe once it accepts
# connections. By default it resets whenever its last client leaves and drops
# a client connecting meanwhile; xdotool comes and goes all the time here.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -noreset -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 -u "$displayfd" number
export DISPLAY=:$number
# The other tests run offscreen; this one on that X server alone.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

fail() { echo "FAIL: $*" >&2; exit 1; }
step=0
shoot() { step=$((step + 1)); sleep 0.4; import -window root "$work/step$step-$1.png"; shot=$work/step$step-$1.png; }

# Mean blue and the inverted picture of a page rectangle, and its share of
# gold pixels; the page starts below the menu bar.
mean() { "$magick" "$shot" -crop "$3x$4+$((origin_x + $1))+$((origin_y + $2))" +repage \
             -format '%[fx:int(255*mean.r)] %[fx:int(255*mean.g)] %[fx:int(255*mean.b)]' info:; }
gold_share() { "$magick" "$shot" -crop "$3x$4+$((origin_x + $1))+$((origin_y + $2))" +repage -fuzz 15% \
                   -fill white -opaque 'rgb(255,196,35)' -fill black +opaque white -format '%[fx:mean]' info:; }
blue() { mean "$@" | cut -d' ' -f3; }
click() { xdotool mousemove --sync $((origin_x + $1)) $((origin_y + $2)) click 1; }

visible() { xdotool search --onlyvisible --name . 2> /dev/null | sort || true; }
# Waits for a window that holds the keyboard focus and was not among those
# shown in $1; prints it.
focused_new_window() {
    for _ in $(seq 100); do
        local focus
        focus=$(xdotool getwindowfocus 2> /dev/null) || focus=
        if [ -n "$focus" ] && visible | grep -qx "$focus" && ! grep -qx "$focus" <<< "$1"; then
            echo "$focus"
            return
        fi
        sleep 0.1
    done
}
# Waits until window $1 no longer shows.
gone() {
    for _ in $(seq 30); do
        visible | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}

# A fresh program. The opponents dialog comes first and takes the keyboard
# itself; the keyboard answers it (3 opponents). Then the page is found: the
# felt below the menu bar.
start() {
    "$program" > "$work/quintara$1.log" 2>&1 &
    program_pid=$!
    pids+=($program_pid)
    local dialog
    dialog=$(focused_new_window "")
    [ -n "$dialog" ] || fail "the opponents dialog never took the keyboard"
    xdotool key Up Up Return
    gone "$dialog" || fail "the opponents dialog stayed"
    origin_x=0
    origin_y=
    for _ in $(seq 10); do
        shoot start
        origin_y=$("$magick" "$shot" -crop 1x200+5+0 +repage txt:- | awk -F'[(,: ]+' \
            '/#008000/ && !found { print $2; found = 1 }')
        [ -z "$origin_y" ] || break
    done
    [ -n "$origin_y" ] || fail "no felt green under the menu bar"
}

card_w=71 card_h=96
hand_x() { echo $((280 + ($1 - 2) * 73)); }   # the five places, left to right
hand_y=534
# The picker: one column per suit (clubs, diamonds, hearts, spades), ace to
# king, each card showing a 40-pixel strip.
pick() { click $((675 + 73 * $1 + 35)) $((30 + 40 * $2 + 20)); }
ok() { click 820 637; }
picker_shows() { [ "$(blue 675 30 $card_w 40)" -gt 150 ]; }
check_tables() {
    for band in 35 260; do
        share=$(gold_share 650 $band 340 190)
        awk -v s="$share" 'BEGIN { exit !(s > 0.02) }' || fail "no table text at y = $band (gold share $share) $1"
        [ "$(blue 650 $band 340 190)" -lt 100 ] || fail "cards still cover the table at y = $band $1"
    done
}
# Key $1 opens a window that takes the keyboard; key $2 closes it.
check_dialog() {
    local before dialog
    before=$(visible)
    xdotool key "$1"
    dialog=$(focused_new_window "$before")
    [ -n "$dialog" ] || fail "$1 opened no window"
    [ -z "${2:-}" ] && return
    xdotool key "$2"
    gone "$dialog" || fail "$2 left the window of $1 open"
    sleep 0.3
}

# The keyboard game, from the start: typed cards, Enter for OK, Ctrl+Z and
# Ctrl+Shift+Z, the draw analysis opened and closed, 1 to mark the first
# place, Enter for Discard, the replacement, Enter; then New, a new table and
# the help. Nothing but keys reach the program.
start 1
xdotool type --delay 30 '2c4s7d9cqh'
xdotool key Return
shoot typed_hand
check_tables "after the typed hand"
xdotool key ctrl+z
shoot undone
picker_shows || fail "Ctrl+Z did not bring the picker back"
xdotool key ctrl+shift+z
shoot redone
check_tables "after Ctrl+Shift+Z"
check_dialog ctrl+e Escape
xdotool key 1 Return
sleep 0.3
shoot keyboard_discarded
[ "$(blue "$(hand_x 0)" $hand_y $card_w $card_h)" -lt 120 ] || fail "the keyboard discard shows no card back"
xdotool type --delay 30 'Ac'
xdotool key Return
shoot keyboard_final
[ "$(blue "$(hand_x 0)" $hand_y $card_w $card_h)" -gt 150 ] || fail "the typed replacement shows no face"
check_tables "after the keyboard game"
xdotool key ctrl+n
shoot keyboard_new
picker_shows || fail "Ctrl+N did not bring the picker back"
check_dialog ctrl+o Return
check_dialog F1
kill "$program_pid"
wait "$program_pid" || true

# The mouse game, from a fresh start.
start 2
initial_title=$("$magick" "$shot" -crop 290x30+675+$origin_y +repage -format '%#' info:)
# 2c 4s 7d 9c Qh, then OK.
pick 0 1; pick 3 3; pick 1 6; pick 0 8; pick 2 11; ok
shoot initial_hand
for place in 0 1 2 3 4; do
    [ "$(blue "$(hand_x $place)" $hand_y $card_w $card_h)" -gt 150 ] || fail "place $place shows no face"
done
read -r r0 g0 b0 <<< "$(mean "$(hand_x 0)" $hand_y $card_w $card_h)"

# Mark the Qh (the first place: the hand shows highest first), which shows it inverted.
click $(($(hand_x 0) + 35)) $((hand_y + 48))
shoot marked
read -r r1 g1 b1 <<< "$(mean "$(hand_x 0)" $hand_y $card_w $card_h)"
for pair in "$r0 $r1" "$g0 $g1" "$b0 $b1"; do
    set -- $pair
    [ $(($1 + $2 - 255)) -le 6 ] && [ $(($1 + $2 - 255)) -ge -6 ] || fail "the marked card is not inverted ($pair)"
done

# Discard, clicked in the middle of its face.
click $((262 + 53)) $((482 + 11))
shoot discarded
[ "$(blue "$(hand_x 0)" $hand_y $card_w $card_h)" -lt 120 ] || fail "the discarded place shows no card back"
picker_shows || fail "the picker did not come back"
title=$("$magick" "$shot" -crop 290x30+675+$origin_y +repage -format '%#' info:)
[ "$title" != "$initial_title" ] || fail "the picker still asks for the five cards"

# One replacement (the ace of clubs, first in its column), then OK.
pick 0 0; ok
shoot final_hand
[ "$(blue "$(hand_x 0)" $hand_y $card_w $card_h)" -gt 150 ] || fail "the replacement shows no face"
check_tables "after the mouse game"
echo "PASS: a whole game from the keyboard, the menu shortcuts and a whole game with the mouse in a real window; screenshots in $work"
