"""Input through the real window with xdotool, and the plausible random text a person types."""

import subprocess


def xdo(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=20, check=False)


def focus(window):
    xdo("windowfocus", "--sync", window.xid)


def click(point, button=1, double=False, shift=False):
    args = ["mousemove", point[0], point[1]]
    if shift:
        args += ["keydown", "shift"]
    args += ["click", "--repeat", 2, "--delay", 80, button] if double else ["click", button]
    if shift:
        args += ["keyup", "shift"]
    xdo(*args)


def drag(start, end, button=1, shift=False):
    args = ["mousemove", start[0], start[1]]
    if shift:
        args += ["keydown", "shift"]
    args += ["mousedown", button]
    steps = 4
    for i in range(1, steps + 1):
        args += ["mousemove", start[0] + (end[0] - start[0]) * i // steps, start[1] + (end[1] - start[1]) * i // steps]
    args += ["mouseup", button]
    if shift:
        args += ["keyup", "shift"]
    xdo(*args)


def keys(*names):
    xdo("key", "--clearmodifiers", "--delay", 30, *names)


def type_text(text):
    if text:
        xdo("type", "--clearmodifiers", "--delay", 8, text)


# Plausible random input --------------------------------------------------------------------------

def number_text(rng):
    return rng.choice([
        str(rng.randint(0, 400)), str(rng.randint(0, 2000)), str(-rng.randint(1, 500)),
        str(rng.randint(100000, 99999999)), "2147483647", "-2147483648", "99999999999",
        "", "abc", "12px", "0x1F", "-", "+7", " 42", "3.5",
    ])


def free_text(rng):
    return rng.choice([
        "Hello", "%TITLE%", "%SOURCE% %CREATION%", "äöü € ß", "a,b,c", "x" * rng.randint(1, 300),
        "", " ", "%", "\\n", "name=value", "[button]", str(rng.randint(-99999, 99999)), "Ω≈ç√",
    ])
