"""The Inspector window (viewer --inspect) seen from outside: the drawing
window's OpenGL stream differs from a plain start only by the two read-backs
after each swap, the reports print the same text, and closing the inspector
as a window manager does leaves the viewer running."""
import ctypes
import os
import stat
import tempfile
import time

import e2e_common
import gltrace as gl
from e2e_common import ViewerTest
from panel import Panel
from xsession import wait_until

INSPECTOR_TITLE = 'Inspector'
READ_BACKS = [('glGetFloatv', gl.GL_MODELVIEW_MATRIX), ('glGetFloatv', gl.GL_PROJECTION_MATRIX)]


def inspecting_viewer(directory):
    """A wrapper that starts the viewer with --inspect (the harness starts a
    path without arguments)."""
    path = os.path.join(directory, 'viewer-inspect')
    with open(path, 'w') as f:
        f.write('#!/bin/sh\nexec "%s" --inspect "$@"\n' % os.path.abspath(e2e_common.VIEWER_PATH))
    os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
    return path


def close_like_a_window_manager(display, window):
    """Sends WM_DELETE_WINDOW, as a window manager's close button does."""
    x = ctypes.CDLL('libX11.so.6')
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.c_void_p]
    x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong),
                    ('send_event', ctypes.c_int), ('display', ctypes.c_void_p),
                    ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                    ('format', ctypes.c_int), ('data', ctypes.c_long * 5),
                    ('pad', ctypes.c_long * 12)]   # an XEvent is 24 longs
    d = x.XOpenDisplay(display.encode())
    event = ClientMessage(type=33, window=window, format=32,   # 33: ClientMessage
                          message_type=x.XInternAtom(d, b'WM_PROTOCOLS', 0))
    event.data[0] = x.XInternAtom(d, b'WM_DELETE_WINDOW', 0)
    x.XSendEvent(d, window, 0, 0, ctypes.byref(event))
    x.XFlush(d)
    x.XCloseDisplay(d)


def drawing_stream(calls, drawing):
    """The drawing window's calls, swaps included, as comparable tuples."""
    return [(c.name,) + (() if c.name.startswith('glX') else tuple(repr(v) for v in c.values()))
            for c in calls
            if (c.name == 'glXSwapBuffers' and c.arg(1) == drawing)
            or (c.drawable == drawing and not c.name.startswith('glX'))]


def without_read_backs(stream):
    """The stream with the two read-backs that follow each swap taken out;
    fails if a swap (but the last) is not followed by exactly them."""
    result, i = [], 0
    while i < len(stream):
        result.append(stream[i])
        if stream[i][0] == 'glXSwapBuffers' and i + 1 < len(stream):
            follow = [(c[0], int(c[1])) for c in stream[i + 1:i + 3]]
            if follow != READ_BACKS:
                raise AssertionError('after swap %d: %r' % (i, stream[i + 1:i + 3]))
            i += 2
        i += 1
    return result


def distinct_frames(stream):
    """The stream cut after each swap, with a frame that repeats the one
    before it left out: whether a button press and the motion after it reach
    the viewer in one batch (one frame) or two (the first a repeat) depends on
    timing, not on the program."""
    frames, current = [], []
    for call in stream:
        current.append(call)
        if call[0] == 'glXSwapBuffers':
            if not frames or frames[-1] != current:
                frames.append(current)
            current = []
    return frames + [current]


class Inspector(ViewerTest):
    def session(self, viewer):
        """The same steps in every run: a TRANSLATE drag, a ROTATE drag, a
        new Hfov, each waited for, the reports, then Quit."""
        panel = Panel(viewer)
        texts = []
        # One motion event per drag, so that each step has a frame of its own.
        for mode, axis, points in (('TRANSLATE', 'X', [(200, 200), (220, 200)]),
                                   ('ROTATE', 'Y', [(200, 200), (200, 220)])):
            panel.select(mode)
            panel.select(axis)
            viewer.drag(points)
            viewer.sync()
        panel.enter('Hfov', '90')
        viewer.sync()
        texts.append(self.model_view_report(viewer))
        texts.append(self.projection_report(viewer))
        texts.append(self.camera_report(viewer))
        panel.click('Quit')
        self.assertEqual(viewer.wait_exit(), 0)
        return texts

    def test_stream_and_reports_as_without_the_inspector(self):
        plain = self.start_viewer(trace=True)
        plain_texts = self.session(plain)
        plain_stream = drawing_stream(gl.load(plain.trace_path), plain.drawing)

        e2e_common.VIEWER_PATH, path = inspecting_viewer(tempfile.mkdtemp()), e2e_common.VIEWER_PATH
        try:
            inspected = self.start_viewer(trace=True)
        finally:
            e2e_common.VIEWER_PATH = path
        self.assertTrue(self.xserver.run('xdotool', 'search', '--name', '^Inspector$'))
        self.assertEqual(self.session(inspected), plain_texts)
        stream = drawing_stream(gl.load(inspected.trace_path), inspected.drawing)
        stripped = without_read_backs(stream)
        frames = distinct_frames(stripped)
        self.assertEqual(frames, distinct_frames(plain_stream))
        print('%d calls in %d distinct frames alike; %d read-back calls taken out'
              % (sum(map(len, frames)), len(frames), len(stream) - len(stripped)))

    def test_closing_the_inspector_leaves_the_viewer_running(self):
        e2e_common.VIEWER_PATH, path = inspecting_viewer(tempfile.mkdtemp()), e2e_common.VIEWER_PATH
        try:
            viewer = self.start_viewer()
        finally:
            e2e_common.VIEWER_PATH = path
        window = viewer._find_window(INSPECTOR_TITLE)
        close_like_a_window_manager(self.xserver.display, window)
        wait_until(lambda: not self.xserver.run('xdotool', 'search', '--name', '^Inspector$',
                                                 check=False).strip(), 10, 'the inspector to close')
        # The next frames of the drawing window run without it.
        viewer.drag([(200, 200), (200, 230)])
        viewer.sync()
        time.sleep(0.3)
        viewer.assert_alive()
        opengl, corvane = self.model_view_report(viewer)
        self.assertEqual(corvane[14], '1.500000')   # a 30-pixel TRANSLATE Z drag
        Panel(viewer).click('Quit')
        self.assertEqual(viewer.wait_exit(), 0)


if __name__ == '__main__':
    e2e_common.main()
