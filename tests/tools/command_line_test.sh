#!/usr/bin/env bash
# Every tool a person runs answers --help with its usage on standard output and status 0, and
# refuses an unknown option with a message and the usage on standard error and status 2, before
# doing anything else. Usage: command_line_test.sh <program or script> ...
set -uo pipefail
failed=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
run() {
    case "$1" in
        *.sh) bash "$@" ;;
        *) "$@" ;;
    esac
}
for tool in "$@"; do
    name=$(basename "$tool")
    run "$tool" --help > "$out" 2> "$err"
    status=$?
    if (( status != 0 )) || ! grep -q '^usage: ' "$out" || [[ -s "$err" ]]; then
        echo "FAIL $name --help: status $status, stdout: $(head -c 300 "$out"), stderr: $(head -c 300 "$err")"
        failed=1
    fi
    run "$tool" --no-such-option > "$out" 2> "$err"
    status=$?
    if (( status != 2 )) || ! grep -q 'unknown option --no-such-option' "$err" || ! grep -q '^usage: ' "$err" \
        || [[ -s "$out" ]]; then
        echo "FAIL $name --no-such-option: status $status, stdout: $(head -c 300 "$out"), stderr: $(head -c 300 "$err")"
        failed=1
    fi
    # Neither may have made a file or folder of the option's name.
    if [[ -e --help || -e --no-such-option ]]; then
        echo "FAIL $name took an option for a file name"
        rm -rf -- --help --no-such-option
        failed=1
    fi
done
exit $failed
