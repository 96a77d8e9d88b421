#!/usr/bin/env bash
# The build-time text check fails on a table with faults and names each one.
# Usage: faulty_texts_test.sh <lang_check_faulty program> <data directory>
set -uo pipefail
cd "$2" || exit 1
out=$("$1")
status=$?
failed=0
if (( status != 1 )); then echo "FAIL: status $status, not 1"; failed=1; fi
for expected in \
    "TXT_CM_RATE: conversions \[%s \] differ from English \[%ld \]" \
    "TXT_HV_FINE_2: a conversion the game never passes" \
    "TXT_PORT_LONDON: character U+20AC has no byte in the build's code page" \
    "TXT_QUIT_YES: character U+00D8 has no byte in the build's code page" \
    "TXT_OFFICE_INFO: \"Information\" is [0-9]* px in sys13.fnt, budget 27" \
    "TXT_HS_REPAIR_PERCENT: has 2 lines, English 1" \
    "TXT_HS_REPAIR_PERCENT: more lines than the budget's 1"; do
    if ! grep -q "$expected" <<< "$out"; then echo "FAIL: no fault like: $expected"; failed=1; fi
done
faults=$(grep -c ': ' <<< "$(grep -v warning <<< "$out" | grep -v 'faults in the texts')")
if (( faults != 7 )); then echo "FAIL: $faults faults reported, 7 expected:"; echo "$out"; failed=1; fi
exit $failed
