"""Reads the real game the way a screen reader does.

Starts the built program on its own Xvfb with accessibility on, reads its
accessible tree over AT-SPI and plays from the title to the running clock by
keys alone, listening for what AT-SPI announces. Run it inside its own session
bus: dbus-run-session -- /usr/bin/python3 screen_reader_test.py path/to/mokopi
(Debian's Python: pyatspi comes as a Debian package).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

TITLE = "もこぴ育成"
NAME_BOX = "呼び名を決めてね"
EMPTY_SPEECH = "もこぴの言葉"

# What every control is called and what it is, as a screen reader reads it at
# the title: (role, name); each also has a description.
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
]
# Menu items have their caption as their name.
MENU_ITEMS = [
    "メニュウ", "セーブ", "ロード", "終了", "オプション", "ＳＥ", "超早モード", "イベントアリ", "エンディング",
    "王宮の恋人", "恋人", "さえない人生", "詩歌い", "踊り子", "愛の詩歌い", "愛の踊り子", "やつれた詩歌い",
    "やつれた踊り子",
]

failures = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def start_xvfb():
    """An X server on the first free display, which it picks and tells."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def app_folder_copy(executable):
    """A fresh application folder: the program copied, its pictures and sounds linked."""
    source = os.path.dirname(os.path.abspath(executable))
    folder = tempfile.mkdtemp(prefix="mokopi-a11y-")
    for name in os.listdir(source):
        if name == "mokopi.dat":
            continue
        if name == os.path.basename(executable):
            shutil.copy2(os.path.join(source, name), folder)
        else:
            os.symlink(os.path.join(source, name), os.path.join(folder, name))
    return folder, os.path.join(folder, os.path.basename(executable))


def main(executable):
    server, display = start_xvfb()
    os.environ["DISPLAY"] = display
    folder, program = app_folder_copy(executable)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        play(game)
    finally:
        game.kill()
        game.wait()
        server.terminate()
        server.wait()
        shutil.rmtree(folder)


def play(game):
    import pyatspi
    from gi.repository import GLib

    heard = []

    def listen(event):
        try:
            source = event.source
            value = source.queryValue().currentValue if event.type.endswith("accessible-value") else None
            heard.append((event.type, source.getRoleName(), source.name, source.description, value, event.detail1))
        except Exception:  # an object gone by the time the event is read
            pass

    for kind in ("object:property-change:accessible-name", "object:property-change:accessible-value",
                 "object:state-changed:focused", "object:state-changed:checked"):
        pyatspi.Registry.registerEventListener(listen, kind)

    def pump(seconds, until=lambda: False):
        end = time.time() + seconds
        context = GLib.MainContext.default()
        while time.time() < end:
            while context.iteration(False):
                pass
            if until():
                return True
            time.sleep(0.02)
        return until()

    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == game.pid:
                return app
        return None

    def windows():
        app = application()
        return [w for w in app if w is not None] if app else []

    def everything(root):
        found = [root]
        for child in root:
            if child is not None:
                found += everything(child)
        return found

    def find(role, name):
        for window in windows():
            for accessible in everything(window):
                if accessible.getRoleName() == role and accessible.name == name:
                    return accessible
        return None

    def name_box_open():
        return any(w.name == NAME_BOX and w.getState().contains(pyatspi.STATE_SHOWING) for w in windows())

    def key(name):
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.3)

    def focus_game():
        # No window manager gives the focus back when a box closes: do it as one would.
        window = subprocess.check_output(["xdotool", "search", "--name", "^" + TITLE + "$"]).split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        pump(0.3)

    def heard_since(start, kind, role):
        return [h for h in heard[start:] if h[0] == kind and h[1] == role]

    check(pump(30, lambda: find("image", "タイトル「もこぴ育成」") is not None), "the game shows its title on AT-SPI")

    # The tree: every control named, described and of its role.
    for role, name in CONTROLS:
        accessible = find(role, name)
        check(accessible is not None and accessible.description != "",
              "%s %r is there with a description%s" % (role, name, ": " + accessible.description if accessible else ""))
    for name in MENU_ITEMS:
        check(find("menu item", name) is not None, "menu item %r" % name)
    bar = find("progress bar", "疲労度").queryValue()
    check((bar.currentValue, bar.minimumValue, bar.maximumValue) == (0, 0, 255), "the fatigue bar reads 0 of 0..255")

    focus_game()
    speech = find("label", EMPTY_SPEECH)
    check(speech.getState().contains(pyatspi.STATE_FOCUSED), "the speech line has the focus at the start")

    # The first key turns the title into the naming scene; AT-SPI tells the new line.
    start = len(heard)
    key("space")
    said = [h for h in heard_since(start, "object:property-change:accessible-name", "label") if "スペース" in h[3]]
    check(len(said) == 1 and said[0][2] not in ("", EMPTY_SPEECH),
          "Space on the speech line: its new text is announced: %r" % [h[2] for h in said])

    # Naming by keys: Return answers each box with the default name.
    for answer in ("your name", "the pet's name"):
        opened = False
        for _ in range(10):
            if pump(0.4, name_box_open):
                opened = True
                break
            key("Return")
        check(opened, "Return on the speech line reaches the box for " + answer)
        key("Return")
        pump(1, lambda: not name_box_open())
        focus_game()

    # Space reads on to the end of the story; Space also answers any event the
    # pet starts meanwhile. The hour is read as "N時".
    def read_on_until(done, presses):
        for _ in range(presses):
            if pump(0.5, done):
                return True
            key("space")
        return done()

    start = len(heard)
    check(read_on_until(lambda: any(h[2] == "1時" for h in heard[start:]), 12),
          "the clock runs and the hour reads as 「1時」")

    start = len(heard)
    key("1")
    values = lambda: [h[4] for h in heard_since(start, "object:property-change:accessible-value", "progress bar")]
    read_on_until(lambda: any(values()), 20)
    checked = [h[2] for h in heard_since(start, "object:state-changed:checked", "radio button") if h[5] == 1]
    check(checked == ["うた"], "key 1 chooses うた: %r" % checked)
    check(any(values()), "singing tires the pet and the fatigue bar tells its value: %r" % values())

    start = len(heard)
    key("Tab")
    focused = [h for h in heard_since(start, "object:state-changed:focused", "image") if h[5] == 1]
    check(len(focused) == 1 and focused[0][2].endswith("もこぴ"), "Tab moves to the pet, named by what it shows: %r"
          % [h[2] for h in focused])

    pictures = heard_since(0, "object:property-change:accessible-name", "image")
    check(len(pictures) < 10, "the animated picture is announced only when it shows something else: %d times"
          % len(pictures))


if __name__ == "__main__":
    main(sys.argv[1])
    print("%d failed" % len(failures) if failures else "all passed")
    sys.exit(1 if failures else 0)
