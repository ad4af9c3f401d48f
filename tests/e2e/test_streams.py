"""The viewer's standard streams closed, a pipe that stops being read, a reader
that goes away, a full device: the windows keep answering (a panel click
changes the picture) and Quit ends the program with status 0 within a second;
and a lost or missing display ends it with status 4."""
import os
import select
import subprocess
import time

import viewer_case
from harness import wait_until
from viewer_case import ViewerCase

SELECTED = (66, 150, 250)    # the centre of a selected radio button
PROJECTION = ('\n1.732051 0.000000 0.000000 0.000000\n0.000000 1.732051 0.000000 0.000000\n'
              '0.000000 0.000000 -1.000200 -0.200020\n0.000000 0.000000 -1.000000 0.000000\n\n')
PRESSES = 400                # 400 projection reports: 128 KiB, twice a pipe's 64 KiB

class StreamsTest(ViewerCase):
    def press(self, v, key, times=1):
        v.x.xdotool('mousemove', '--window', v.drawing, 200, 200,
                    'key', '--repeat', times, '--delay', 0, key)
    def answers_and_ends(self, v, modes=('Solid',), key=None, status=0):
        """Each radio button changes the picture; Quit or key ends it within a second."""
        for mode in modes:
            before = v.screenshot(v.drawing)
            self.click(v, mode)
            wait_until(lambda: not v.screenshot(v.drawing) == before, 10, 'a new picture')
        self.press(v, key) if key else self.click(v, 'Quit')
        started = time.monotonic()
        self.assertEqual(v.wait_exit(10), status, v.err.text())
        self.assertLess(time.monotonic() - started, 1.0)
    def test_stalled_reader_loses_nothing_and_blocks_nothing(self):
        read_fd, write_fd = os.pipe()
        self.addCleanup(os.close, read_fd)
        v = self.start(stdout=write_fd)
        os.close(write_fd)
        self.press(v, 'P', PRESSES)
        # The reader wakes up: every report arrives, whole and in order.
        expected, received = PROJECTION * 2 * PRESSES, []
        def all_read():
            while select.select([read_fd], [], [], 0)[0]:
                received.append(os.read(read_fd, 1 << 20))
            return sum(map(len, received)) >= len(expected)
        wait_until(all_read, 10, 'every report')
        self.assertEqual(b''.join(received).decode(), expected)
        # Stalled again for good: the panel answers, Esc ends it at once.
        self.press(v, 'P', PRESSES)
        self.answers_and_ends(v, ('Solid', 'Wireframe'), 'Escape', 1)
    def test_reader_that_goes_away(self):
        head = subprocess.Popen(['head', '-1'], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        v = self.start(stdout=head.stdin)
        head.stdin.close()
        self.press(v, 'P')
        head.wait(timeout=10)
        self.press(v, 'P', 2)
        note = 'viewer: the reader of standard output has gone; reports to it stop\n'
        v.err.wait_for(lambda t: note in t, what='the note on standard error')
        self.answers_and_ends(v)
        self.assertEqual(v.err.text().count(note), 1)
    def test_full_device_warns_once(self):
        with open('/dev/full', 'wb') as full:
            v = self.start(stdout=full)
        self.press(v, 'P', 2)
        v.err.wait_for(lambda t: t.count('Corvane Projection Matrix') == 2, what='both reports')
        self.answers_and_ends(v)
        self.assertEqual(v.err.text().count('viewer: cannot write reports to standard output: '
                                            'No space left on device\n'), 1, v.err.text())
    def test_unreachable_or_lost_display(self):
        for display, line in ((':65000', 'viewer: cannot open display ":65000" \u2014 check that '
                               'its X server is running and lets this user connect\n'),
                              ('', 'viewer: cannot open a display: DISPLAY is not set \u2014 start '
                               'the viewer in a graphical session, or set DISPLAY (or -display) '
                               'to a running X server\n')):
            result = subprocess.run([viewer_case.VIEWER], env=dict(self.x.env, DISPLAY=display),
                                    stderr=subprocess.PIPE, timeout=30)
            self.assertEqual((result.returncode, result.stderr.decode()), (4, line))
        v = self.start(stdout=subprocess.DEVNULL)
        self.x.stop()   # the server dies under the viewer
        try:
            self.assertEqual(v.wait_exit(10), 4)
            self.assertEqual(v.err.text(), 'viewer: lost the connection to the X display '
                                           '"%s"\n' % self.x.display)
        finally:
            type(self).setUpClass()
    def test_click_the_moment_the_windows_appear_and_closed_streams(self):
        x, y, _, h = self.map.controls['Solid']['rect']
        box = (x + h // 2, y + h // 2)      # the radio circle, as tall as its row
        for attempt, closed in enumerate(('', '>&-', '2>&-') * 2):
            with self.subTest(attempt=attempt, closed=closed):
                v = self.start(stdout=subprocess.DEVNULL, shell=closed, first_frame=False)
                v.click(v.panel, *box)
                wait_until(lambda: v.screenshot(v.panel).pixel(*box) == SELECTED, 10,
                           'Solid to be selected')
                # A report to the closed stream: "P" to standard output, a
                # middle click's pixel line to standard error.
                v.x.xdotool('mousemove', '--window', v.drawing, 10, 20, 'key', 'P', 'click', 2)
                self.answers_and_ends(v, ('Wireframe',))

if __name__ == '__main__':
    viewer_case.main()
