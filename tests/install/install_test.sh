#!/bin/sh
# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a player gets it. One case per run:
#   layout      cmake --install puts every file in its place; the installed
#               mokopi answers --version and --help with no display at all
#               and refuses an unknown option;
#   saves       an installed copy, moved to another prefix, reads its pictures
#               from there and saves into $HOME/.local/share/mokopi;
#   portable    a copy of the build tree's folder keeps its save beside itself;
#   validators  the installed desktop entry and metainfo pass their validators.
# usage: install_test.sh CASE BUILD_DIR APP_DIR SAVE_PROBE DESKTOP_ID VERSION
set -eu
case=$1 build=$2 app=$3 probe=$4 id=$5 version=$6

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

install_into() {
    cmake --install "$build" --prefix "$1" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }
}

# Runs the save probe from folder $1 with a fresh home and the offscreen
# platform: it must read its pictures from folder $2, save into folder $3 and
# load that save back.
expect_probe_saves() {
    cp "$probe" "$1/"
    mkdir -p "$work/home"
    status=0
    env -u XDG_DATA_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 60 "$1/$(basename "$probe")" \
        >"$work/report" || status=$?
    [ "$status" -eq 0 ] || { cat "$work/report"; fail "the probe stopped with status $status"; }
    for line in "data: $2" "save: $3" "message: セーブしました" "message: ロードしました" "owner: タマ"; do
        grep -qxF "$line" "$work/report" || { cat "$work/report"; fail "no line \"$line\""; }
    done
    [ -s "$3/mokopi.dat" ] || fail "no save in $3"
}

case $case in
layout)
    install_into "$work/usr"
    for file in games/mokopi share/games/mokopi/load.bmp share/games/mokopi/stt.bmp share/games/mokopi/raku.bmp \
        share/games/mokopi/icon.png share/games/mokopi/ai.wav share/applications/$id.desktop \
        share/metainfo/$id.metainfo.xml share/man/man6/mokopi.6.gz; do
        [ -s "$work/usr/$file" ] || fail "missing $file"
    done
    # Every icon the build drew, and the scalable one among them.
    (cd "$build/icons" && find hicolor -type f) >"$work/icons"
    grep -qxF "hicolor/scalable/apps/$id.svg" "$work/icons" || fail "the build drew no scalable icon"
    while read -r icon; do
        cmp -s "$build/icons/$icon" "$work/usr/share/icons/$icon" || fail "$icon is not installed"
    done <"$work/icons"
    # Help and version need no display: nothing of the window system is opened.
    quiet="env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
    [ "$($quiet "$work/usr/games/mokopi" --version)" = "mokopi $version" ] || fail "--version"
    $quiet "$work/usr/games/mokopi" --help | grep -q -- '--version' || fail "--help"
    if QT_QPA_PLATFORM=offscreen timeout 20 "$work/usr/games/mokopi" --no-such-option 2>"$work/err"; then
        fail "an unknown option was accepted"
    fi
    grep -q "no-such-option" "$work/err" || fail "the refusal does not name the option"
    ;;
saves)
    install_into "$work/first"
    mv "$work/first" "$work/usr"
    expect_probe_saves "$work/usr/games" "$work/usr/share/games/mokopi/" "$work/home/.local/share/mokopi/"
    [ -z "$(find "$work/usr" -name 'mokopi.dat*')" ] || fail "a save inside the installation"
    ;;
portable)
    cp -r "$app" "$work/copy"
    rm -f "$work/copy/mokopi.dat"
    expect_probe_saves "$work/copy" "$work/copy/" "$work/copy/"
    [ -z "$(find "$work/home" -name 'mokopi.dat*')" ] || fail "a portable copy saved into the home folder"
    ;;
validators)
    install_into "$work/usr"
    desktop-file-validate "$work/usr/share/applications/$id.desktop" >"$work/said" 2>&1 || true
    [ ! -s "$work/said" ] || { cat "$work/said"; fail "desktop-file-validate"; }
    appstreamcli validate --no-net --pedantic "$work/usr/share/metainfo/$id.metainfo.xml" >"$work/said" 2>&1 \
        || { cat "$work/said"; fail "appstreamcli validate"; }
    if grep -qE '^[EWIP]:' "$work/said"; then cat "$work/said"; fail "appstreamcli finds something to mend"; fi
    ;;
*)
    fail "no case $case"
    ;;
esac
