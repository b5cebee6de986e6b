#!/bin/sh
# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a player gets it. One case per run:
#   layout      cmake --install puts every file in its place; the installed
#               mokopi answers --version and --help with no display at all,
#               the help in the language asked for or the system's, refuses
#               what is neither its own argument nor Qt's, or a language it
#               does not speak, with status 1, and with no window system to
#               open, or no Qt plugin for one, says what it tried and ends
#               with status 4;
#   saves       an installed copy, moved to another prefix, reads its pictures
#               and loads its sound module from there and saves into $HOME/.local/share/mokopi, also
#               when XDG_DATA_HOME holds a relative path, which is ignored;
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
# platform, in the work folder and with XDG_DATA_HOME=$4 if given: it must
# read its pictures from folder $2, save into folder $3 and load that save back.
expect_probe_saves() {
    cp "$probe" "$1/"
    mkdir -p "$work/home"
    data_home="-u XDG_DATA_HOME"
    [ -z "${4:-}" ] || data_home="XDG_DATA_HOME=$4"
    status=0
    (cd "$work" && env $data_home HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 60 "$1/$(basename "$probe")") \
        >"$work/report" || status=$?
    [ "$status" -eq 0 ] || { cat "$work/report"; fail "the probe stopped with status $status"; }
    for line in "data: $2" "save: $3" "sounds: playing" "message: セーブしました" "message: ロードしました" "owner: タマ"; do
        grep -qxF "$line" "$work/report" || { cat "$work/report"; fail "no line \"$line\""; }
    done
    [ -s "$3/mokopi.dat" ] || fail "no save in $3"
}

case $case in
layout)
    install_into "$work/usr"
    for file in games/mokopi share/games/mokopi/load.bmp share/games/mokopi/stt.bmp share/games/mokopi/raku.bmp \
        share/games/mokopi/icon.png share/games/mokopi/ai.wav share/applications/$id.desktop \
        share/metainfo/$id.metainfo.xml share/man/man6/mokopi.6.gz share/games/mokopi/translations/mokopi_en.qm; do
        [ -s "$work/usr/$file" ] || fail "missing $file"
    done
    # Every icon the build drew, and the scalable one among them.
    (cd "$build/icons" && find hicolor -type f) >"$work/icons"
    grep -qxF "hicolor/scalable/apps/$id.svg" "$work/icons" || fail "the build drew no scalable icon"
    while read -r icon; do
        cmp -s "$build/icons/$icon" "$work/usr/share/icons/$icon" || fail "$icon is not installed"
    done <"$work/icons"
    # The command line is judged before any window system is opened: with no display at all.
    quiet="env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config"
    game="$work/usr/games/mokopi"
    [ "$($quiet "$game" --version)" = "mokopi $version" ] || fail "--version"
    [ "$($quiet "$game" -platform nowhere -style=fusion -reverse --version)" = "mokopi $version" ] \
        || fail "Qt's own options were refused"
    $quiet "$game" --help | grep -q -- '--version' || fail "--help"
    $quiet LANGUAGE=ja "$game" --help | grep -q '^もこぴ育成：' || fail "--help in Japanese"
    $quiet LANGUAGE=en "$game" --help | grep -q '^Mokopi: raise' || fail "--help in English"
    $quiet LANGUAGE=en "$game" --language ja --help | grep -q '^もこぴ育成：' \
        || fail "--language over the system's language"
    for wrong in --no-such-option no-such-argument "-platform offscreen no-such-argument" "--language no-such-fr"; do
        status=0
        $quiet timeout 20 "$game" $wrong 2>"$work/err" || status=$?
        [ "$status" -eq 1 ] || fail "\"$wrong\" ended with status $status"
        grep -q "no-such-" "$work/err" && grep -q -- "--help" "$work/err" || fail "no hint for \"$wrong\""
    done

    # With no window system, and with no Qt plugin for one, the program says what it tried.
    expect_no_window_system() {
        status=0
        env -u QT_QPA_PLATFORM "$@" XDG_RUNTIME_DIR="$work" timeout 20 "$game" 2>"$work/err" || status=$?
        [ "$status" -eq 4 ] || { cat "$work/err"; fail "no window system: status $status"; }
    }
    said() { grep -qF "$1" "$work/err" || { cat "$work/err"; fail "no \"$1\""; }; }
    expect_no_window_system -u DISPLAY -u WAYLAND_DISPLAY
    said "Wayland: WAYLAND_DISPLAY is not set." && said "X11: DISPLAY is not set."
    expect_no_window_system DISPLAY=:nowhere WAYLAND_DISPLAY=nowhere
    said "Wayland: nothing answered at WAYLAND_DISPLAY=nowhere." && said "X11: nothing answered at DISPLAY=:nowhere."
    printf '[Paths]\nPlugins=%s\n' "$work/no-plugins" >"$work/usr/games/qt.conf"
    expect_no_window_system DISPLAY=:nowhere WAYLAND_DISPLAY=nowhere
    rm "$work/usr/games/qt.conf"
    said "Wayland: Qt's support for it is not installed (Debian package qt6-wayland)."
    ;;
saves)
    install_into "$work/first"
    mv "$work/first" "$work/usr"
    expect_probe_saves "$work/usr/games" "$work/usr/share/games/mokopi/" "$work/home/.local/share/mokopi/"
    [ -z "$(find "$work/usr" -name 'mokopi.dat*')" ] || fail "a save inside the installation"
    rm -r "$work/home"
    expect_probe_saves "$work/usr/games" "$work/usr/share/games/mokopi/" "$work/home/.local/share/mokopi/" data
    [ ! -e "$work/data" ] || fail "a relative XDG_DATA_HOME was used"
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
