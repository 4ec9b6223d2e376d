#!/usr/bin/env bash
# Start-up to a shown main window, from outside: runs each given tessaly
# binary RUNS times (default 20), interleaved so that the machine's load
# falls on all of them alike, each with a fresh config folder, the offscreen
# platform and TESSALY_QUIT_AFTER_SHOW (the program ends as soon as its main
# window has been shown and painted). Prints per binary the median, the
# quartiles and the extremes of the wall-clock times in milliseconds.
#
#   bench/startup.sh [-n RUNS] BINARY [BINARY...]
set -euo pipefail
runs=20
if [ "${1:-}" = "-n" ]; then runs=$2; shift 2; fi
[ $# -ge 1 ] || { echo "usage: $0 [-n RUNS] BINARY [BINARY...]" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen TESSALY_QUIT_AFTER_SHOW=1
export XDG_STATE_HOME="$tmp/state" TESSALY_PROGRAM_DIR="$tmp/program"
mkdir -p "$TESSALY_PROGRAM_DIR"

# One warm-up run each, so that the first timed run does not read from disk.
for b in "$@"; do TESSALY_CONFIG_DIR="$tmp/warm" "$b" >/dev/null 2>&1 || true; done
for ((r = 0; r < runs; r++)); do
    i=0
    for b in "$@"; do
        rm -rf "$tmp/config"
        start=$(date +%s%N)
        TESSALY_CONFIG_DIR="$tmp/config" "$b" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>"$tmp/times.$i"
        i=$((i + 1))
    done
done
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)  runs: $runs"
i=0
for b in "$@"; do
    sort -n "$tmp/times.$i" | awk -v name="$b" '
        { t[NR] = $1 / 1000 }
        END {
            printf "%-40s median %7.1f ms  quartiles %7.1f .. %7.1f  min %7.1f  max %7.1f\n",
                name, t[int((NR + 1) / 2)], t[int((NR + 3) / 4)], t[int((3 * NR + 1) / 4)], t[1], t[NR]
        }'
    i=$((i + 1))
done
