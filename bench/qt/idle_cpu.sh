#!/usr/bin/env bash
# CPU used by the open window while idle: starts it under Xvfb, lets it settle
# for 2 s, then reads its user+system time over the given seconds (default 30)
# and prints it as a share of one core.
#   bench/qt/idle_cpu.sh build/app/chengxi-water [seconds]
set -euo pipefail
program=${1:?usage: idle_cpu.sh PROGRAM [SECONDS]}
seconds=${2:-30}

export program seconds
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    cpu_ticks() { awk "{ print \$14 + \$15 }" "/proc/$1/stat"; }
    "$program" &
    pid=$!
    sleep 2
    start=$(cpu_ticks "$pid")
    sleep "$seconds"
    end=$(cpu_ticks "$pid")
    kill "$pid"
    hz=$(getconf CLK_TCK)
    awk -v t=$((end - start)) -v hz="$hz" -v s="$seconds" \
        "BEGIN { printf \"idle: %.2f s of CPU in %d s, %.2f%% of one core\\n\", t / hz, s, 100 * t / hz / s }"
'
