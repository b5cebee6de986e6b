#!/bin/sh
# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages as a player gets them, on this very machine: run by
# hand as root after `make package`, since it installs and purges packages.
#   - apt installs mokopi and mokopi-data together from their .deb files;
#   - /usr/games/mokopi starts as an unprivileged user (nobody, with a home
#     of its own) on a screen of its own, names both pets by keys, saves with
#     Ctrl+S into that user's ~/.local/share/mokopi/ and quits with Ctrl+Q;
#   - apt purge mokopi mokopi-data leaves none of their files behind.
# usage: package_test.sh PACKAGE_DIR   (build/package after make package)
set -eu
dir=$(realpath "$1")
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "run as root: it installs and purges packages"
for package in mokopi mokopi-data; do
    if dpkg-query -W -f '${Status}\n' "$package" 2>/dev/null | grep -qv ' not-installed$'; then
        fail "$package is on this machine already; purge it first"
    fi
done
set -- "$dir"/mokopi_*.deb "$dir"/mokopi-data_*.deb
[ -f "$1" ] && [ -f "$2" ] || fail "no mokopi and mokopi-data packages in $dir"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt could not install both packages"; }
dpkg -L mokopi mokopi-data | grep -vx '/\.' | sort -u >"$work/files"
echo "installed $(wc -l <"$work/files") paths"

# The player: nobody, in a home of its own with nothing in it, on a screen
# of its own. The speech line has the keyboard at the start: Enter reads on
# until a name box opens; each box takes a name and Enter.
mkdir "$work/home"
chown nobody "$work/home"
cat >"$work/play" <<'PLAY'
set -eu
/usr/games/mokopi >"$HOME/game.log" 2>&1 &
game=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^もこぴ育成$' | head -1)
xdotool windowfocus --sync "$window"
boxes() { xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$window" || true; }
named=0
for step in $(seq 40); do
    sleep 0.3
    box=$(boxes | head -1)
    if [ -z "$box" ]; then
        [ "$named" -lt 2 ] || break
        xdotool windowfocus --sync "$window" key Return
    else
        xdotool windowfocus --sync "$box"
        if [ "$named" -eq 0 ]; then xdotool type tama; else xdotool type moko; fi
        xdotool key Return
        named=$((named + 1))
    fi
done
[ "$named" -eq 2 ] || { echo "only $named name boxes came"; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$window" key ctrl+s
sleep 1
box=$(boxes | head -1)
[ -n "$box" ] || { echo "no box after saving"; exit 1; }
xdotool windowfocus --sync "$box" key Return
sleep 0.5
xdotool windowfocus --sync "$window" key ctrl+q
wait "$game"
PLAY
runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 \
    xvfb-run -a -s '-screen 0 1366x768x24' sh "$work/play" || {
    cat "$work/home/game.log" 2>/dev/null
    fail "the game did not play, save and quit as nobody"
}
save="$work/home/.local/share/mokopi/mokopi.dat"
[ -s "$save" ] || fail "no save in ~/.local/share/mokopi/"
[ "$(stat -c %U "$save")" = nobody ] || fail "the save does not belong to the player"
grep -q tama "$save" && grep -q moko "$save" || fail "the save does not hold both names"
echo "saved as nobody: $save"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q mokopi mokopi-data >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt could not purge both packages"; }
if dpkg-query -W -f '${Status}\n' mokopi mokopi-data 2>/dev/null | grep -qv ' not-installed$'; then
    fail "dpkg still keeps something of the packages"
fi
# What is left must be a folder that another package still owns.
left=0
while read -r path; do
    [ -e "$path" ] || continue
    if [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then
        continue
    fi
    echo "left behind: $path" >&2
    left=$((left + 1))
done <"$work/files"
[ "$left" -eq 0 ] || fail "$left paths of the packages are left after purging"
echo "purged: none of the $(wc -l <"$work/files") paths is left"
echo "PASS"
