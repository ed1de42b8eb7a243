#!/usr/bin/env bash
# Launch time of sorvex beside a minimal Qt window, by hand: from exec until
# the disclaimer (423 x 230) is mapped, against a program that shows one
# button in the same font in a window of the same size. Runs both in turns
# under a private Xvfb with no window manager, as many pairs as asked (11 by
# default), and prints each median and their ratio.
#
#   bench/launch/compare.sh [BUILD_DIR] [PAIRS]
#
# Needs xvfb-run and a build with the X11 headers (libx11-dev), which builds
# sorvex-mapprobe. Not run by CTest: timings need a quiet machine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
pairs=${2:-11}

if [ "${SORVEX_COMPARE_INSIDE_X:-}" != 1 ]; then
    command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed (Debian package xvfb)" >&2; exit 2; }
    for program in bench/launch/sorvex-mapprobe bench/launch/sorvex-minimalwindow app/sorvex; do
        [ -x "$build/$program" ] || { echo "not built: $build/$program" >&2; exit 2; }
    done
    SORVEX_COMPARE_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$pairs"
fi

probe=$build/bench/launch/sorvex-mapprobe
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# sorvex finds its pictures in its working folder; the disclaimer needs none,
# but the folder keeps the run as a user's.
cd "$build/run"
# One unmeasured run each, so both start with warm file caches.
"$probe" 423 230 -- "$build/bench/launch/sorvex-minimalwindow" >/dev/null
"$probe" 423 230 -- "$build/app/sorvex" >/dev/null
minimal=()
sorvex=()
for _ in $(seq "$pairs"); do
    minimal+=("$("$probe" 423 230 -- "$build/bench/launch/sorvex-minimalwindow")")
    sorvex+=("$("$probe" 423 230 -- "$build/app/sorvex")")
done
minimalMedian=$(printf '%s\n' "${minimal[@]}" | median)
sorvexMedian=$(printf '%s\n' "${sorvex[@]}" | median)
echo "minimal Qt window: ${minimal[*]} ms, median $minimalMedian ms"
echo "sorvex disclaimer: ${sorvex[*]} ms, median $sorvexMedian ms"
awk -v s="$sorvexMedian" -v m="$minimalMedian" 'BEGIN {printf "ratio: %.2f (goal at most 1.10)\n", s / m}'
