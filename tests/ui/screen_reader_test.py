# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the real game the way a screen reader does.

Starts the built program on an X server of its own with accessibility on,
checks its accessible tree over AT-SPI and that a key on the speech line is
announced as the line's new name. Run it on a session bus of its own:
dbus-run-session -- /usr/bin/python3 screen_reader_test.py path/to/mokopi
(Debian's Python: pyatspi comes as a Debian package).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

EMPTY_SPEECH = "もこぴの言葉"

# Every control as a screen reader finds it at the title: (role, name). Each
# also has a description.
CONTROLS = [
    ("radio button", "うた"),
    ("radio button", "おどり"),
    ("radio button", "やすむ"),
    ("push button", "バージョン＆遊び方"),
    ("label", "0時"),
    ("label", "0日"),
    ("filler", "もこぴのスターテス"),
    ("label", "歌詩\u3000\u30000\n舞踊\u3000\u30000\n疲労\u3000\u30000"),
    ("filler", "もこぴが喋るところ"),
    ("label", EMPTY_SPEECH),
    ("progress bar", "疲労度"),
    ("label", "くりっく！！\u3000"),
    ("image", "タイトル「もこぴ育成」"),
    ("menu bar", "メニューバー"),
    ("popup menu", "メニュウ"),
    ("popup menu", "オプション"),
    ("popup menu", "エンディング"),
] + [("menu item", name) for name in [
    "メニュウ", "セーブ", "ロード", "終了",
    "オプション", "ＳＥ", "超早モード", "イベントアリ",
    "エンディング", "王宮の恋人", "恋人", "さえない人生", "詩歌い", "踊り子", "愛の詩歌い", "愛の踊り子",
    "やつれた詩歌い", "やつれた踊り子"]]

failures = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def start_xvfb():
    """An X server on a free display, which it picks and tells."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1366x768x24", "-nolisten",
                               "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as number:
        return server, ":" + number.readline().strip()


def start_game(executable, folder, display):
    """The program copied into a fresh folder beside links to its pictures and sounds."""
    source = os.path.dirname(os.path.abspath(executable))
    for name in os.listdir(source):
        if name != "mokopi.dat":
            os.symlink(os.path.join(source, name), os.path.join(folder, name))
    program = os.path.join(folder, os.path.basename(executable))
    os.remove(program)
    shutil.copy2(executable, program)
    env = dict(os.environ, DISPLAY=display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_CACHE_HOME=os.path.join(folder, "cache"), XDG_CONFIG_HOME=os.path.join(folder, "config"),
               PULSE_SERVER="unix:" + os.path.join(folder, "none"))
    return subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def pump(seconds, done):
    """Hands AT-SPI's events to the listeners until done() holds or the time is up."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while not done() and time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)
    return done()


def everything(root):
    found = [root]
    for child in root:
        if child is not None:
            found += everything(child)
    return found


def read(game, display):
    def find(role, name):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == game.pid:
                for accessible in everything(app):
                    if accessible.getRoleName() == role and accessible.name == name:
                        return accessible
        return None

    said = []

    def listen(event):
        if event.source.getRoleName() == "label" and "スペース" in event.source.description:  # the speech line
            said.append(event.source.name)

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
    check(pump(30, lambda: find("image", "タイトル「もこぴ育成」")), "the game shows its title on AT-SPI")

    for role, name in CONTROLS:
        accessible = find(role, name)
        check(accessible is not None and (role == "menu item" or accessible.description != ""),
              "%s %r is there%s" % (role, name, ": " + accessible.description if accessible else ""))
    bar = find("progress bar", "疲労度").queryValue()
    check((bar.currentValue, bar.minimumValue, bar.maximumValue) == (0, 0, 255), "the fatigue bar reads 0 of 0..255")

    # Keys reach a window under Xvfb once it has the focus; no window manager gives it.
    def xdotool(*arguments):
        subprocess.run(["xdotool", *arguments], env=dict(os.environ, DISPLAY=display), check=True)

    xdotool("search", "--sync", "--name", "^もこぴ育成$", "windowfocus", "--sync")
    speech = find("label", EMPTY_SPEECH)
    check(pump(5, lambda: speech.getState().contains(pyatspi.STATE_FOCUSED)),
          "the speech line has the focus at the start")
    xdotool("key", "space")
    check(pump(5, lambda: any(name not in ("", EMPTY_SPEECH) for name in said)),
          "Space on the speech line: its new text is announced: %r" % said)


def main(executable):
    server, display = start_xvfb()
    folder = tempfile.mkdtemp(prefix="mokopi-a11y-")
    game = start_game(executable, folder, display)
    try:
        read(game, display)
    finally:
        game.kill()
        game.wait()
        server.terminate()
        server.wait()
        shutil.rmtree(folder)
    print("%d failed" % len(failures) if failures else "all passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
