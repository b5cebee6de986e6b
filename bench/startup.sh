#!/bin/sh
# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and memory of the game beside an empty Qt window, under Xvfb on a
# 1366 x 768 screen: once with no window manager, once under openbox.
#   bench/startup.sh [BUILD_FOLDER [ROUNDS [MEMORY_ROUNDS]]]
# Extra Xvfb or Qt settings pass through, e.g. for a HiDPI run:
#   SCREEN=2732x1536x24 QT_SCALE_FACTOR=2 bench/startup.sh build-release
set -eu
build=${1:-build}
rounds=${2:-15}
memory=${3:-3}
screen=${SCREEN:-1366x768x24}
bench="$(cd "$build/bench" && pwd)/startup_bench"

echo "load: $(uptime)"
echo "== no window manager, screen $screen"
xvfb-run -a -s "-screen 0 $screen" "$bench" "$rounds" "$memory"

echo "== openbox, screen $screen"
xvfb-run -a -s "-screen 0 $screen" sh -c '
    openbox >/dev/null 2>&1 & wm=$!
    sleep 1
    "$0" "$1" "$2"
    kill $wm' "$bench" "$rounds" "$memory"
echo "load: $(uptime)"
