#!/usr/bin/env bash
# The CPU the game takes while it waits at the main screen, with the clock stopped and running,
# in a real window on a virtual X display. Several builds of the game are measured side by side,
# in turns, on the same saved game, so that they share the machine's conditions.
# Usage: idle_cost.sh data-dir game_file_tool game-program... (rounds: IDLE_ROUNDS, default 2)
set -u
# -noreset: the server would reset when a game's window closes, and the next game started during
# the reset would find no display.
if [[ -z "${MARIVANE_E2E_DISPLAY:-}" ]]; then
    MARIVANE_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
data=$1
tool=$2
shift 2
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
hz=$(getconf CLK_TCK)
pid=
trap '[[ -n "$pid" ]] && kill "$pid" 2> /dev/null' EXIT

cpu() {  # seconds: the game's CPU over that time, in tenths of a per cent of one core
    local t0 t1
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat"); sleep "$1"
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    echo $(( (t1 - t0) * 1000 / ($1 * hz) ))
}
per_cent() { echo "$(( $1 / 10 )).$(( $1 % 10 ))%"; }

measure() {  # game: prints "stopped running at-main-screen"
    local work
    work=$(mktemp -d)
    (cd "$work" && for f in "$data"/*; do ln -s "$f" .; done && mkdir games && "$tool" --write games/idle.trp)
    (cd "$work" && exec "$1" > /dev/null 2>&1) &
    pid=$!
    sleep 3; xdotool key space; sleep 6  # past the intro
    xdotool key y; sleep 1; xdotool key Return; sleep 0.5
    xdotool type --delay 150 idle; sleep 0.5
    xdotool key Return; sleep 0.3; xdotool key Return; sleep 3  # the saved game's main screen
    local before shown=no stopped running
    before=$(stat -c %i "$work/games/idle.trp")
    xdotool key S; sleep 1
    [[ $(stat -c %i "$work/games/idle.trp") != "$before" ]] && shown=yes
    stopped=$(cpu 5)
    xdotool key space; sleep 1  # the clock runs
    running=$(cpu 10)
    kill "$pid"; wait "$pid" 2> /dev/null; pid=
    rm -rf "$work"
    echo "$stopped $running $shown"
}

rounds=${IDLE_ROUNDS:-2}
for (( r = 1; r <= rounds; ++r )); do
    for game in "$@"; do
        read -r stopped running shown < <(measure "$game")
        echo "round $r  $game: clock stopped $(per_cent "$stopped"), running $(per_cent "$running") (main screen: $shown)"
    done
done
