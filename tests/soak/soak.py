#!/usr/bin/env python3
"""Drives the designer through its real window with seeded random but plausible input.

Run by scripts/soak inside a virtual X display. The designer writes a map of its windows, widgets,
item rows and menu entries (DRAPIER_WIDGET_MAP); every action here finds its target in that map by
object name and class, so a new control is reached by adding one entry to ACTIONS or to the
dialog handling below.

It fails on a crash, a sanitizer report, a leak at a normal exit (beyond the suppressions), a designer
that stops answering for 30 seconds, and a saved skin that does not read back: `dump` of the saved
file must agree with `dump` of its `convert`, and the designer reopening the last saved file and
saving it without edits must write the same bytes.
"""

import argparse
import hashlib
import os
import random
import shutil
import signal
import subprocess
import sys
import time

from designer_map import read_map
from x_input import click, drag, focus, free_text, keys, number_text, type_text

HANG_SECONDS = 30
REQUIRED_WIDGETS = ("elementTree", "preview", "sourceView", "newElement", "width", "title")
START_SECONDS = 120
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "ERROR: UndefinedBehaviorSanitizer", "AddressSanitizer:DEADLYSIGNAL")


class Failure(Exception):
    pass


def log(message):
    print(f"soak: {message}", flush=True)


class Soak:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(args.seed)
        self.work = args.work
        self.skin_dir = os.path.join(self.work, "skin")
        self.map_path = os.path.join(self.work, "map.txt")
        self.process = None
        self.log_file = None
        self.log_path = None
        self.starts = 0
        self.actions = 0
        self.counts = {}
        self.last_tick = None
        self.last_tick_time = time.monotonic()
        self.snapshots = []  # (name, bytes) of every distinct skin file content the designer saved
        self.last_action = "start"
        self.reopened_at = 0.0
        self.seen = {}
        self.env = dict(os.environ)
        home = os.path.join(self.work, "home")
        bin_dir = os.path.join(self.work, "bin")
        os.makedirs(bin_dir, exist_ok=True)
        # Links the designer would open go nowhere.
        for opener in ("xdg-open", "gio", "kde-open", "gnome-open"):
            stub = os.path.join(bin_dir, opener)
            with open(stub, "w") as f:
                f.write("#!/bin/sh\nexit 0\n")
            os.chmod(stub, 0o755)
        self.env.update({
            "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"), "XDG_RUNTIME_DIR": os.path.join(home, "run"),
            "DRAPIER_RECOVERY_DIR": os.path.join(self.work, "recovery"), "DRAPIER_WIDGET_MAP": self.map_path,
            "QT_QPA_PLATFORM": "xcb", "PATH": bin_dir + os.pathsep + os.environ.get("PATH", ""),
            "ASAN_OPTIONS": "detect_leaks=1:abort_on_error=1",
            "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
            "LSAN_OPTIONS": "suppressions=" + args.suppressions,
        })
        os.makedirs(os.path.join(home, "run"), mode=0o700, exist_ok=True)

    # The designer process --------------------------------------------------------------------

    def start(self, skin):
        self.starts += 1
        self.log_path = os.path.join(self.work, f"designer-{self.starts}.log")
        self.log_file = open(self.log_path, "wb")
        if os.path.exists(self.map_path):
            os.remove(self.map_path)
        self.process = subprocess.Popen([self.args.designer, skin], env=self.env, cwd=self.skin_dir,
                                        stdout=self.log_file, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + START_SECONDS
        while time.monotonic() < deadline:
            self.check_process()
            state = read_map(self.map_path)
            main = self.main_window(state[1]) if state else None
            if main:
                # Without these the soak would wander without touching anything.
                missing = [n for n in REQUIRED_WIDGETS if not main.find(name=n, enabled=False)]
                if missing:
                    raise Failure("the designer's map lacks " + ", ".join(missing))
                self.last_tick, self.last_tick_time = state[0], time.monotonic()
                return
            time.sleep(0.2)
        raise Failure(f"the designer's window did not appear within {START_SECONDS} s")

    def log_text(self):
        try:
            with open(self.log_path, "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""

    def check_log(self):
        text = self.log_text()
        for mark in SANITIZER_MARKS:
            if mark in text:
                raise Failure(f"sanitizer report ({mark}) in {self.log_path}:\n" + text[-6000:])

    def check_process(self):
        """Raises on a crash; returns True when the designer ended normally (it is then checked)."""
        status = self.process.poll()
        if status is None:
            return False
        self.log_file.close()
        self.check_log()
        if status != 0:
            raise Failure(f"the designer ended with status {status}; log {self.log_path}:\n" + self.log_text()[-6000:])
        return True

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()

    def main_window(self, windows):
        return next((w for w in windows if w.name == "drapier"), None)

    def top_modal(self, windows):
        """The modal dialog that takes input: the active one; a dialog opened from a dialog blocks its
        parent, so with none active (another window has the focus) one is tried at random."""
        modal = [w for w in windows if w.modal and w.name != "drapier"]
        active = [w for w in modal if w.active]
        if active:
            return active[-1]
        return self.rng.choice(modal) if modal else None

    def state(self):
        """The map now; fails when the designer stopped answering."""
        state = read_map(self.map_path)
        now = time.monotonic()
        if state and state[0] != self.last_tick:
            self.last_tick, self.last_tick_time = state[0], now
        if now - self.last_tick_time > HANG_SECONDS:
            raise Failure(f"the designer did not answer for {HANG_SECONDS} s (last action: {self.last_action})")
        return state

    # Saved skins -------------------------------------------------------------------------------

    def collect_saves(self):
        for name in sorted(os.listdir(self.skin_dir)):
            if not name.lower().endswith(".ini"):
                continue
            path = os.path.join(self.skin_dir, name)
            try:
                with open(path, "rb") as f:
                    data = f.read()
            except OSError:
                continue
            digest = hashlib.sha1(data).hexdigest()
            if self.seen.get(name) != digest:
                if name in self.seen:
                    self.snapshots.append((name, data))
                self.seen[name] = digest

    # Actions -----------------------------------------------------------------------------------

    def count(self, what):
        self.last_action = what
        self.actions += 1
        self.counts[what] = self.counts.get(what, 0) + 1

    def act(self, windows):
        rng = self.rng
        menus = [w for w in windows if w.cls == "QMenu"]
        if menus:
            return self.in_menu(menus[-1])
        modal = self.top_modal(windows)
        if modal:
            return self.in_dialog(modal)
        main = self.main_window(windows)
        if main is None:
            return self.count("waiting")
        others = [w for w in windows if w is not main and not w.modal]
        if others and rng.random() < 0.12:
            return self.in_dialog(rng.choice(others), modeless=True)
        focus(main)
        weights = [a[0] for a in ACTIONS]
        _, name, handler = rng.choices(ACTIONS, weights=weights)[0]
        self.count(name)
        handler(self, main)

    def in_menu(self, menu):
        entries = [a for a in menu.actions if a.enabled]
        if entries and self.rng.random() < 0.75:
            entry = self.rng.choice(entries)
            self.count("menu entry")
            click(entry.centre())
        else:
            self.count("menu escape")
            keys("Escape")

    def in_dialog(self, window, modeless=False):
        rng = self.rng
        focus(window)
        if window.cls == "QFileDialog":
            # Choosers are always dismissed: nothing is written outside the soak's folder.
            self.count("chooser escape")
            keys("Escape")
            return
        if window.cls == "QMessageBox":
            buttons = window.find(kind="button")
            if buttons and rng.random() < 0.5:
                self.count("message box button")
                click(rng.choice(buttons).centre())
            else:
                self.count("message box key")
                keys(rng.choice(["Return", "Escape"]))
            return
        self.count("dialog " + (window.name or window.cls))
        for _ in range(rng.randint(1, 6)):
            self.dialog_input(window)
        if rng.random() < (0.25 if modeless else 0.6):
            keys(rng.choice(["Return", "Escape", "Return"]))

    def dialog_input(self, window):
        rng = self.rng
        inputs = window.find(kind="edit") + window.find(kind="spin") + window.find(kind="combo") + \
            window.find(kind="check") + window.find(kind="radio") + window.find(kind="view") + \
            window.find(kind="slider") + window.find(kind="tab")
        # Buttons other than the ones that close the dialog (those are Enter and Escape's job) and the
        # choosers of files and folders (dismissed at once, so not worth a try).
        buttons = [b for b in window.find(kind="button")
                   if b.text.replace("&", "") not in ("OK", "Cancel", "Close", "Yes", "No")]
        if buttons and rng.random() < 0.2:
            click(rng.choice(buttons).centre())
            return
        if not inputs:
            keys(rng.choice(["Tab", "space", "Down", "Up"]))
            return
        target = rng.choice(inputs)
        if target.kind in ("edit", "spin"):
            click(target.point(rng))
            keys("ctrl+a")
            type_text(number_text(rng) if target.kind == "spin" or rng.random() < 0.4 else free_text(rng))
            if rng.random() < 0.3:
                keys("Tab")
        elif target.kind == "combo":
            click(target.centre())
            keys(*["Down"] * rng.randint(0, 5), rng.choice(["Return", "Escape"]))
        elif target.kind == "view":
            rows = [i for i in window.items if i.name == target.name]
            point = rng.choice(rows).point(rng) if rows else target.point(rng)
            click(point, double=rng.random() < 0.2)
        elif target.kind == "slider":
            drag(target.point(rng), target.point(rng))
        else:
            click(target.centre())

    # The end -----------------------------------------------------------------------------------

    def close_normally(self):
        """File, Exit; answers the questions on the way; the designer must end with status 0."""
        deadline = time.monotonic() + 90
        asked_exit = False
        tries = 0
        while time.monotonic() < deadline:
            tries += 1
            if self.check_process():
                return
            state = self.state()
            if state:
                windows = state[1]
                menus = [w for w in windows if w.cls == "QMenu"]
                modal = self.top_modal(windows)
                if menus or (modal and modal.cls != "QMessageBox"):
                    top = menus[-1] if menus else modal
                    focus(top)
                    keys("Escape")
                elif modal:
                    # "Save changes?": Yes, so that the last edits are saved and checked too.
                    focus(modal)
                    yes = [b for b in modal.find(kind="button") if b.text.replace("&", "") == "Yes"]
                    click(yes[0].centre()) if yes else keys("Return")
                elif (others := [w for w in windows if w.name != "drapier" and not w.modal]) and tries % 4:
                    # The state sheet, the lint and the magnifiers may cover the main window and keep
                    # its keys from it: they are closed first (every fourth try goes to File anyway).
                    focus(others[-1])
                    keys("Escape")
                elif not asked_exit or self.rng.random() < 0.2:
                    main = self.main_window(windows)
                    if main:
                        focus(main)
                        keys("alt+f")
                        time.sleep(0.5)
                        keys("x")
                        asked_exit = True
            time.sleep(0.4)
        raise Failure("the designer did not close from File, Exit")

    def resave_check(self, skin_name):
        """The designer opens the saved file and saves it without edits: the same bytes."""
        path = os.path.join(self.skin_dir, skin_name)
        with open(path, "rb") as f:
            before = f.read()
        # Nothing to recover: the designer ended normally.
        shutil.rmtree(self.env["DRAPIER_RECOVERY_DIR"], ignore_errors=True)
        self.reopened_at = time.time()
        self.last_action = "reopen and save"
        self.start(path)
        deadline = time.monotonic() + 60
        while os.path.getmtime(path) <= self.reopened_at:
            if time.monotonic() > deadline:
                raise Failure("Ctrl+S in the reopened designer wrote nothing")
            state = self.state()
            main = self.main_window(state[1]) if state else None
            if main:
                focus(main)
                keys("ctrl+s")
            time.sleep(1)
        self.close_normally()
        with open(path, "rb") as f:
            after = f.read()
        if after != before:
            keep = os.path.join(self.work, "resaved-" + skin_name)
            with open(keep, "wb") as f:
                f.write(after)
            with open(keep + ".before", "wb") as f:
                f.write(before)
            raise Failure(f"{skin_name} reopened and saved without edits changed: {keep} (.before)")

    def check_snapshots(self):
        """dump of every saved skin agrees with dump of its convert."""
        check = os.path.join(self.work, "check")
        for number, (name, data) in enumerate(self.snapshots):
            for side in ("saved", "converted"):
                folder = os.path.join(check, side)
                shutil.rmtree(folder, ignore_errors=True)
                shutil.copytree(self.skin_dir, folder)
            with open(os.path.join(check, "saved", name), "wb") as f:
                f.write(data)
            env = dict(self.env, QT_QPA_PLATFORM="offscreen")
            convert = subprocess.run([self.args.cli, "convert", name, "-o", os.path.join(check, "converted", name)],
                                     cwd=os.path.join(check, "saved"), env=env, capture_output=True, timeout=120)
            if convert.returncode != 0:
                raise Failure(f"convert of saved skin {number} ({name}) failed: {convert.stderr.decode()}")
            dumps = []
            for side in ("saved", "converted"):
                dump = subprocess.run([self.args.cli, "dump", name], cwd=os.path.join(check, side), env=env,
                                      capture_output=True, timeout=120)
                if dump.returncode != 0:
                    raise Failure(f"dump of the {side} skin {number} ({name}) failed: {dump.stderr.decode()}")
                dumps.append(dump.stdout)
            if dumps[0] != dumps[1]:
                raise Failure(f"saved skin {number} ({name}) does not read back as it was: see {check}")

    # The run -----------------------------------------------------------------------------------

    def run(self):
        os.makedirs(self.skin_dir, exist_ok=True)
        source = self.args.skin
        source_dir = source if os.path.isdir(source) else os.path.dirname(source)
        for name in os.listdir(source_dir):
            if os.path.isfile(os.path.join(source_dir, name)):
                shutil.copy(os.path.join(source_dir, name), self.skin_dir)
        skins = sorted(n for n in os.listdir(self.skin_dir) if n.lower().endswith(".ini"))
        skin = os.path.basename(source) if not os.path.isdir(source) else self.rng.choice(skins)
        skin_path = os.path.join(self.skin_dir, skin)
        self.collect_saves()
        self.last_action = "start"
        self.start(skin_path)
        end = time.monotonic() + self.args.seconds
        while time.monotonic() < end:
            if self.check_process():
                # A normal exit (File, Exit chosen at random): checked; the designer starts again.
                self.collect_saves()
                self.start(skin_path)
                continue
            self.check_log()
            state = self.state()
            if state:
                self.act(state[1])
            time.sleep(self.rng.uniform(0.05, 0.35))
            self.collect_saves()
        self.close_normally()
        self.collect_saves()
        self.check_log()
        log(f"{self.actions} actions, {self.starts} starts, {len(self.snapshots)} saved versions")
        self.check_snapshots()
        if self.snapshots:
            time.sleep(1.1)  # a later save shows in the file's time
            self.resave_check(self.snapshots[-1][0])
            self.check_log()
        top = sorted(self.counts.items(), key=lambda kv: -kv[1])
        log("actions: " + ", ".join(f"{k} {v}" for k, v in top))


# The main window's actions: weight, name, handler. Targets are found by object name in the map.

def on_tree(soak, main, double=False, button=1):
    rows = [i for i in main.items if i.name == "elementTree"]
    if rows:
        click(soak.rng.choice(rows).point(soak.rng), button=button, double=double)


def on_tree_keys(soak, main):
    on_tree(soak, main)
    keys(*soak.rng.choices(["Up", "Down", "Home", "End", "Return", "Delete", "Left", "Right",
                            "shift+Up", "shift+Down"], k=soak.rng.randint(1, 3)))


def on_picture(soak, main, name):
    views = main.find(name=name)
    if not views:
        return
    view, rng = views[0], soak.rng
    shift = rng.random() < 0.3
    button = rng.choice([1, 1, 1, 3])
    if rng.random() < 0.4:
        drag(view.point(rng), view.point(rng), button=button, shift=shift)
    elif rng.random() < 0.2:
        click(view.point(rng), button=rng.choice([4, 5]))  # the wheel
    else:
        click(view.point(rng), button=button, shift=shift, double=rng.random() < 0.1)
    if rng.random() < 0.25:
        keys(*rng.choices(["Left", "Right", "Up", "Down", "shift+Left", "shift+Down", "plus", "minus"],
                          k=rng.randint(1, 4)))


def on_note_number(soak, main):
    boxes = [b for name in ("width", "height", "scrolltop", "scrollbottom") for b in main.find(name=name)]
    if boxes:
        click(soak.rng.choice(boxes).point(soak.rng))
        keys("ctrl+a")
        type_text(number_text(soak.rng))
        keys(soak.rng.choice(["Tab", "Return", "Up", "Down"]))


def on_note_text(soak, main):
    boxes = [b for name in ("title", "source", "created", "stackname") for b in main.find(name=name)]
    if boxes:
        click(soak.rng.choice(boxes).point(soak.rng))
        keys("ctrl+a")
        type_text(free_text(soak.rng))


def on_check(soak, main):
    checks = main.find(kind="check")
    if checks:
        click(soak.rng.choice(checks).centre())


def on_dpi(soak, main):
    combos = main.find(name="dpi")
    if combos:
        click(combos[0].centre())
        keys(*["Down"] * soak.rng.randint(0, 4), "Return")


def on_named_button(soak, main, names):
    buttons = [b for name in names for b in main.find(name=name)]
    if buttons:
        click(soak.rng.choice(buttons).centre())


def on_shortcut(soak, main):
    keys(soak.rng.choice(["ctrl+z", "ctrl+z", "ctrl+y", "ctrl+shift+z", "ctrl+s", "ctrl+b", "F1", "Delete"]))


def on_menu(soak, main):
    rng = soak.rng
    keys("alt+" + rng.choice("fveh"))
    time.sleep(0.2)
    keys(*["Down"] * rng.randint(0, 9), *(["Right"] if rng.random() < 0.2 else []),
         rng.choice(["Return", "Return", "Escape"]))


def on_menu_entry(soak, main, texts):
    """A window of the View or File menu, by the entry's text."""
    bar = [a for a in main.actions if a.text.replace("&", "") in ("File", "View")]
    if not bar:
        return
    click(soak.rng.choice(bar).centre())
    time.sleep(0.4)
    state = read_map(soak.map_path)
    if not state:
        return
    for window in state[1]:
        if window.cls == "QMenu":
            wanted = [a for a in window.actions if a.enabled and any(t in a.text for t in texts)]
            if wanted:
                click(wanted[0].centre())
                return
    keys("Escape")


ACTIONS = [
    (12, "tree click", lambda s, m: on_tree(s, m)),
    (6, "tree double click", lambda s, m: on_tree(s, m, double=True)),
    (2, "tree right click", lambda s, m: on_tree(s, m, button=3)),
    (5, "tree keys", on_tree_keys),
    (9, "source view", lambda s, m: on_picture(s, m, "sourceView")),
    (9, "preview", lambda s, m: on_picture(s, m, "preview")),
    (8, "note number", on_note_number),
    (4, "note text", on_note_text),
    (6, "note check", on_check),
    (1, "dpi", on_dpi),
    (8, "element buttons", lambda s, m: on_named_button(
        s, m, ["newElement", "copyElement", "deleteElement", "moveUp", "moveDown"])),
    (2, "zoom", lambda s, m: on_named_button(s, m, ["previewZoom", "sourceZoom"])),
    (1, "picture buttons", lambda s, m: on_named_button(
        s, m, ["loadPng", "pickRegion", "clearRegion", "pickSticky", "pickPen"])),
    (8, "shortcut", on_shortcut),
    (4, "menu by keyboard", on_menu),
    (2, "state sheet or lint", lambda s, m: on_menu_entry(s, m, ["State Sheet", "Check Sprite Sheet"])),
]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--designer", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--skin", required=True, help="a skin file, or a folder to pick one from")
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", required=True)
    parser.add_argument("--suppressions", required=True)
    args = parser.parse_args()
    soak = Soak(args)
    log(f"seed {args.seed}, {args.seconds:g} s, skin {args.skin}, work folder {args.work}")
    try:
        soak.run()
    except Failure as failure:
        log("FAILED: " + str(failure))
        log(f"seed {args.seed}; last action: {soak.last_action}; the work folder is kept: {args.work}")
        # A picture of the screen when ImageMagick is there; the log says enough without it.
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", os.path.join(args.work, "failure.png")], check=False,
                           stderr=subprocess.DEVNULL)
        soak.stop()
        return 1
    finally:
        soak.stop()
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
