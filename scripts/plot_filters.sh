#!/usr/bin/env bash
# Draw docs/filters.png: what each hrsmooth filter mode does to a heart-rate trace.
#
# Needs: bash, awk, gnuplot with the pngcairo terminal (Debian: apt-get install gnuplot-nox)
# and a built hrsmooth (cmake --preset release && cmake --build --preset release).
#
# Usage: scripts/plot_filters.sh [HRSMOOTH]
#   HRSMOOTH  the hrsmooth program to run (default: build/release/hrsmooth/hrsmooth)
#
# Runs HRSMOOTH in modes 1 to 7 on examples/intervals.hrm, takes the samples that follow
# [HRData] in each file it writes, and plots them against the samples of the input.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
hrsmooth=${1:-$root/build/release/hrsmooth/hrsmooth}
input=$root/examples/intervals.hrm
output=$root/docs/filters.png

if ! command -v gnuplot >/dev/null 2>&1; then
    echo "plot_filters.sh: gnuplot not found; install it (Debian: apt-get install gnuplot-nox)" >&2
    exit 1
fi
if [[ ! -x $hrsmooth ]]; then
    echo "plot_filters.sh: no hrsmooth program at $hrsmooth; build it first" \
         "(cmake --preset release && cmake --build --preset release) or give its path" >&2
    exit 1
fi
if [[ ! -r $input ]]; then
    echo "plot_filters.sh: cannot read $input" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The samples of an HRM file, one a line: the non-empty lines after [HRData].
samples() {
    awk '{ sub(/\r$/, "") } in_data && $0 != "" { print } /^\[HRData\]$/ { in_data = 1 }' "$1"
}

interval=$(awk -F= '{ sub(/\r$/, "") } tolower($1) == "interval" { print $2; exit }' "$input")
samples "$input" > "$work/raw"
count=$(wc -l < "$work/raw")

columns=("$work/raw")
for mode in 1 2 3 4 5 6 7; do
    "$hrsmooth" "$mode" "$input" "$work/mode$mode.hrm"
    samples "$work/mode$mode.hrm" > "$work/mode$mode"
    if [[ $(wc -l < "$work/mode$mode") -ne $count ]]; then
        echo "plot_filters.sh: mode $mode wrote $(wc -l < "$work/mode$mode") samples," \
             "the input has $count" >&2
        exit 1
    fi
    columns+=("$work/mode$mode")
done

# One row per sample: time in seconds, the input sample, then modes 1 to 7.
paste "${columns[@]}" | awk -v dt="$interval" '{ print (NR - 1) * dt, $0 }' > "$work/table"

mkdir -p "$(dirname "$output")"
gnuplot <<EOF
set terminal pngcairo size 1400,960 font "DejaVu Sans,11" noenhanced
set output "$output"
set datafile separator whitespace

data = "$work/table"
raw_style = "with linespoints lt rgb '#a0a0a0' lw 1 pt 7 ps 0.35"
full_left = 0.06; full_right = 0.64; zoom_left = 0.70; zoom_right = 0.98
zoom_from = 330; zoom_to = 450
array name[7] = ["3 peak", "3 even", "5 peak", "5 even", "7 peak", "7 soft peak", "7 even"]
array colour[7] = ["#d62728", "#1f77b4", "#d62728", "#1f77b4", "#d62728", "#2ca02c", "#1f77b4"]

set multiplot title "hrsmooth filter modes on examples/intervals.hrm (a 20-minute interval run, one sample every 5 s)" font ",14"
set grid lc rgb '#e0e0e0'
set ylabel "heart rate (beats per minute)"

do for [row = 0:2] {
    top = 0.92 - row * 0.31
    bottom = top - 0.21
    if (row == 0) { first = 1; last = 2; group = "3-point filters" }
    if (row == 1) { first = 3; last = 4; group = "5-point filters" }
    if (row == 2) { first = 5; last = 7; group = "7-point filters" }

    set tmargin at screen top; set bmargin at screen bottom
    set xlabel "time (s)"

    # the whole run
    set lmargin at screen full_left; set rmargin at screen full_right
    set title group . ", whole run"
    # in the low part of the hard intervals, where there are no samples
    set key at 735,55 right bottom box opaque samplen 2 spacing 1.1
    set xrange [0:1200]; set xtics 0,120,1200
    set yrange [50:235]; set ytics 60,20,220
    plot data using 1:2 @raw_style title "samples", \
         for [m = first:last] data using 1:(column(m + 2)) with lines lw 2 lc rgb colour[m] title sprintf("mode %d, %s", m, name[m])

    # close-up of the lone spike
    set lmargin at screen zoom_left; set rmargin at screen zoom_right
    set title group . ", the 220 spike at 385 s"
    unset key
    set xrange [zoom_from:zoom_to]; set xtics zoom_from,20,zoom_to
    set yrange [130:230]; set ytics 140,20,220
    plot data using 1:2 @raw_style notitle, \
         for [m = first:last] data using 1:(column(m + 2)) with linespoints lw 2 pt 7 ps 0.5 lc rgb colour[m] notitle
}
unset multiplot
EOF
echo "wrote $output"
