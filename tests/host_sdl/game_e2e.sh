#!/usr/bin/env bash
# End-to-end test of the game program in a real window on a virtual X display, played as a person
# would with the keyboard and the pointer: the intro skipped, a saved game loaded at the start by
# typing its ten-letter name 30 ms a key, the clock started and stopped by taps on the run button
# with no hold, the game saved, and the game quit through its own Quit: the question, the ranking
# list, the offer of statistics, the farewell box's OK; then the window closes and the program ends
# with status 0.
# A second start without a font shows the window's box naming it and ends with status 1 once it
# is closed. Also reports the CPU the game takes at the main screen with the clock running.
# Usage: game_e2e.sh marivane-en data-dir game_file_tool. Exits 77 when the X tools are missing.
set -u
game=$1
data=$2
tool=$3
for tool_name in xvfb-run xdotool; do
    command -v "$tool_name" > /dev/null || { echo "skipped: $tool_name is not installed"; exit 77; }
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
for f in "$data"/*; do ln -s "$f" .; done
mkdir games
"$tool" --write games/qwertyuiop.trp || { echo "FAIL: no game file"; exit 1; }

fail() {
    echo "FAIL: $*"
    echo "--- game errors:"; head -20 err
    exit 1
}
# Frame pixel (x, y) in the window: the frame is 640 x 400 below the 19-pixel strip.
at() { echo $((2 * $1 + 1)) $((19 + 2 * $2 + 1)); }
tap() {  # frame x y: pressed and let go at once
    read -r wx wy < <(at "$1" "$2")
    xdotool mousemove --window "$win" "$wx" "$wy" click 1
}
key() { xdotool key "$@"; }  # to the focused window: events sent to a window are ignored
inode() { stat -c %i games/qwertyuiop.trp; }
saved_since() {  # inode: waits up to 5 s for the file to be written anew
    for _ in $(seq 100); do [[ $(inode) != "$1" ]] && return 0; sleep 0.05; done
    return 1
}
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

"$game" > out 2> err &
pid=$!
for _ in $(seq 200); do
    win=$(xdotool search --name '^Marivane' 2> /dev/null | head -1)
    [[ -n "$win" ]] && break
    sleep 0.05
done
[[ -n "$win" ]] || fail "no window"
# The space bar skips the intro: at once when the title takes it, else after the intro's two
# shortest phases (1.6 s each). Then the question whether to load a game.
sleep 3
key space && sleep 6
key y && sleep 1  # the file requester, in its drawer field
key Return && sleep 0.5
xdotool type --delay 30 'Qwertyuiop'
sleep 0.5
key Return && sleep 0.3 && key Return  # ends the name, then the requester: the game loads
sleep 2
before=$(inode)
key S  # saves under the loaded name without asking: only at the main screen of the loaded game
saved_since "$before" || fail "the game was not loaded: the typed name lost letters"

tap 39 179  # the run button: the clock runs
sleep 1
t0=$(ticks); sleep 4; t1=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU at the main screen with the clock running: $(( (t1 - t0) * 1000 / (4 * hz) / 10 )).$(( (t1 - t0) * 1000 / (4 * hz) % 10 ))%"
tap 39 179  # stops it
sleep 1
before=$(inode)
key S
saved_since "$before" || fail "the second save did not happen"
day=$("$tool" --day games/qwertyuiop.trp) || fail "the saved game cannot be read"
(( day > 10 )) || fail "the clock did not run: still day $day after a tap on the run button"
echo "the clock ran from day 10 to day $day"

# The game's own Quit: the question (yes), the ranking list (OK), the offer of statistics (no), the
# farewell's OK.
key Q && sleep 1
key y && sleep 2
key Return && sleep 2
key n && sleep 2
key Return
for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$pid" 2> /dev/null && fail "the program did not end after the farewell"
wait "$pid"; rc=$?
pid=
(( rc == 0 )) || fail "exit status $rc after the game's Quit"
xdotool search --name '^Marivane' > /dev/null 2>&1 && fail "a window stayed"

# Without a font the game cannot start: the window's box names it; closing it ends with status 1.
rm sys13.fnt
"$game" > out 2> err &
pid=$!
box=
for _ in $(seq 200); do
    box=$(xdotool search --name '^Marivane$' 2> /dev/null | head -1)
    [[ -n "$box" ]] && break
    sleep 0.05
done
[[ -n "$box" ]] || fail "no box saying why the game cannot start"
sleep 0.5
kill -0 "$pid" 2> /dev/null || fail "the program ended before the box was closed"
xdotool key Return
for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$pid" 2> /dev/null && fail "closing the box did not end the program"
wait "$pid"; rc=$?
pid=
(( rc == 1 )) || fail "exit status $rc without a font, not 1"
grep -q sys13.fnt err || fail "the missing font was not named on stderr"
echo "game end to end: all checks passed"
