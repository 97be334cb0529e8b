#!/usr/bin/env bash
# The cold path: every first action of bench/cold_actions.txt, each in fresh processes of the driver, with the
# driver's own time of the action (its "ms"); prints each run and the median.
#
#   bench/cold.sh [DRIVER] [ACTIONS] [RUNS]
#
# DRIVER defaults to build/bin/pelagonix-drive, ACTIONS to the list beside this script, RUNS to 3.  The platform is
# the driver's own default (offscreen) unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
driver="${1:-$here/../build/bin/pelagonix-drive}"
actions="${2:-$here/cold_actions.txt}"
runs="${3:-3}"
[[ -x "$driver" ]] || { echo "no driver at $driver" >&2; exit 1; }

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{v[NR] = $1} END {
    if (NR == 0) { print "-"; exit }
    if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-32s %-28s %s\n' "action" "runs (ms)" "median (ms)"
while IFS= read -r line || [[ -n "$line" ]]; do
    [[ -z "${line// /}" || "$line" == \#* ]] && continue
    name="${line%%|*}"
    name="${name%"${name##*[![:space:]]}"}"
    commands="${line#*|}"
    script="$(printf '%s' "$commands" | sed 's/ ; /\n/g; s/^ *//')"
    times=""
    for ((r = 0; r < runs; r++)); do
        if [[ -z "${script// /}" ]]; then
            out="$("$driver" < /dev/null 2>/dev/null)"
            ms="$(printf '%s\n' "$out" | grep '"started"' | sed -n 's/.*"ms":\([0-9.]*\).*/\1/p')"
        else
            out="$(printf '%s\n' "$script" | "$driver" 2>/dev/null)"
            if printf '%s\n' "$out" | grep -q '"error"'; then
                echo "$name: $(printf '%s\n' "$out" | grep '"error"' | head -1)" >&2
                exit 1
            fi
            ms="$(printf '%s\n' "$out" | grep '"done"' | tail -1 | sed -n 's/.*"ms":\([0-9.]*\).*/\1/p')"
        fi
        times="$times $ms"
    done
    printf '%-32s %-28s %s\n' "$name" "${times# }" "$(printf '%s' "$times" | median)"
done < "$actions"
