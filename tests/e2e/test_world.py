"""The opt-in world view (viewer --world): where it opens, that it follows
the scene and its own observer, that it leaves the drawing window's OpenGL
calls and the console reports exactly as they are without it, and that
closing it closes only it."""
import ctypes
import os
import subprocess
import tempfile

import e2e_common
import gltrace as gl
from e2e_common import ViewerTest
from panel import Panel
from xsession import DRAWING_TITLE, PANEL_TITLE, Stream, ViewerProcess, wait_until

WORLD_TITLE = 'World View'
BACKGROUND = (31, 31, 41)   # the world view's clear colour, 0.12 0.12 0.16


class WorldViewer(ViewerProcess):
    """The viewer started with extra arguments, optionally under apitrace."""

    def __init__(self, xserver, viewer_path, args, trace=False):
        self.x = xserver
        self.tmpdir = tempfile.mkdtemp(prefix='viewer-world-')
        self.trace_path = os.path.join(self.tmpdir, 'viewer.trace') if trace else None
        command = [viewer_path] + args
        if trace:
            command = ['apitrace', 'trace', '--api', 'gl', '-o', self.trace_path] + command
        self.proc = subprocess.Popen(command, env=xserver.env, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                     start_new_session=True)
        drop = 'apitrace: ' if trace else None
        self.out = Stream(self.proc.stdout, drop)
        self.err = Stream(self.proc.stderr, drop)
        self.status = None
        try:
            self.drawing = self._find_window(DRAWING_TITLE)
            self.panel = self._find_window(PANEL_TITLE)
            self.world = self._find_window(WORLD_TITLE) if '--world' in args else None
        except BaseException:
            self.cleanup()
            raise

    def shown(self, title):
        return self.x.run('xdotool', 'search', '--onlyvisible', '--name', '^%s$' % title,
                          check=False).split()


def close_window(xserver, window):
    """Sends what a window manager's close button sends: a WM_DELETE_WINDOW
    client message."""
    x11 = ctypes.CDLL('libX11.so.6')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong),
                    ('send_event', ctypes.c_int), ('display', ctypes.c_void_p),
                    ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                    ('format', ctypes.c_int), ('data', ctypes.c_long * 5),
                    ('pad', ctypes.c_long * 12)]   # XEvent is 24 longs

    display = x11.XOpenDisplay(xserver.display.encode())
    assert display, 'cannot open %s' % xserver.display
    event = ClientMessage(type=33, window=window, format=32,
                          message_type=x11.XInternAtom(display, b'WM_PROTOCOLS', 0))
    event.data[0] = x11.XInternAtom(display, b'WM_DELETE_WINDOW', 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def frames_of(calls, drawable):
    """The window's calls (glX ones left out), cut after each of its buffer
    swaps; the calls after the last swap come last."""
    frames, current = [], []
    for c in calls:
        if c.name == 'glXSwapBuffers' and c.arg(1) == drawable:
            frames.append(current)
            current = []
        elif c.drawable == drawable and not c.name.startswith('glX'):
            current.append((c.name,) + tuple(c.values()))
    return frames + [current]


def distinct(frames):
    """The frames less each bare redraw (display alone, from glLoadIdentity
    on) that repeats the end of the frame before it. Two redisplays posted
    close together (a button press, then a drag step) are drawn as one frame
    or as two, as the X events happen to arrive in one batch or two; the
    extra frame draws the same picture from the same state."""
    def repeat(i):
        f = frames[i]
        return (i > 0 and f and f[0] == ('glLoadIdentity',) and len(f) <= len(frames[i - 1])
                and frames[i - 1][-len(f):] == f)
    return [f for i, f in enumerate(frames) if not repeat(i)]


class WorldView(ViewerTest):
    def start(self, args=('--world',), trace=False):
        viewer = WorldViewer(self.xserver, e2e_common.VIEWER_PATH, list(args), trace)
        self.addCleanup(viewer.cleanup)
        wait_until(lambda: viewer.screenshot(viewer.drawing).lit() > 0, 20, 'the first frame')
        wait_until(lambda: len(set(viewer.screenshot(viewer.panel).data)) > 2, 20, 'the panel')
        if viewer.world:
            wait_until(lambda: viewer.screenshot(viewer.world).pixel(0, 0) == BACKGROUND, 20,
                       'the first frame of the world view')
            viewer.settled_screenshot(viewer.world)
        viewer.settled_screenshot(viewer.panel)
        return viewer

    def session(self, viewer):
        """Drags in each mode, the reports, panel changes, a resize; each step
        handled before the next, so frames cannot merge differently."""
        panel = Panel(viewer)

        def drag(points):
            for a, b in zip(points, points[1:]):
                viewer.drag([a, b])
                viewer.sync()
        drag([(200, 200), (200, 210), (205, 220)])
        for key in ('question', 'P', 'C'):
            viewer.key(key)
            viewer.sync()
        for name in ('ROTATE', 'X', 'Solid', 'Light On/Off'):
            panel.click(name)
            viewer.sync()
        drag([(200, 200), (215, 200), (215, 190)])
        for name in ('TRANSLATE', 'Y', 'Look at Object'):
            panel.click(name)
            viewer.sync()
        drag([(200, 390 - 40 * k) for k in range(6)])   # over the pole
        panel.enter('Vfov', '30')
        viewer.sync()
        viewer.resize(viewer.drawing, 300, 200)
        viewer.settled_screenshot(viewer.drawing)
        self.model_view_report(viewer)   # the sync pixel is outside the window now
        viewer.key('Escape')
        return viewer.wait_exit()

    def test_drawing_window_calls_and_reports_are_the_same_with_the_world_view(self):
        runs = []
        for args in ((), ('--world',)):
            viewer = self.start(args, trace=True)
            status = self.session(viewer)
            calls = gl.load(viewer.trace_path)
            runs.append((viewer, status, calls))
        (plain, plain_status, plain_calls), (world, world_status, world_calls) = runs
        self.assertEqual((plain_status, world_status), (1, 1))
        self.assertEqual(world.out.text(), plain.out.text())
        self.assertEqual(world.err.text(), plain.err.text())
        self.assertIn('flipped', plain.err.text())

        plain_frames = frames_of(plain_calls, plain.drawing)
        world_frames = frames_of(world_calls, world.drawing)
        self.assertGreater(len(plain_frames), 20)
        self.assertEqual(distinct(world_frames), distinct(plain_frames))
        # Merged redisplays aside, no frame more or less; and the world view
        # drew about once per frame of the drawing window, not when idle.
        self.assertLessEqual(abs(len(world_frames) - len(plain_frames)), 8)
        world_view_frames = len(gl.swaps(world_calls, world.world))
        self.assertGreaterEqual(world_view_frames, len(world_frames) - 1)
        self.assertLessEqual(world_view_frames, len(world_frames) + 3)

    def test_observer_moves_only_the_world_view_and_stays_sane(self):
        viewer = self.start()
        g = viewer.geometry(viewer.world)
        self.assertEqual((g.x, g.y, g.width, g.height), (0, 408, 400, 400))
        p = viewer.geometry(viewer.panel)
        self.assertTrue(p.x >= 400 or p.y + p.height <= 408, p)
        drawing = viewer.screenshot(viewer.drawing)
        start = viewer.settled_screenshot(viewer.world)

        def sane(shot):
            white = shot.count(lambda px: px == (255, 255, 255))
            return shot.pixel(0, 0) == BACKGROUND and white > 100
        self.assertTrue(sane(start))
        # A drag across the whole screen, the wheel far past both limits, a
        # resize to one pixel and back: each leaves a sane picture.
        viewer.drag([(0, 0), (1279, 1023), (0, 615)], window=viewer.world)
        self.assertTrue(sane(viewer.settled_screenshot(viewer.world, differs_from=start)))
        for button in (4, 5):
            viewer.x.xdotool('mousemove', '--window', viewer.world, 200, 200,
                             'click', '--repeat', 60, '--delay', 2, button)
            self.assertTrue(sane(viewer.settled_screenshot(viewer.world)))
        viewer.resize(viewer.world, 1, 1)
        viewer.resize(viewer.world, 400, 400)
        self.assertTrue(sane(viewer.settled_screenshot(viewer.world)))
        viewer.key('r', window=viewer.world)
        viewer.sync()
        self.assertEqual(viewer.settled_screenshot(viewer.world), start)
        # The drawing window and the camera never moved.
        self.assertEqual(viewer.screenshot(viewer.drawing), drawing)
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 2.500)\n')
        # The world view follows a drag in the drawing window.
        viewer.drag([(200, 200), (200, 230)])
        viewer.sync()
        self.assertNotEqual(viewer.settled_screenshot(viewer.world), start)

    def test_closing_the_world_view_closes_only_it(self):
        viewer = self.start()
        close_window(self.xserver, viewer.world)
        wait_until(lambda: not viewer.shown(WORLD_TITLE), 10, 'the world view to close')
        viewer.drag([(200, 200), (200, 240)])
        self.assertEqual(self.camera_report(viewer), '(0.000, 0.000, 4.500)\n')
        viewer.assert_alive()
        close_window(self.xserver, viewer.drawing)
        self.assertEqual(viewer.wait_exit(), 0)
        self.assertNotIn('freeglut', viewer.err.text())


if __name__ == '__main__':
    e2e_common.main()
