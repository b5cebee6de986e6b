#!/bin/sh
# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and memory of the game beside a bare Qt window and the yardstick,
# timed from outside the process on Xvfb screens of their own: at 1366 x 768
# and at scale factor 2, each without and with a window manager (openbox).
#   bench/startup.sh [BUILD_FOLDER [ROUNDS]]
# Build in Release for real figures:
#   cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-release && bench/startup.sh build-release
set -eu
build=${1:-build}
rounds=${2:-17}

for scale in 1 2; do
    for manager in "" --window-manager; do
        "$build/bench/startup_bench" --rounds "$rounds" --scale "$scale" $manager "$build/app"
    done
done
