#!/usr/bin/env bash
# End-to-end test of the window host on a virtual X display: pointer presses, taps and keys reach
# the game thread with the right values, keys typed fast all arrive, the keypad gives arrows or
# digits by NumLock, a screenshot of the window matches the frame, the window has the game's icon,
# the window menu opens the About and Instructions boxes (belonging to the window, centred on it),
# File > Quit ends the process, and so does the game's own end, with its status. A pipe in place
# of the instructions page does not hold the start up. Also reports the start-up time, the cost of
# a presentation and the CPU the idle window uses.
# Usage: window_e2e.sh path/to/window_probe data-dir. Exits 77 (skipped) when the X tools are missing.
set -u
probe=$1
data=$2
for tool in xvfb-run xdotool import xprop xwininfo; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
# -noreset: the server would reset when the last window closes, and a program started during the
# reset finds no display.
if [[ -z "${MARIVANE_E2E_DISPLAY:-}" ]]; then
    MARIVANE_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
work=$(mktemp -d)
pid=
trap '[[ -n "$pid" ]] && kill "$pid" 2> /dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
ln -s "$data"/IB1VGA.DAT "$data"/IB2VGA.DAT .
mkfifo instructions.bmp  # a page that would block whoever reads it

fail() {
    echo "FAIL: $*"
    echo "--- probe output:"; cat log
    echo "--- probe errors:"; head -20 err
    exit 1
}
# Waits up to 10 s for a line of the probe's output matching the pattern.
wait_line() {
    for _ in $(seq 200); do
        grep -qE "$1" log && return 0
        sleep 0.05
    done
    fail "no line matching '$1'"
}
wait_window() {  # name, present (1) or gone (0)
    for _ in $(seq 200); do
        if xdotool search --name "$1" > /dev/null 2>&1; then [[ $2 == 1 ]] && return 0
        else [[ $2 == 0 ]] && return 0; fi
        sleep 0.05
    done
    fail "window '$1' did not $([[ $2 == 1 ]] && echo appear || echo go away)"
}
click() {  # x y [button]: held a tenth of a second, as a hand does
    xdotool mousemove --window "$win" "$1" "$2" mousedown "${3:-1}" sleep 0.1 mouseup "${3:-1}"
}
tap() {  # x y: pressed and let go at once, as a touchpad tap is
    xdotool mousemove --window "$win" "$1" "$2" click 1
}
centre_of() {  # window id: its centre on the screen, "x y"
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print int(x + w / 2), int(y + h / 2)}'
}
box_belongs() {  # title: the box is transient for the main window and centred on it
    local box owner
    box=$(xdotool search --name "$1" | head -1)
    for _ in $(seq 40); do
        owner=$(xprop -id "$box" WM_TRANSIENT_FOR)
        grep -qi "$(printf '0x%x' "$win")\$" <<< "$owner" && break
        sleep 0.05
    done
    grep -qi "$(printf '0x%x' "$win")\$" <<< "$owner" || fail "'$1' does not belong to the main window: $owner"
    read -r bx by < <(centre_of "$box")
    read -r mx my < <(centre_of "$win")
    (( bx - mx < 3 && mx - bx < 3 && by - my < 3 && my - by < 3 )) ||
        fail "'$1' centred at $bx,$by, the main window at $mx,$my"
}

"$probe" --bench > bench.txt || fail "bench"
cat bench.txt
# The window presents into its own surface, which sends the display only the rows that changed.
grep -q 'window surface' bench.txt || fail "the window presents through a renderer"
"$probe" > log 2> err &
pid=$!
wait_line '^ready'
read -r _ _ first_ms _ file_x quit_x quit_y _ help_x item_x instr_y about_y < <(grep '^ready' log)
echo "start-up to the first presented frame (with the window shown): $first_ms ms"
win=$(xdotool search --name '^Marivane' | head -1)
[[ -n "$win" ]] || fail "no main window"
xprop -id "$win" _NET_WM_ICON | grep -q 'Icon (64 x 64)' || fail "the window has no icon"
sleep 0.2

# Pointer: the frame fills 700 x 550 below the 19-pixel strip.
click 350 294 && wait_line '^left 160 100$'
click 70 74 3 && wait_line '^right 32 20$'
click 699 568 && wait_line '^left 319 199$'
# Taps with no hold, quickly one after another: each reaches the game once, where it was made.
for x in 100 200 300 400 500; do tap "$x" 294; done
wait_line '^left 228 100$'
taps=$(grep '^left' log | tail -5 | awk '{print $2}' | xargs)
[[ "$taps" == "45 91 137 182 228" ]] || fail "taps: got '$taps'"
click 350 294  # the marker back in the middle
for _ in $(seq 200); do (( $(grep -c '^left 160 100$' log) == 2 )) && break; sleep 0.05; done
sleep 0.2  # the next tick presents it

# Keys: the arrows and Delete, the characters sharing their codes, control keys, text; Page Up
# and Home give nothing.
xdotool key --delay 80 Left Up Right Down Delete percent ampersand apostrophe parenleft period \
    Return Escape BackSpace Prior Home ctrl+a
xdotool type --delay 80 'Hi'
wait_line '^key 105$'
want="37 38 39 40 46 37 38 39 40 46 13 27 8 1 72 105"
got=$(grep '^key' log | awk '{print $2}' | xargs)
[[ "$got" == "$want" ]] || fail "keys: got '$got', want '$want'"
# Ten letters 30 ms apart, faster than the game takes them: all ten, in order.
xdotool type --delay 30 'Qwertyuiop'
wait_line '^key 112$'
got=$(grep '^key' log | tail -10 | awk '{printf "%c", $2}')
[[ "$got" == "Qwertyuiop" ]] || fail "typed 'Qwertyuiop', the game got '$got'"
# The keypad: with NumLock off (as the display starts) its 4 8 6 2 and Del are the arrows and
# Delete; with NumLock on the same keys type digits.
xdotool key --delay 80 KP_Left KP_Up KP_Right KP_Down KP_Delete
wait_line '^key 46$'  # the Delete of the keypad (the key before was 112)
xdotool key Num_Lock
xdotool key --delay 80 KP_Left KP_Up
wait_line '^key 56$'
xdotool key Num_Lock
got=$(grep '^key' log | tail -7 | awk '{print $2}' | xargs)
[[ "$got" == "37 38 39 40 46 52 56" ]] || fail "keypad: got '$got'"

# The window shows the frame, marker included.
import -window "$win" -depth 8 shot.ppm || fail "no screenshot"
"$probe" --compare shot.ppm 160 100 || fail "screenshot differs from the frame"

# Idle: nothing drawn, nothing moving.
sleep 0.5
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
t0=$(ticks); sleep 3; t1=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU of the idle window (game thread polling every 20 ms included): $(( (t1 - t0) * 1000 / (3 * hz) / 10 )).$(( (t1 - t0) * 1000 / (3 * hz) % 10 ))%"
(( (t1 - t0) * 100 < 10 * 3 * hz )) || fail "idle window uses more than 10% CPU"

# Alt+? and Alt+/ open About; Enter closes it. The menu opens About and Instructions.
xdotool key alt+question && wait_window '^About Marivane$' 1
box_belongs '^About Marivane$'
xdotool key Return && wait_window '^About Marivane$' 0
xdotool key alt+slash && wait_window '^About Marivane$' 1
xdotool key Escape && wait_window '^About Marivane$' 0
click "$help_x" 9 && sleep 0.2 && click "$item_x" "$about_y" && wait_window '^About Marivane$' 1
xdotool key Return && wait_window '^About Marivane$' 0
click "$help_x" 9 && sleep 0.2 && click "$item_x" "$instr_y" && wait_window '^Instructions$' 1
box_belongs '^Instructions$'
xdotool key Return && wait_window '^Instructions$' 0
lefts=$(grep -c '^left' log)
(( lefts == 8 )) || fail "a press meant for the menu or a box reached the game"
click 100 100 && wait_line '^left 45 29$'  # the game has the pointer back

# File > Quit ends the process at once, with the game thread still running.
click "$file_x" 9 && sleep 0.2 && click "$quit_x" "$quit_y"
for _ in $(seq 80); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$pid" 2> /dev/null && fail "Quit did not end the process"
wait "$pid"; rc=$?
pid=
(( rc == 0 )) || fail "exit status $rc after Quit"

# The game's own end ends the window and the process, with the game's status.
"$probe" > log 2> err &
pid=$!
wait_line '^ready'
win=$(xdotool search --name '^Marivane' | head -1)
xdotool key ctrl+q
wait_line '^game ends'
for _ in $(seq 80); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$pid" 2> /dev/null && fail "the window stayed after the game ended"
wait "$pid"; rc=$?
pid=
(( rc == 5 )) || fail "exit status $rc after the game's end, not the game's 5"
echo "window end to end: all checks passed"
