"""Reads an apitrace trace through `apitrace pickle` (exact doubles) and
splits the drawing window's calls into frames."""
import pickle
import subprocess

GL_TRIANGLES = 0x0004
GL_FRONT_AND_BACK = 0x0408
GL_CULL_FACE = 0x0B44
GL_LIGHTING = 0x0B50
GL_DEPTH_TEST = 0x0B71
GL_UNPACK_ALIGNMENT = 0x0CF5
GL_LIGHT0 = 0x4000
GL_MODELVIEW = 0x1700
GL_PROJECTION = 0x1701
GL_POINT, GL_LINE, GL_FILL = 0x1B00, 0x1B01, 0x1B02
GL_MODELVIEW_MATRIX = 0x0BA6
GL_PROJECTION_MATRIX = 0x0BA7
GL_COLOR_AND_DEPTH = 0x4100
CALL_FLAG_FAKE = 1


class Call:
    __slots__ = ('no', 'name', 'args', 'drawable')

    def __init__(self, no, name, args, drawable):
        self.no, self.name, self.args, self.drawable = no, name, args, drawable

    def arg(self, i):
        return self.args[i][1]

    def values(self):
        return [v for _, v in self.args]

    def __repr__(self):
        return '%d %s%r' % (self.no, self.name, tuple(self.values()))


class _Unpickler(pickle.Unpickler):
    def find_class(self, module, name):
        if module == 'unpickle':
            return lambda *a: (name,) + a
        return super().find_class(module, name)


def load(trace_path):
    """All real (not fake) calls, each tagged with the drawable current then."""
    proc = subprocess.Popen(['apitrace', 'pickle', trace_path],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    calls = []
    drawable = None
    try:
        while True:
            try:
                no, name, args, _ret, flags = _Unpickler(proc.stdout).load()[:5]
            except EOFError:
                break
            if name in ('glXMakeCurrent', 'glXMakeContextCurrent'):
                drawable = args[1][1]
            if not (flags & CALL_FLAG_FAKE):
                calls.append(Call(no, name, args, drawable))
    finally:
        proc.stdout.close()
        proc.wait()
    return calls


def of_window(calls, drawable):
    """The calls made with the given window current, glX calls left out."""
    return [c for c in calls if c.drawable == drawable and not c.name.startswith('glX')]


def swaps(calls, drawable):
    return [c for c in calls if c.name == 'glXSwapBuffers' and c.arg(1) == drawable]


def frames(calls, drawable):
    """Per swap of the drawing window, the window's calls since the last swap."""
    result, current = [], []
    for c in calls:
        if c.name == 'glXSwapBuffers' and c.arg(1) == drawable:
            result.append(current)
            current = []
        elif c.drawable == drawable and not c.name.startswith('glX'):
            current.append(c)
    return result


class FrameSummary:
    """What one frame asked of OpenGL."""

    def __init__(self, calls):
        self.triangles = 0
        self.polygon_modes = []
        self.switches = []     # (enable?, cap) in order
        self.clears = []
        self.colors = []
        self.vertices = []     # per triangle: 3 (normal, vertex) pairs
        self.unpaired = 0
        self._read(calls)

    def _read(self, calls):
        open_tri = None
        for c in calls:
            if c.name == 'glBegin':
                open_tri = [] if c.arg(0) == GL_TRIANGLES else None
                if open_tri is None:
                    self.unpaired += 1
            elif c.name == 'glEnd':
                if open_tri is not None:
                    self.triangles += 1
                    self.vertices.append(open_tri)
                open_tri = None
            elif c.name in ('glNormal3fv', 'glVertex3fv') and open_tri is not None:
                open_tri.append((c.name, tuple(c.arg(0))))
            elif c.name == 'glPolygonMode':
                self.polygon_modes.append((c.arg(0), c.arg(1)))
            elif c.name in ('glEnable', 'glDisable'):
                self.switches.append((c.name == 'glEnable', c.arg(0)))
            elif c.name == 'glClear':
                self.clears.append(c.arg(0))
            elif c.name == 'glColor3f':
                self.colors.append(tuple(c.values()))


class StateTracker:
    """Follows the drawing window's capabilities and projection through the stream."""

    def __init__(self):
        self.enabled = set()
        self.projection = None
        self.viewport = None
        self.mode = GL_MODELVIEW

    def feed(self, c):
        if c.name == 'glEnable':
            self.enabled.add(c.arg(0))
        elif c.name == 'glDisable':
            self.enabled.discard(c.arg(0))
        elif c.name == 'glMatrixMode':
            self.mode = c.arg(0)
        elif c.name == 'glLoadIdentity' and self.mode == GL_PROJECTION:
            self.projection = 'identity'
        elif c.name == 'glMultMatrixd' and self.mode == GL_PROJECTION:
            self.projection = list(c.arg(0))
        elif c.name == 'glViewport':
            self.viewport = tuple(c.values())
