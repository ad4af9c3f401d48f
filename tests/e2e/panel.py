"""The control panel as a person uses it: where each control sits in the
panel window, and clicks and typing on them.

Coordinates are window-relative pixels of the panel window (219 by 473),
measured from screenshots of the panel at start: the centre of a radio
button's circle or a check box's box, of a button, or of a spinner's field."""

CONTROLS = {
    'Points': (25, 40),
    'Wireframe': (25, 63),
    'Solid': (25, 86),
    'Light On/Off': (25, 109),
    'Backface culling': (25, 132),
    '# Subdivisions': (157, 155),
    'Camera': (200, 176),         # the Camera panel's empty header, right of its label
    'Hfov': (87, 209),
    'Vfov': (87, 232),
    'TRANSLATE': (25, 255),
    'ROTATE': (25, 278),
    'Look at Object': (25, 301),
    'X': (33, 347),
    'Y': (33, 370),
    'Z': (33, 393),
    'Reset View': (66, 424),
    'Quit': (66, 447),
    'background': (210, 465),     # empty: right of the Quit button
}

# Spinner fields (x, y, w, h) and their arrows' centres (up, down).
FIELDS = {'# Subdivisions': (125, 146, 64, 19), 'Hfov': (55, 200, 64, 19),
          'Vfov': (55, 223, 64, 19)}
ARROWS = {'# Subdivisions': ((196, 150), (196, 160)), 'Hfov': ((126, 204), (126, 214)),
          'Vfov': ((126, 227), (126, 237))}
QUIT_BOX = (16, 438, 100, 19)
INDICATOR_RADIUS = 9          # radio circles and check boxes are 19 by 19
INDICATOR_COLOUR = (66, 150, 250)   # the fill of a selected radio or ticked box

RADIO_GROUPS = (('Points', 'Wireframe', 'Solid'), ('TRANSLATE', 'ROTATE'), ('X', 'Y', 'Z'))
CHECKBOXES = ('Light On/Off', 'Backface culling', 'Look at Object')
SPINNERS = ('# Subdivisions', 'Hfov', 'Vfov')
START_SELECTION = {'Wireframe', 'TRANSLATE', 'Z', 'Backface culling'}


class Panel:
    """Clicks and typing on the panel of one viewer, with the selection it
    expects the panel to show (the start values until changed here)."""

    def __init__(self, viewer):
        self.viewer = viewer
        self.selected = set(START_SELECTION)

    def at(self, name):
        return CONTROLS[name]

    def click(self, name, button=1):
        x, y = self.at(name)
        self.viewer.click(self.viewer.panel, x, y, button)
        self._note_click(name)
        if name != 'Quit':
            self.park()

    def _note_click(self, name):
        for group in RADIO_GROUPS:
            if name in group:
                self.selected.difference_update(group)
                self.selected.add(name)
        if name in CHECKBOXES:
            self.selected ^= {name}

    def click_arrow(self, spinner, up):
        x, y = ARROWS[spinner][0 if up else 1]
        self.viewer.click(self.viewer.panel, x, y)
        self.park()

    def select(self, name):
        if name not in self.selected:
            self.click(name)

    def set_checked(self, name, checked):
        if (name in self.selected) != checked:
            self.click(name)

    def enter(self, name, text):
        """Replaces the text of a spinner's field and commits it with Return.
        A click in the field selects all of its text."""
        x, y = self.at(name)
        v = self.viewer
        v.x.xdotool('windowfocus', '--sync', v.panel, 'mousemove', '--window', v.panel, x, y,
                    'click', 1, 'key', 'BackSpace')
        if text:
            # type takes every later argument; "--" lets text start with "-"
            v.x.xdotool('type', '--delay', 5, '--', text)
        v.x.xdotool('key', 'Return')
        self.park()

    def park(self):
        """Moves the pointer off every control, so nothing shows as hovered."""
        x, y = self.at('background')
        self.viewer.x.xdotool('mousemove', '--window', self.viewer.panel, x, y)

    def shows_on(self, name, shot=None):
        """Whether a radio button or check box shows as selected."""
        shot = shot or self.viewer.screenshot(self.viewer.panel)
        x, y = self.at(name)
        r = INDICATOR_RADIUS
        box = (x - r, y - r, 2 * r + 1, 2 * r + 1)
        return shot.count(lambda p: p == INDICATOR_COLOUR, box) > 15

    def field_image(self, name, shot=None):
        """The pixels inside a spinner's field frame: its text as shown."""
        shot = shot or self.viewer.screenshot(self.viewer.panel)
        x, y, w, h = FIELDS[name]
        return shot.region(x + 1, y + 1, w - 2, h - 2)
