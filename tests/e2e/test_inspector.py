"""The Inspector window (viewer --inspect) seen from outside: the drawing
window's OpenGL stream differs from a plain start only by the two read-backs
after each swap, and the reports print the same text. (Closing it is checked
in inspect/inspector_test.cc.)"""
import os
import shutil
import stat
import tempfile

import e2e_common
import gltrace as gl
from e2e_common import ViewerTest
from panel import Panel

READ_BACKS = [('glGetFloatv', gl.GL_MODELVIEW_MATRIX), ('glGetFloatv', gl.GL_PROJECTION_MATRIX)]


def inspecting_viewer(directory):
    """A wrapper that starts the viewer with --inspect (the harness starts a
    path without arguments)."""
    path = os.path.join(directory, 'viewer-inspect')
    with open(path, 'w') as f:
        f.write('#!/bin/sh\nexec "%s" --inspect "$@"\n' % os.path.abspath(e2e_common.VIEWER_PATH))
    os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
    return path


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

        directory = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, directory)
        e2e_common.VIEWER_PATH, path = inspecting_viewer(directory), e2e_common.VIEWER_PATH
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


if __name__ == '__main__':
    e2e_common.main()
