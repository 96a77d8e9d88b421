#!/usr/bin/env bash
# End-to-end test of the window host on a virtual X display: pointer presses and keys reach the
# game thread with the right values, a screenshot of the window matches the frame, the window menu
# opens the About and Instructions boxes, and File > Quit ends the process. Also reports the
# start-up time, the cost of a presentation and the CPU the idle window uses.
# Usage: window_e2e.sh path/to/window_probe. Exits 77 (skipped) when the X tools are missing.
set -u
probe=$1
for tool in xvfb-run xdotool import; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
if [[ -z "${MARIVANE_E2E_DISPLAY:-}" ]]; then
    MARIVANE_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
work=$(mktemp -d)
pid=
trap '[[ -n "$pid" ]] && kill "$pid" 2> /dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

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
click() {  # x y [button]: held a tenth of a second, as a hand does (the game polls the buttons)
    xdotool mousemove --window "$win" "$1" "$2" mousedown "${3:-1}" sleep 0.1 mouseup "${3:-1}"
}

"$probe" --bench || fail "bench"
"$probe" > log 2> err &
pid=$!
wait_line '^ready'
read -r _ _ first_ms _ file_x quit_x quit_y _ help_x item_x instr_y about_y < <(grep '^ready' log)
echo "start-up to the first presented frame (with the window shown): $first_ms ms"
win=$(xdotool search --name '^Marivane' | head -1)
[[ -n "$win" ]] || fail "no main window"
sleep 0.2

# Pointer: the frame fills 700 x 550 below the 19-pixel strip.
click 350 294 && wait_line '^left 160 100$'
click 70 74 3 && wait_line '^right 32 20$'
click 699 568 && wait_line '^left 319 199$'
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
xdotool key alt+question && wait_window '^Info$' 1
xdotool key Return && wait_window '^Info$' 0
xdotool key alt+slash && wait_window '^Info$' 1
xdotool key Escape && wait_window '^Info$' 0
click "$help_x" 9 && sleep 0.2 && click "$item_x" "$about_y" && wait_window '^Info$' 1
xdotool key Return && wait_window '^Info$' 0
click "$help_x" 9 && sleep 0.2 && click "$item_x" "$instr_y" && wait_window '^Dialog$' 1
xdotool key Return && wait_window '^Dialog$' 0
lefts=$(grep -c '^left' log)
(( lefts == 3 )) || fail "a press meant for the menu or a box reached the game"
click 100 100 && wait_line '^left 45 29$'  # the game has the pointer back

# File > Quit ends the process at once, with the game thread still running.
click "$file_x" 9 && sleep 0.2 && click "$quit_x" "$quit_y"
for _ in $(seq 80); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$pid" 2> /dev/null && fail "Quit did not end the process"
wait "$pid"; rc=$?
pid=
(( rc == 0 )) || fail "exit status $rc after Quit"
echo "window end to end: all checks passed"
