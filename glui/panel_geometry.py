"""Where the controls of a panel window land, for tests that click them.

Mirrors the fixed layout of glui/layout.h: window pixels, origin at the
top-left of the panel window's client area, y down; the panel font is
7 pixels per character. Describe the panel as GLUI builds it, in the order
the controls are added, then ask for centres:

    top = Panel(None, [Panel("Render Mode", [Radio(["Points", ...]), ...])])
    size = layout(top)                      # window (width, height)
    centre(top.children[0].children[0], row=1)
"""

CHAR_WIDTH = 7
MARGIN = 8
ROW = 19
GAP = 4
PANEL_HEADER = 19
PANEL_INSET = 8
BOX = 19
INNER_GAP = 4
FIELD_WIDTH = 64
ARROW_WIDTH = 14
ARROW_UP_HEIGHT = 9
BUTTON_MIN_WIDTH = 100
BUTTON_TEXT_PAD = 4


def text_width(text):
    return CHAR_WIDTH * len(text)


class Item:
    """A laid-out item; rect is (x, y, w, h) once layout() has run."""

    rect = None

    def row_widths(self):
        return []


class Panel(Item):
    """frame: "labelled" (GLUI_PANEL_EMBOSSED), "unlabelled" (RAISED) or
    "none" (GLUI_PANEL_NONE, also the window's top level)."""

    def __init__(self, label, children, frame="labelled"):
        self.label = label or ""
        self.children = children
        self.frame = "none" if label is None else frame


class Radio(Item):
    def __init__(self, labels):
        self.labels = labels

    def row_widths(self):
        return [BOX + INNER_GAP + text_width(t) for t in self.labels]


class Checkbox(Item):
    def __init__(self, label):
        self.label = label

    def row_widths(self):
        return [BOX + INNER_GAP + text_width(self.label)]


class Spinner(Item):
    def __init__(self, label):
        self.label = label

    def row_widths(self):
        return [text_width(self.label) + INNER_GAP + FIELD_WIDTH + ARROW_WIDTH]


class Button(Item):
    def __init__(self, label):
        self.label = label

    def row_widths(self):
        return [max(BUTTON_MIN_WIDTH, text_width(self.label) + 2 * BUTTON_TEXT_PAD)]


def _framed(item):
    return isinstance(item, Panel) and item.frame != "none"


def _natural_width(item):
    if not isinstance(item, Panel):
        return max(item.row_widths(), default=0)
    w = max((_natural_width(c) for c in item.children), default=0)
    if not _framed(item):
        return w
    if item.frame == "labelled":
        w = max(w, text_width(item.label))
    return w + 2 * PANEL_INSET


def _height(item):
    if not isinstance(item, Panel):
        rows = len(item.row_widths())
        return rows * ROW + (rows - 1) * GAP if rows else 0
    content = 0
    for c in item.children:
        h = _height(c)
        if h:
            content += (GAP if content else 0) + h
    if not _framed(item):
        return content
    return PANEL_HEADER + (GAP + content if content else 0) + PANEL_INSET


def _place(item, x, y, available):
    w = available if isinstance(item, Panel) else _natural_width(item)
    item.rect = (x, y, w, _height(item))
    if not isinstance(item, Panel):
        return
    cx, cy, cw = x, y, available
    if _framed(item):
        cx, cy, cw = x + PANEL_INSET, y + PANEL_HEADER + GAP, available - 2 * PANEL_INSET
    for c in item.children:
        _place(c, cx, cy, cw)
        if c.rect[3]:
            cy += c.rect[3] + GAP


def layout(top):
    """Places every item; returns the window size (width, height)."""
    w = _natural_width(top)
    _place(top, MARGIN, MARGIN, w)
    return (w + 2 * MARGIN, top.rect[3] + 2 * MARGIN)


def row_rect(item, row=0):
    x, y, _, _ = item.rect
    return (x, y + row * (ROW + GAP), item.row_widths()[row], ROW)


def centre(item, row=0):
    """Centre of a radio button's circle or check box's box (their label is
    clickable too), of a button, or of a spinner's edit field."""
    x, y, w, h = row_rect(item, row)
    if isinstance(item, (Radio, Checkbox)):
        return (x + BOX // 2, y + ROW // 2)
    if isinstance(item, Spinner):
        return (x + text_width(item.label) + INNER_GAP + FIELD_WIDTH // 2, y + ROW // 2)
    return (x + w // 2, y + h // 2)


def arrow(spinner, up=True):
    """Centre of a spinner's up or down arrow."""
    x, y, _, _ = spinner.rect
    ax = x + text_width(spinner.label) + INNER_GAP + FIELD_WIDTH + ARROW_WIDTH // 2
    if up:
        return (ax, y + ARROW_UP_HEIGHT // 2)
    return (ax, y + ARROW_UP_HEIGHT + (ROW - ARROW_UP_HEIGHT) // 2)
