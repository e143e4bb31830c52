#!/usr/bin/env bash
# A short run of one fuzz target from its seed corpus; new inputs go to a scratch directory, so
# the committed corpus never changes. Prints how many inputs were executed.
#   fuzz-smoke.sh TARGET SEED_DIR SECONDS
set -euo pipefail
target=$1
seeds=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/log"
mkdir "$work/corpus"
if ! "$target" "$work/corpus" "$seeds" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
     -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/" >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
fi
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
echo "$(basename "$target"): $runs ejecuciones en ${seconds}s, sin fallos"
