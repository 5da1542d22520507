#!/usr/bin/env bash
# Start-up of the real program on an X server: the time from launch until the main window is
# on screen, and the resident memory once it is, as medians over several runs.
# Needs Xvfb, xdotool and xwininfo (Debian: xvfb xdotool x11-utils); uses $DISPLAY when set.
#   bench/startup.sh [program] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/kelvo-calculator}
runs=${2:-11}
for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" > /dev/null || { echo "needs $tool (apt-get install xvfb xdotool x11-utils)"; exit 2; }
done

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display and writes its number once it accepts clients; -noreset keeps it
    # from resetting (and refusing clients for a moment) each time a measured run ends.
    number_file=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 3> "$number_file" > /dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2> /dev/null; rm -f "$number_file"' EXIT
    for ((try = 0; try < 500; try++)); do
        [ -s "$number_file" ] && break
        sleep 0.01
    done
    [ -s "$number_file" ] || { echo "Xvfb did not start"; exit 2; }
    export DISPLAY=":$(head -n 1 "$number_file")"
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

times=()
memory=()
for ((run = 0; run < runs; run++)); do
    start=$(date +%s%N)
    "$program" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" --name '^Kelvo Calculator$' > /dev/null 2>&1; do
        kill -0 "$pid" 2> /dev/null || { echo "the program ended before showing its window"; exit 1; }
        sleep 0.002
    done
    shown=$(date +%s%N)
    times+=($(( (shown - start) / 1000000 )))
    sleep 0.3
    memory+=($(awk '/VmRSS/ { print int($2 / 1024) }' "/proc/$pid/status"))
    kill "$pid"
    wait "$pid" 2> /dev/null || true
done

echo "start to window on screen: median $(printf '%s\n' "${times[@]}" | median) ms (runs: ${times[*]})"
echo "resident memory after start-up: median $(printf '%s\n' "${memory[@]}" | median) MB (runs: ${memory[*]})"
