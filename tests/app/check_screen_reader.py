"""The player as a screen reader finds it, over the accessibility bus.

Starts the built player on a private X display, a private session bus and
the accessibility bus that at-spi2-core's launcher starts beside it (never
the desktop's), with the stand-in engine playing a scripted clip, and reads
and drives it with pyatspi as a screen reader would: names, values, actions,
events and keys. Usage: check_screen_reader.py PLAYER STANDIN_ENGINE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

PLAYER, ENGINE = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
scratch = tempfile.mkdtemp(prefix="taleno-a11y-")
env = dict(os.environ, GSETTINGS_BACKEND="memory", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", LANGUAGE="")
for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"):
    env[name] = os.path.join(scratch, name.lower())
    os.makedirs(env[name], mode=0o700)
for name in ("AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"):
    env.pop(name, None)
children = []


def start(argv, **options):
    child = subprocess.Popen(argv, env=env, **options)
    children.append(child)
    return child


# A display of its own: the launcher marks the display's root window with
# the accessibility bus's address.
reading, writing = os.pipe()
start(["Xvfb", "-displayfd", str(writing), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
      pass_fds=(writing,), stderr=subprocess.DEVNULL)
os.close(writing)
env["DISPLAY"] = ":" + os.read(reading, 64).decode().strip()
# A window manager, which gives the player's windows the keyboard's focus.
start(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
for _ in range(50):
    if "window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
                                     text=True).stdout:
        break
    time.sleep(0.1)
bus = start(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=subprocess.DEVNULL,
      stderr=subprocess.DEVNULL)
# What a screen reader does when it starts: it turns accessibility on.
for _ in range(50):
    if subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                       "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                       "variant:boolean:true"], env=env, capture_output=True).returncode == 0:
        break
    time.sleep(0.1)
os.environ.update(env)

import pyatspi  # noqa: E402  (reads the bus's address from the environment)
from gi.repository import Atspi, GLib  # noqa: E402

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def pump(seconds, until=lambda: False):
    """Turns the event loop, so events arrive, until `until` holds."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if until():
            return True
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    return until()


def wait_for(seconds, get):
    """What `get` returns once it is not None, turning the event loop meanwhile."""
    found = []
    pump(seconds, lambda: found.append(get()) or found[-1] is not None)
    return found[-1] if found else None


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(node, role, name=None):
    for child in descendants(node):
        if role in (None, child.getRole()) and (name is None or child.name == name) and showing(child):
            return child
    return None


INTERACTIVE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
               pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT,
               pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_LINK,
               pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
               pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU}


def check_named(window, title):
    """No control a user can reach in the window is without a name."""
    for node in [window, *descendants(window)]:
        if node.getRole() in INTERACTIVE and showing(node):
            check(node.name.strip() != "", f"{title}: a {node.getRoleName()} without a name")
            if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX):
                check("\t" not in node.name, f"{title}: the button {node.name!r} names its key in its name")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == "Taleno":
            # Read afresh each time: a cache would go stale without the events that update it.
            app.set_cache_mask(Atspi.Cache.NONE)
            return app
    return None


def window(app, role, name):
    return next((w for w in app if w is not None and w.getRole() == role and w.name == name and showing(w)), None)


KEYCODES = {}
for line in subprocess.run(["xmodmap", "-pke"], env=env, capture_output=True, text=True).stdout.splitlines():
    fields = line.split()
    if len(fields) > 3 and fields[2] == "=":
        for keysym in fields[3:]:
            KEYCODES.setdefault(keysym, int(fields[1]))


def keys(*combination):
    """Presses and lets go of the keys as a hand does, e.g. keys("Alt_L", "o"): with a
    screen reader listening, Qt hands each key to it before acting on it, and keys
    that come quicker than that come out of order (a lone Alt closes the menu)."""
    for key in combination:
        pyatspi.Registry.generateKeyboardEvent(KEYCODES[key], None, pyatspi.KEY_PRESS)
        pump(0.1)
    for key in reversed(combination):
        pyatspi.Registry.generateKeyboardEvent(KEYCODES[key], None, pyatspi.KEY_RELEASE)
        pump(0.1)
    pump(0.2)


def main():
    install = os.path.join(scratch, "install")
    os.makedirs(install)
    shutil.copy(PLAYER, install)
    with open(os.path.join(install, "Taleno .ini"), "w") as ini:
        ini.write(f"[TALENO]\nbMPlayerPathName=true\nstrMPlayerPathName={ENGINE}\n")
    received = os.path.join(scratch, "received")
    clip = os.path.join(scratch, "Night Walk.standin")
    with open(clip, "w") as script:
        script.write(f"record {received}\nanswer-time\nprint-id\nprint ID_LENGTH=20\nstarting\n")
    player = start([os.path.join(install, "taleno"), clip], cwd=install, stdout=subprocess.DEVNULL)

    def engine_got(command):
        return os.path.exists(received) and command in open(received).read().splitlines()

    app = wait_for(15, application)
    if not check(app is not None, "the player is not on the accessibility bus"):
        return
    main_window = wait_for(10, lambda: window(app, pyatspi.ROLE_FRAME, "Night Walk.standin - TALENO"))
    if not check(main_window is not None, f"no main window among {[w.name for w in app]}"):
        return
    check_named(main_window, "main window")
    check(find(main_window, None, "Night Walk.standin") is not None, "the video is not named after the clip")

    # The seek bar's value follows the clip's time (20 s: 5 points a second).
    seek = find(main_window, pyatspi.ROLE_SLIDER, "Position").queryValue()
    check(seek.minimumValue == 0 and seek.maximumValue == 100, "the seek bar's range is not 0 to 100")
    first = seek.currentValue
    check(pump(5, lambda: seek.currentValue >= first + 5), f"the seek bar's value stays at {seek.currentValue}")

    # The volume set through the slider's value reaches the engine.
    volume = find(main_window, pyatspi.ROLE_SLIDER, "Volume").queryValue()
    volume.currentValue = 40
    check(pump(3, lambda: engine_got("volume 40 1")), "the volume set by value did not reach the engine")
    check(volume.currentValue == 40, f"the volume reads {volume.currentValue} after being set to 40")

    # Pausing from the toolbar's button is announced: the status's name changes.
    heard = []
    pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name),
                                           "object:property-change:accessible-name")
    pause = find(main_window, pyatspi.ROLE_CHECK_BOX, "Pause").queryAction()
    check(pause.getKeyBinding(0) == "Space", f"the Pause button's key reads {pause.getKeyBinding(0)!r}")
    pause.doAction(0)
    check(pump(3, lambda: "Paused" in heard), f"no announcement of the pause (heard {heard})")
    check(find(find(main_window, pyatspi.ROLE_STATUS_BAR, "Status"), pyatspi.ROLE_LABEL, "Paused") is not None,
          "the status bar does not read Paused")
    check(engine_got("pause"), "the Pause button's action did not pause the engine")

    # The playlist window, from the toolbar, lists the clip as its selected entry.
    find(main_window, pyatspi.ROLE_CHECK_BOX, "Playlist").queryAction().doAction(0)
    playlist = wait_for(5, lambda: window(app, pyatspi.ROLE_DIALOG, "Playlist"))
    if check(playlist is not None, "the Playlist button shows no playlist window"):
        check_named(playlist, "playlist window")
        entries = find(playlist, pyatspi.ROLE_LIST, "Entries")
        items = [entries.getChildAtIndex(i) for i in range(entries.childCount)]
        check([item.name for item in items] == [clip], f"the playlist reads {[i.name for i in items]}")
        check(any(item.getState().contains(pyatspi.STATE_SELECTED) for item in items), "no entry is selected")
    find(main_window, pyatspi.ROLE_CHECK_BOX, "Playlist").queryAction().doAction(0)
    check(pump(5, lambda: main_window.getState().contains(pyatspi.STATE_ACTIVE)),
          "the main window is not active again once the playlist window is hidden")

    # Each dialog and the Log window, opened from the keyboard, are named and name their controls.
    dialogs = [((("Control_L", "g"),), "Go To"), ((("Alt_L", "f"), ("Down",), ("Return",)), "Open URL"),
               ((("Alt_L", "f"), ("p",)), "Properties"), ((("Alt_L", "o"), ("p",)), "Preferences"),
               ((("Alt_L", "h"), ("a",)), "About Taleno"), ((("Alt_L", "v"), ("g",)), "Log")]
    for combination, title in dialogs:
        dialog = None
        for _ in range(2):  # once more after closing what a late key left open (see keys)
            for step in combination:
                keys(*step)
            dialog = wait_for(5, lambda: window(app, pyatspi.ROLE_DIALOG, title))
            if dialog is not None:
                break
            keys("Escape")
            keys("Escape")
        if check(dialog is not None,
                 f"the keys {combination} open no dialog {title!r} (windows: {[w.name for w in app]})"):
            check_named(dialog, title)
            # A sheet's other pages, reached with Ctrl+Tab.
            pages = find(dialog, pyatspi.ROLE_PAGE_TAB_LIST)
            for index in range(1, pages.childCount if pages is not None else 0):
                keys("Control_L", "Tab")
                check_named(dialog, f"{title}, page {index + 1}")
        keys("Escape")
        check(pump(5, lambda: window(app, pyatspi.ROLE_DIALOG, title) is None), f"Escape leaves {title!r} open")

    # Tab goes round the main window's controls, each said as it takes the focus.
    focused = []
    pyatspi.Registry.registerEventListener(lambda event: event.detail1 and focused.append(event.source.name),
                                           "object:state-changed:focused")
    for _ in range(11):
        keys("Tab")
    pump(3, lambda: len(focused) >= 11)
    order = ["Position", "Play", "Pause", "Stop", "Previous", "Next", "Repeat", "Playlist", "Mute", "Volume",
             "Night Walk.standin"]
    check(focused == order, f"Tab goes {focused}, not {order}")
    # A focused button is pressed with Space (not the window's Pause) or Enter.
    for _ in range(4):
        keys("Tab")
    keys("space")
    check(pump(3, lambda: engine_got("quit")), "Space on the focused Stop button did not stop")
    for _ in range(3):
        keys("Tab")
    keys("Return")
    repeat = find(main_window, pyatspi.ROLE_CHECK_BOX, "Repeat")
    check(pump(3, lambda: repeat.getState().contains(pyatspi.STATE_CHECKED)), "Enter on Repeat did not turn it on")

    # Asked to end, it ends cleanly (under the sanitizers: with nothing to report).
    player.terminate()
    check(player.wait(20) == 0, f"the player ended with {player.returncode}")


try:
    main()
finally:
    # Asked to end, the bus launcher ends the accessibility bus it started.
    for child in reversed(children):
        child.terminate()
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()
    shutil.rmtree(scratch, ignore_errors=True)
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
