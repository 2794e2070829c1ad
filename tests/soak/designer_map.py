"""The map of windows, widgets, item rows and menu entries the designer writes when DRAPIER_WIDGET_MAP
names a file (src/designer/WidgetMap.h describes its lines)."""

class Window:
    def __init__(self, fields):
        self.index = int(fields[1])
        self.xid = fields[2]
        self.cls = fields[3]
        self.name = fields[4]
        self.rect = tuple(int(v) for v in fields[5:9])
        self.modal = fields[9] == "1"
        self.active = fields[10] == "1"
        self.title = fields[11] if len(fields) > 11 else ""
        self.widgets = []
        self.items = []
        self.actions = []

    def find(self, name=None, kind=None, cls=None, enabled=True):
        return [w for w in self.widgets
                if (name is None or w.name == name) and (kind is None or w.kind == kind)
                and (cls is None or w.cls == cls) and (not enabled or w.enabled)
                and w.rect[2] > 0 and w.rect[3] > 0]


class Thing:
    """A widget, an item row or a menu entry: where it is on the screen and what it says."""

    def __init__(self, rect, name="", cls="", kind="", enabled=True, text=""):
        self.rect, self.name, self.cls, self.kind, self.enabled, self.text = rect, name, cls, kind, enabled, text

    def point(self, rng, margin=2):
        x, y, w, h = self.rect
        return (x + rng.randint(min(margin, w // 2), max(min(margin, w // 2), w - 1 - margin)),
                y + rng.randint(min(margin, h // 2), max(min(margin, h // 2), h - 1 - margin)))

    def centre(self):
        x, y, w, h = self.rect
        return x + w // 2, y + h // 2


def read_map(path):
    """The tick and the windows, or None while the file is missing or half written."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except (OSError, UnicodeDecodeError):
        return None
    if not lines or not lines[0].startswith("tick\t"):
        return None
    tick = int(lines[0].split("\t")[1])
    windows = {}
    for line in lines[1:]:
        fields = line.split("\t")
        try:
            if fields[0] == "window":
                window = Window(fields)
                windows[window.index] = window
            elif fields[0] == "widget":
                windows[int(fields[1])].widgets.append(Thing(
                    tuple(int(v) for v in fields[4:8]), fields[3], fields[2], fields[9], fields[8] == "1",
                    fields[10] if len(fields) > 10 else ""))
            elif fields[0] == "item":
                windows[int(fields[1])].items.append(Thing(
                    tuple(int(v) for v in fields[3:7]), fields[2], text=fields[7] if len(fields) > 7 else ""))
            elif fields[0] == "action":
                windows[int(fields[1])].actions.append(Thing(
                    tuple(int(v) for v in fields[2:6]), enabled=fields[6] == "1",
                    text=fields[7] if len(fields) > 7 else ""))
        except (IndexError, ValueError, KeyError):
            return None
    return tick, list(windows.values())
