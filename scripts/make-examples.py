#!/usr/bin/env python3
"""Draws the example skins under examples/: their source PNGs and their UTF-16 skin files.

plain/  Plain Paper: a rounded paper note with a ruled, tiled centre, a title and close and roll buttons.
rich/   Ribbon: groups with rules, a layout for narrow notes, its own scroll bar with buttons placed on
        the thumb, indicators, a fade status bar, pen-colour accents and a region colour.
stack/  Paper Pile (paperpile.ini): a stack skin, a pile of sheets with the stack's name and count.

Every frame is drawn once as a small template note and cut into corner and edge pieces, so the pieces
join without seams at any note size. Translucent shading lets the note colour show through; the region
colour (nearly magenta) marks what lies outside the note. Standard library only.
"""
import math
import os
import struct
import zlib

# Not pure magenta: the check warns about a region colour made of common values, since text drawn in
# that colour would turn transparent in the note program.
REGION = (254, 0, 254)
OUTSIDE = (*REGION, 255)


# ---------------------------------------------------------------- pictures

class Picture:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[(0, 0, 0, 0)] * width for _ in range(height)]

    def put(self, x, y, rgba):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = tuple(int(round(max(0, min(255, v)))) for v in rgba)

    def over(self, x, y, rgb, alpha):
        """Composites a colour of opacity alpha (0..1) over the pixel (straight alpha)."""
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        r, g, b, a = self.px[y][x]
        a0 = a / 255.0
        a1 = alpha + a0 * (1 - alpha)
        if a1 <= 0:
            return
        mix = [(rgb[i] * alpha + (r, g, b)[i] * a0 * (1 - alpha)) / a1 for i in range(3)]
        self.put(x, y, (*mix, a1 * 255))

    def blit(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                self.put(ox + x, oy + y, other.px[y][x])

    def shape(self, left, top, width, height, sdf, rgb, alpha=1.0):
        """Fills where the signed distance (pixels, negative inside) is below 0, anti-aliased."""
        for y in range(top, top + height):
            for x in range(left, left + width):
                d = sdf(x + 0.5 - left, y + 0.5 - top)
                cover = max(0.0, min(1.0, 0.5 - d))
                self.over(x, y, rgb, cover * alpha)

    def png(self):
        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in self.px)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                chunk(b"IEND", b""))


def rounded_box_distance(px, py, w, h, r):
    """Signed distance of a point to the rounded rectangle (0, 0) .. (w, h) of corner radius r."""
    qx = abs(px - w / 2) - (w / 2 - r)
    qy = abs(py - h / 2) - (h / 2 - r)
    outside = math.hypot(max(qx, 0), max(qy, 0))
    return outside + min(max(qx, qy), 0) - r


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def lerp(a, b, t):
    return a + (b - a) * t


# ---------------------------------------------------------------- frames

class Frame:
    """A note frame drawn on a template note and cut into nine pieces.

    cl, cr: widths of the left and right pieces; ct, cb: heights of the top and bottom pieces; the
    middle of the template is `tile` pixels each way and is what the edge strips repeat.
    """

    def __init__(self, painter, cl, cr, ct, cb, tile=8):
        self.cl, self.cr, self.ct, self.cb, self.tile = cl, cr, ct, cb, tile
        self.width = cl + tile + cr
        self.height = ct + tile + cb
        self.picture = Picture(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                self.picture.put(x, y, painter(x, y, self.width, self.height))

    def pieces(self, ox, oy):
        """Source positions of the pieces when the template sits at (ox, oy) of the skin picture."""
        cl, ct, t = self.cl, self.ct, self.tile
        return {
            "tl": (ox, oy), "top": (ox + cl, oy), "tr": (ox + cl + t, oy),
            "left": (ox, oy + ct), "right": (ox + cl + t, oy + ct),
            "bl": (ox, oy + ct + t), "bottom": (ox + cl, oy + ct + t), "br": (ox + cl + t, oy + ct + t),
        }


class RolledFrame:
    """The frame of a rolled note: one row of three pieces as high as the rolled note."""

    def __init__(self, painter, cl, cr, height, tile=8):
        self.cl, self.cr, self.height, self.tile = cl, cr, height, tile
        self.width = cl + tile + cr
        self.picture = Picture(self.width, height)
        for y in range(height):
            for x in range(self.width):
                self.picture.put(x, y, painter(x, y, self.width, height))

    def pieces(self, ox, oy):
        return {"tl": (ox, oy), "top": (ox + self.cl, oy), "tr": (ox + self.cl + self.tile, oy)}


# ---------------------------------------------------------------- skin file text

def section(kind, fields):
    return "[%s]\n" % kind + "".join("%s=%s\n" % kv for kv in fields) + "\n"


def group_line(group):
    return [("group", group)] if group else []


def limits(lim):
    keys = ("drawwidthminimum", "drawwidthmaximum", "drawheightminimum", "drawheightmaximum")
    return [(k, str(v)) for k, v in zip(keys, lim or (-1, -1, -1, -1)) if v != -1]


def condition(cond):
    if cond is None:
        return []
    keyword, value = cond
    return [("condition", keyword), ("conditionvalue", "1" if value else "0")]


def roll_flags(unrolled, rolled, focus=False):
    out = []
    if unrolled:
        out.append(("drawunrolled", "1"))
    if rolled:
        out.append(("drawrolled", "1"))
    if focus:
        out.append(("drawfocus", "1"))
    return out


def pair(p):
    return "%d,%d" % p


def triple(c):
    return "%d,%d,%d" % c


def button(name, place, size, source, action=None, rollover=(-1, -1), group="", unrolled=True,
           rolled=False, cond=None, lim=None):
    fields = [("name", name)] + group_line(group) + [
        ("place", "%s,%s" % place), ("source", pair(source)), ("sourcerollover", pair(rollover)),
        ("sourcealpha", "-1,-1"), ("sourcerolloveralpha", "-1,-1"), ("size", "%dx%d" % size)]
    fields += limits(lim) + condition(cond)
    if action:
        fields.append(("action", action))
    return section("button", fields + roll_flags(unrolled, rolled))


def hstrip(name, place, right, height, width=0, source=(0, 0), striptype=0, startcol=(128, 128, 128),
           endcol=(255, 255, 255), solidcol=(0, 0, 0), alpha=-1, group="", unrolled=True, rolled=False,
           cond=None, lim=None):
    fields = [("name", name)] + group_line(group) + [
        ("place", "%s,%s" % place), ("extent", "%s,%d" % (right, height)), ("width", str(width)),
        ("source", pair(source)), ("sourcealpha", "-1,-1"), ("startcol", triple(startcol)),
        ("endcol", triple(endcol)), ("solidcol", triple(solidcol)), ("alpha", str(alpha))]
    fields += limits(lim) + condition(cond) + [("striptype", str(striptype))]
    return section("hstrip", fields + roll_flags(unrolled, rolled))


def vstrip(name, place, width, bottom, height=0, source=(0, 0), striptype=0, startcol=(128, 128, 128),
           endcol=(255, 255, 255), solidcol=(0, 0, 0), alpha=-1, group="", unrolled=True, rolled=False,
           cond=None, lim=None):
    fields = [("name", name)] + group_line(group) + [
        ("place", "%s,%s" % place), ("extent", "%d,%s" % (width, bottom)), ("height", str(height)),
        ("source", pair(source)), ("sourcealpha", "-1,-1"), ("startcol", triple(startcol)),
        ("endcol", triple(endcol)), ("solidcol", triple(solidcol)), ("alpha", str(alpha))]
    fields += limits(lim) + condition(cond) + [("striptype", str(striptype))]
    return section("vstrip", fields + roll_flags(unrolled, rolled))


def text(name, place, right, height, value, font="DejaVu Sans", col=(0, 0, 0), point=8, fmt="",
         alignment=0, setcase=0, group="", unrolled=True, rolled=False, cond=None, lim=None):
    fields = [("name", name)] + group_line(group) + [
        ("place", "%s,%s" % place), ("extent", "%s,%d" % (right, height)), ("font", font),
        ("col", triple(col)), ("point", str(point)), ("text", value), ("setcase", str(setcase))]
    fields += limits(lim) + [("format", fmt)] + condition(cond)
    fields.append(("alignment", ("left", "middle", "right")[alignment]))
    return section("text", fields + roll_flags(unrolled, rolled))


def indicator(name, place, size, kind, on, off, group="", unrolled=True, rolled=False, cond=None, lim=None):
    fields = [("name", name)] + group_line(group) + [
        ("place", "%s,%s" % place), ("source", pair(on)), ("sourceoff", pair(off)),
        ("sourcealpha", "-1,-1"), ("sourceoffalpha", "-1,-1"), ("size", "%dx%d" % size)]
    fields += limits(lim) + condition(cond) + [("type", kind)]
    return section("indicator", fields + roll_flags(unrolled, rolled))


def tilearea(name, topleft, bottomright, tiletype, source=(0, 0), size=(0, 0), solidcol=(0, 0, 0), group="",
             unrolled=True, rolled=False, cond=None, lim=None):
    fields = [("name", name)] + group_line(group) + [
        ("topleft", "%s,%s" % topleft), ("bottomright", "%s,%s" % bottomright), ("source", pair(source)),
        ("sourcealpha", "-1,-1"), ("size", "%dx%d" % size), ("tiletype", str(tiletype)),
        ("solidcol", triple(solidcol))]
    fields += limits(lim) + condition(cond)
    return section("tilearea", fields + roll_flags(unrolled, rolled))


def group(name, rules, match_all=True, enabled=True):
    fields = [("name", name), ("enabled", "1" if enabled else "0"), ("match", "all" if match_all else "one")]
    fields += [("rule", ",".join(rule)) for rule in rules]
    return section("group", fields)


def layout_section(name, group_name, left, top, right, bottom, rolledheight, titlebar, scrollbar,
                   usescrollbar=False, minimumwidth=100, minimumheight=50, thumb=15, scroll_limits=None):
    fields = [("name", name)] + group_line(group_name) + [
        ("left", str(left)), ("top", str(top)), ("right", str(right)), ("bottom", str(bottom)),
        ("rolledheight", str(rolledheight)), ("minimumwidth", str(minimumwidth)),
        ("minimumheight", str(minimumheight)), ("titlebar", titlebar)]
    if usescrollbar:
        fields.append(("usescrollbar", "1"))
    fields += [("scrollbar", scrollbar), ("minimumthumbtrackheight", str(thumb))]
    fields += scrollbar_limits(scroll_limits)
    return section("settings", fields)


def scrollbar_limits(lim):
    keys = ("scrollbardrawwidthminimum", "scrollbardrawwidthmaximum", "scrollbardrawheightminimum",
            "scrollbardrawheightmaximum")
    return [(k, str(v)) for k, v in zip(keys, lim or (-1, -1, -1, -1)) if v != -1]


def header(info, top, bottom, left, right, rolledheight, bitmap, region=None, drawonrtfbg=False,
           usescrollbar=False, titlebar="0,0,-1,25", scrollbar="-10,25,-1,10", scroll_limits=None,
           stack=False, minimumwidth=100, minimumheight=50):
    lines = ["%s=%s" % (k, info[k]) for k in ("skinname", "notes", "authorname", "authoremail", "authorurl")
             if info.get(k)]
    lines += ["version=12", "top=%d" % top, "bottom=%d" % bottom, "left=%d" % left, "right=%d" % right,
              "rolledheight=%d" % rolledheight, "bitmap=%s" % bitmap]
    if region:
        lines.append("region=%s" % triple(region))
    lines += ["minimumwidth=%d" % minimumwidth, "minimumheight=%d" % minimumheight,
              "minimumthumbtrackheight=15", "titlebar=%s" % titlebar, "titletooltip=1"]
    if usescrollbar:
        lines.append("usescrollbar=1")
    if drawonrtfbg:
        lines.append("drawonrtfbg=1")
    lines.append("scrollbar=%s" % scrollbar)
    lines += ["%s=%s" % kv for kv in scrollbar_limits(scroll_limits)]
    lines += ["selectedborderwidth=3", "selectedborderdashlength1=20", "selectedborderdashlength2=20",
              "selectedborderdashcolour1=16777215", "selectedborderdashcolour2=0"]
    if stack:
        lines.append("mode=stack")
    return "\n".join(lines) + "\n\n"


def frame_sections(prefix, frame, pieces, rolled=False, group_name=""):
    """Edge strips first, corners over them. A strip draws through its end edge inclusive, so each ends
    one pixel before the corner that follows it: translucent pieces must not overlap."""
    cl, cr, t = frame.cl, frame.cr, frame.tile
    ct = frame.height if rolled else frame.ct
    cb = 0 if rolled else frame.cb
    unrolled = not rolled
    out = [
        hstrip(prefix + " top", ("%d" % cl, "0"), "%d" % -(cr + 2), ct, t, pieces["top"], group=group_name,
               unrolled=unrolled, rolled=rolled),
    ]
    if not rolled:
        out += [
            vstrip(prefix + " left", ("0", "%d" % ct), cl, "%d" % -(cb + 2), t, pieces["left"]),
            vstrip(prefix + " right", ("%d" % -cr, "%d" % ct), cr, "%d" % -(cb + 2), t, pieces["right"]),
            hstrip(prefix + " bottom", ("%d" % cl, "%d" % -cb), "%d" % -(cr + 2), cb, t, pieces["bottom"]),
            button(prefix + " bottom left", ("0", "%d" % -cb), (cl, cb), pieces["bl"]),
            button(prefix + " bottom right", ("%d" % -cr, "%d" % -cb), (cr, cb), pieces["br"]),
        ]
    out += [
        button(prefix + " top left", ("0", "0"), (cl, ct), pieces["tl"], group=group_name, unrolled=unrolled,
               rolled=rolled),
        button(prefix + " top right", ("%d" % -cr, "0"), (cr, ct), pieces["tr"], group=group_name,
               unrolled=unrolled, rolled=rolled),
    ]
    return out


def write_skin(folder, name, text_value, picture):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name + ".ini"), "wb") as f:
        f.write(b"\xff\xfe" + (text_value + "\n").encode("utf-16-le"))
    with open(os.path.join(folder, name + ".png"), "wb") as f:
        f.write(picture.png())


# ---------------------------------------------------------------- icons

def icon_button(pic, ox, oy, size, fill, edge, glyph, glyph_rgb, glyph_alpha=1.0):
    pic.shape(ox, oy, size, size, lambda x, y: rounded_box_distance(x, y, size, size, 4) + 0.5, edge, 0.9)
    pic.shape(ox, oy, size, size, lambda x, y: rounded_box_distance(x - 1, y - 1, size - 2, size - 2, 3),
              fill[:3], fill[3])
    pic.shape(ox, oy, size, size, glyph, glyph_rgb, glyph_alpha)


def cross(size, thickness=1.1):
    a, b = size * 0.32, size * 0.68
    return lambda x, y: min(segment_distance(x, y, a, a, b, b), segment_distance(x, y, a, b, b, a)) - thickness


def chevron(size, up=True, thickness=1.1):
    a, m, b = size * 0.3, size * 0.5, size * 0.7
    hi, lo = size * 0.38, size * 0.62
    if up:
        return lambda x, y: min(segment_distance(x, y, a, lo, m, hi), segment_distance(x, y, m, hi, b, lo)) - thickness
    return lambda x, y: min(segment_distance(x, y, a, hi, m, lo), segment_distance(x, y, m, lo, b, hi)) - thickness


def bell(size):
    def d(x, y):
        cx = size / 2
        body = rounded_box_distance(x - size * 0.25, y - size * 0.2, size * 0.5, size * 0.55, size * 0.22)
        rim = rounded_box_distance(x - size * 0.14, y - size * 0.66, size * 0.72, size * 0.12, 0.8)
        clapper = math.hypot(x - cx, y - size * 0.84) - size * 0.1
        return min(body, rim, clapper)
    return d


def pin(size):
    def d(x, y):
        head = math.hypot(x - size * 0.5, y - size * 0.36) - size * 0.24
        needle = segment_distance(x, y, size * 0.5, size * 0.5, size * 0.5, size * 0.9) - 0.7
        return min(head, needle)
    return d


def lock(size):
    def d(x, y):
        body = rounded_box_distance(x - size * 0.22, y - size * 0.45, size * 0.56, size * 0.42, 1.5)
        arc = abs(math.hypot(x - size * 0.5, y - size * 0.45) - size * 0.2) - 0.9
        if y > size * 0.45:
            arc = 99
        return min(body, arc)
    return d


def ring(size):
    return lambda x, y: abs(math.hypot(x - size / 2, y - size / 2) - size * 0.28) - 0.9


# ---------------------------------------------------------------- plain paper

PLAIN_EDGE = (118, 96, 44)


def plain_painter(x, y, w, h):
    d = -rounded_box_distance(x + 0.5, y + 0.5, w, h, 7)
    if d < 0:
        return OUTSIDE
    if d < 1:
        return (*PLAIN_EDGE, 220)
    if d < 2:
        return (255, 255, 255, 120)
    if y < 24:  # title band: light at the top, a little darker towards the separator
        t = y / 23.0
        if t < 0.5:
            return (255, 255, 255, lerp(110, 0, t * 2))
        return (70, 50, 0, lerp(0, 40, (t - 0.5) * 2))
    if y == 24:
        return (*PLAIN_EDGE, 110)
    if y >= h - 4:  # the paper's lower edge curls away a little
        return (70, 50, 0, (y - (h - 5)) * 14)
    return (0, 0, 0, 0)


def plain_rolled_painter(x, y, w, h):
    d = -rounded_box_distance(x + 0.5, y + 0.5, w, h, 7)
    if d < 0:
        return OUTSIDE
    if d < 1:
        return (*PLAIN_EDGE, 220)
    if d < 2:
        return (255, 255, 255, 120)
    t = y / float(h - 1)
    if t < 0.5:
        return (255, 255, 255, lerp(110, 0, t * 2))
    return (70, 50, 0, lerp(0, 40, (t - 0.5) * 2))


def make_plain(root):
    frame = Frame(plain_painter, 8, 8, 25, 8)
    rolled = RolledFrame(plain_rolled_painter, 8, 8, 25)
    pic = Picture(96, 48)
    pic.blit(frame.picture, 0, 0)
    pic.blit(rolled.picture, 24, 0)
    # Ruled paper: a faint blue line every 16 rows, a hint of grain.
    for y in range(16):
        for x in range(16):
            if y == 15:
                pic.put(48 + x, y, (70, 110, 190, 48))
            elif (x * 7 + y * 13) % 17 == 0:
                pic.put(48 + x, y, (120, 100, 40, 10))
    for col, (fill, glyph_alpha) in enumerate((((255, 255, 255, 0.45), 0.75), ((255, 235, 225, 0.9), 1.0))):
        ox = 64 + col * 16
        icon_button(pic, ox, 0, 14, fill, PLAIN_EDGE, cross(14), (120, 40, 20) if col else PLAIN_EDGE,
                    glyph_alpha)
        icon_button(pic, ox, 16, 14, fill, PLAIN_EDGE, chevron(14, up=True), PLAIN_EDGE, glyph_alpha)

    info = {"skinname": "Plain Paper", "notes": "A rounded paper note with ruled lines.^MExample skin of Drapier.",
            "authorname": "Drapier examples"}
    body = header(info, 25, 8, 8, 8, 25, "plain.png", region=REGION, drawonrtfbg=True)
    body += tilearea("Ruled paper", ("8", "25"), ("-9", "-9"), 1, (48, 0), (16, 16))
    body += "".join(frame_sections("Frame", frame, frame.pieces(0, 0)))
    body += "".join(frame_sections("Rolled frame", rolled, rolled.pieces(24, 0), rolled=True))
    body += text("Title", ("10", "6"), "-44", 16, "%TITLE%", col=(86, 62, 16), point=9, fmt="bold,transparent,",
                 rolled=True)
    body += button("Roll", ("-40", "6"), (14, 14), (64, 16), "roll", rollover=(80, 16), rolled=True)
    body += button("Close", ("-23", "6"), (14, 14), (64, 0), "close", rollover=(80, 0), rolled=True)
    write_skin(os.path.join(root, "plain"), "plain", body, pic)


# ---------------------------------------------------------------- ribbon

RIBBON_EDGE = (52, 62, 86)


def ribbon_body(x, y, w, h, rolled):
    d = -rounded_box_distance(x + 0.5, y + 0.5, w, h, 6)
    if d < 0:
        return OUTSIDE
    if d < 1:
        return (*RIBBON_EDGE, 235)
    if d < 2:
        return (255, 255, 255, 90)
    if y < 26 or rolled:  # header: the note colour, deepened towards its lower edge
        t = min(1.0, y / 25.0)
        return (30, 40, 70, lerp(18, 70, t))
    if y >= h - 20:
        return (0, 0, 0, 0)  # the status bar is a fade strip of its own
    return (0, 0, 0, 0)


def make_rich(root):
    frame = Frame(lambda x, y, w, h: ribbon_body(x, y, w, h, False), 8, 8, 28, 20)
    rolled = RolledFrame(lambda x, y, w, h: ribbon_body(x, y, w, h, True), 8, 8, 28)
    pic = Picture(128, 96)
    pic.blit(frame.picture, 0, 0)     # 24 x 56
    pic.blit(rolled.picture, 24, 0)   # 24 x 28
    # Buttons 14 x 14: close, roll, each with a rollover; indicators on and off.
    light = (255, 255, 255, 0.55)
    hover = (255, 255, 255, 0.95)
    icon_button(pic, 48, 0, 14, light, RIBBON_EDGE, cross(14), RIBBON_EDGE)
    icon_button(pic, 64, 0, 14, hover, RIBBON_EDGE, cross(14), (170, 30, 40))
    icon_button(pic, 48, 16, 14, light, RIBBON_EDGE, chevron(14), RIBBON_EDGE)
    icon_button(pic, 64, 16, 14, hover, RIBBON_EDGE, chevron(14), (30, 90, 170))
    pic.shape(80, 0, 14, 14, bell(14), (214, 150, 20))            # alarm on
    pic.shape(96, 0, 14, 14, bell(14), RIBBON_EDGE, 0.22)          # alarm off
    pic.shape(80, 16, 14, 14, pin(14), (200, 40, 50))             # on top on
    pic.shape(96, 16, 14, 14, pin(14), RIBBON_EDGE, 0.22)          # on top off
    pic.shape(80, 32, 14, 14, lock(14), (60, 70, 90))             # locked on
    pic.shape(96, 32, 14, 14, lock(14), RIBBON_EDGE, 0.0)          # locked off: nothing
    # Scroll bar, 10 wide: track tile, thumb body tile, thumb caps, grip, arrows.
    for y in range(8):
        for x in range(10):
            edge = x in (0, 9)
            pic.put(112 + x, y, (*RIBBON_EDGE, 60 if edge else 22))
            pic.put(112 + x, 8 + y, (70, 100, 160, 255) if x in (1, 8) else (96, 132, 196, 255)
                    if 1 < x < 8 else (0, 0, 0, 0))
    pic.shape(112, 16, 10, 3, lambda x, y: rounded_box_distance(x - 1, y, 8, 6, 3), (70, 100, 160))
    pic.shape(112, 19, 10, 3, lambda x, y: rounded_box_distance(x - 1, y + 3, 8, 6, 3), (70, 100, 160))
    pic.shape(112, 24, 6, 6, lambda x, y: min(abs(y - 1.5), abs(y - 3), abs(y - 4.5)) - 0.45, (255, 255, 255),
              0.8)
    icon_button(pic, 112, 32, 10, light, RIBBON_EDGE, chevron(10), RIBBON_EDGE)
    icon_button(pic, 112, 44, 10, light, RIBBON_EDGE, chevron(10, up=False), RIBBON_EDGE)
    # A dot for the resize grip's tile.
    pic.shape(48, 32, 4, 4, lambda x, y: math.hypot(x - 1.5, y - 1.5) - 0.9, RIBBON_EDGE, 0.5)

    info = {"skinname": "Ribbon", "authorname": "Drapier examples",
            "notes": "Groups, a narrow layout, its own scroll bar and indicators.^MExample skin of Drapier."}
    scrollbar = "-16,42,-33,10"
    body = header(info, 28, 20, 8, 18, 28, "rich.png", region=REGION, usescrollbar=True,
                  titlebar="0,0,-1,28", scrollbar=scrollbar, scroll_limits=(200, -1, 90, -1))
    body += group("focus", [("Has focus", "is", "true")])
    body += group("nofocus", [("Has focus", "is", "false")])
    body += group("wide", [("Width", "is greater than", "239"), ("Rolled", "is", "false")])
    body += group("flagged", [("User 1", "is", "true"), ("Alarm set", "is", "true")], match_all=False)
    body += group("narrow", [("Width", "is less than", "200")])
    body += layout_section("Narrow", "narrow", 8, 28, 8, 20, 28, "0,0,-1,28", scrollbar,
                           scroll_limits=(200, -1, -1, -1))
    # Status bar and frame.
    body += hstrip("Status bar", ("8", "-20"), "-9", 19, striptype=1, startcol=(232, 234, 240),
                   endcol=(206, 212, 226))
    body += "".join(frame_sections("Frame", frame, frame.pieces(0, 0)))
    body += "".join(frame_sections("Rolled frame", rolled, rolled.pieces(24, 0), rolled=True))
    # Header accents: the pen colour while focused, a quiet shade otherwise; a flag marker.
    body += hstrip("Focus accent", ("8", "26"), "-9", 2, striptype=3, alpha=200, group="focus")
    body += hstrip("Quiet accent", ("8", "26"), "-9", 2, striptype=2, solidcol=(30, 40, 70), alpha=50,
                   group="nofocus")
    body += tilearea("Flag marker", ("9", "7"), ("12", "20"), 2, group="flagged", rolled=True)
    body += text("Title", ("16", "6"), "-94", 16, "%TITLE%", col=(26, 32, 52), point=9, fmt="bold,transparent,",
                 rolled=True)
    body += indicator("Locked", ("-90", "7"), (14, 14), "readonly", (80, 32), (96, 32))
    body += indicator("On top", ("-74", "7"), (14, 14), "ontop", (80, 16), (96, 16), rolled=True)
    body += indicator("Alarm", ("-58", "7"), (14, 14), "alarm", (80, 0), (96, 0), rolled=True)
    body += button("Roll", ("-40", "7"), (14, 14), (48, 16), "roll", rollover=(64, 16), rolled=True)
    body += button("Close", ("-24", "7"), (14, 14), (48, 0), "close", rollover=(64, 0), rolled=True)
    # Status texts for wide notes.
    body += text("Source", ("12", "-17"), "m-1", 14, "%SOURCE%", col=(70, 78, 100), point=7,
                 fmt="transparent,", group="wide")
    body += text("Alarm time", ("m1", "-17"), "-17", 14, "%ALARM%", col=(150, 90, 10), point=7,
                 fmt="transparent,", alignment=2, group="wide")
    body += tilearea("Resize grip", ("-14", "-14"), ("-5", "-5"), 1, (48, 32), (4, 4))
    # The scroll bar: track by the sides, thumb, caps and grip by the thumb, arrows by the range ends.
    sb = ("scrollbarrequired", True)
    body += vstrip("Scroll track", ("-16", "42"), 10, "-33", 8, (112, 0), cond=sb)
    body += vstrip("Thumb", ("tl0", "tl3"), 10, "br-4", 8, (112, 8), cond=sb)
    body += button("Thumb top", ("tl0", "tl0"), (10, 3), (112, 16), cond=sb)
    body += button("Thumb bottom", ("tl0", "br-3"), (10, 3), (112, 19), cond=sb)
    body += button("Thumb grip", ("sc-3", "sc-3"), (6, 6), (112, 24), cond=sb)
    body += button("Scroll up", ("-16", "30"), (10, 10), (112, 32), "scrollup", cond=sb)
    body += button("Scroll down", ("-16", "-31"), (10, 10), (112, 44), "scrolldown", cond=sb)
    write_skin(os.path.join(root, "rich"), "rich", body, pic)


# ---------------------------------------------------------------- paper pile

PILE_EDGE = (96, 86, 70)


def pile_painter(x, y, w, h, rolled=False):
    """The top sheet leaves 8 pixels at the right and bottom, where two sheets below peek out."""
    px, py = x + 0.5, y + 0.5
    top = -rounded_box_distance(px, py, w - 8, h - 8, 5)
    if top >= 0:
        if top < 1:
            return (*PILE_EDGE, 230)
        if top < 2:
            return (255, 255, 255, 110)
        if y < 23 and not rolled:
            return (80, 60, 20, lerp(0, 36, y / 22.0))
        if y == 23 and not rolled:
            return (*PILE_EDGE, 90)
        if rolled:
            return (80, 60, 20, lerp(0, 36, y / float(h - 9)))
        return (0, 0, 0, 0)
    for offset, paper in ((4, (250, 248, 240)), (8, (234, 230, 218))):
        d = -rounded_box_distance(px - offset, py - offset, w - 8, h - 8, 5)
        if d >= 0:
            return (*PILE_EDGE, 210) if d < 1 else (*paper, 255)
    return OUTSIDE


def make_stack(root):
    frame = Frame(pile_painter, 16, 16, 24, 16)
    rolled = RolledFrame(lambda x, y, w, h: pile_painter(x, y, w, h, True), 16, 16, 32)
    pic = Picture(96, 48)
    pic.blit(frame.picture, 0, 0)    # 40 x 48
    pic.blit(rolled.picture, 40, 0)  # 40 x 32
    light = (255, 255, 255, 0.5)
    icon_button(pic, 80, 0, 14, light, PILE_EDGE, cross(14), PILE_EDGE)
    icon_button(pic, 80, 16, 14, (255, 240, 230, 0.95), PILE_EDGE, cross(14), (150, 40, 20))
    pic.shape(80, 32, 14, 14, pin(14), (190, 50, 40))
    pic.shape(40, 34, 14, 14, pin(14), PILE_EDGE, 0.2)
    pic.shape(56, 34, 14, 14, ring(14), PILE_EDGE, 0.8)

    info = {"skinname": "Paper Pile", "authorname": "Drapier examples",
            "notes": "A stack skin: a pile of sheets with the stack's name and count.^MExample skin of Drapier."}
    body = header(info, 24, 14, 6, 14, 24, "paperpile.png", region=REGION, titlebar="0,0,-9,24", stack=True)
    body += "".join(frame_sections("Pile", frame, frame.pieces(0, 0)))
    body += "".join(frame_sections("Rolled pile", rolled, rolled.pieces(40, 0), rolled=True))
    body += text("Stack name", ("8", "5"), "-90", 15, "%STACKNAME%", col=(80, 58, 20), point=9,
                 fmt="bold,transparent,", rolled=True)
    body += text("Count", ("-88", "6"), "-60", 14, "%SOURCE%", col=(110, 96, 70), point=8, fmt="transparent,",
                 alignment=2, rolled=True)
    body += indicator("On top", ("-40", "5"), (14, 14), "ontop", (80, 32), (40, 34), rolled=True)
    body += button("Colour", ("-58", "5"), (14, 14), (56, 34), "colour", cond=("lightbgcol", True), rolled=True)
    body += button("Close", ("-24", "5"), (14, 14), (80, 0), "close", rollover=(80, 16), rolled=True)
    write_skin(os.path.join(root, "stack"), "paperpile", body, pic)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    make_plain(root)
    make_rich(root)
    make_stack(root)


if __name__ == "__main__":
    main()
