#!/bin/sh
# Start-up of the textbook against a bare Qt window, under Xvfb without a window manager:
# the time from the start of each program to its first mapped window, RUNS runs of each
# taken in turn, medians side by side and their ratio. Then the resident memory of the
# textbook and its HTML engine's processes, SETTLE seconds after start (past the splash's
# hand-over, with the main window up).
#
#   bench/startup/startup_bench.sh [BUILD_DIR] [RUNS] [SETTLE]
#
# Needs the targets vestron, first_window and bare_window built in BUILD_DIR.
set -eu

BUILD=${1:-build}
RUNS=${2:-9}
SETTLE=${3:-10}

if [ -z "${VESTRON_BENCH_DISPLAY:-}" ]; then
    VESTRON_BENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$BUILD" "$RUNS" "$SETTLE"
fi

BUILD=$(cd "$BUILD" && pwd)
for program in vestron bench/startup/first_window bench/startup/bare_window; do
    [ -x "$BUILD/$program" ] || { echo "missing $BUILD/$program: build it first" >&2; exit 2; }
done

# The student's settings and caches of these runs stay out of the real ones.
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
export XDG_CONFIG_HOME="$SCRATCH/config" XDG_CACHE_HOME="$SCRATCH/cache"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"

measure() {
    "$BUILD/bench/startup/first_window" -- "$@" | sed -n 's/^map_ms=//p'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One run of each first, not counted: the disk cache fills.
measure "$BUILD/vestron" >/dev/null
measure "$BUILD/bench/startup/bare_window" >/dev/null

: >"$SCRATCH/vestron.ms"
: >"$SCRATCH/bare.ms"
i=0
while [ "$i" -lt "$RUNS" ]; do
    measure "$BUILD/vestron" >>"$SCRATCH/vestron.ms"
    measure "$BUILD/bench/startup/bare_window" >>"$SCRATCH/bare.ms"
    i=$((i + 1))
done

echo "first mapped window, ms over $RUNS runs (one by one):"
paste "$SCRATCH/vestron.ms" "$SCRATCH/bare.ms" | awk '{ printf "  vestron %7.1f   bare Qt window %7.1f\n", $1, $2 }'
VESTRON=$(median <"$SCRATCH/vestron.ms")
BARE=$(median <"$SCRATCH/bare.ms")
echo "median: vestron $VESTRON ms, bare Qt window $BARE ms, ratio $(awk -v a="$VESTRON" -v b="$BARE" 'BEGIN { printf "%.2f", a / b }')"

echo "resident memory $SETTLE s after start:"
"$BUILD/bench/startup/first_window" --settle "$SETTLE" -- "$BUILD/vestron" | sed -n 's/^process=/  process /p; s/^rss_kib=/  total rss_kib=/p'
