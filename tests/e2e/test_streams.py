"""The viewer's standard streams when nobody reads them as a terminal would:
closed, a pipe that stops being read, a reader that goes away, a full
device. In each case the windows keep answering (a panel click changes the
picture) and Quit ends the program with status 0 within a second.

The viewer runs with its standard output set up by each test, so this
starts it itself rather than through harness.Program."""
import os
import select
import subprocess
import tempfile
import time

import viewer_case
from harness import wait_until
from viewer_case import ViewerCase

SELECTED = (66, 150, 250)    # the centre of a selected radio button
PROJECTION = ('\n1.732051 0.000000 0.000000 0.000000\n'
              '0.000000 1.732051 0.000000 0.000000\n'
              '0.000000 0.000000 -1.000200 -0.200020\n'
              '0.000000 0.000000 -1.000000 0.000000\n\n')
PRESSES = 400                # 400 projection reports: 128 KiB, twice a pipe's 64 KiB


class StreamsTest(ViewerCase):
    def command(self, *args):
        return subprocess.run([str(a) for a in args], env=self.x.env, check=True,
                              stdout=subprocess.PIPE, timeout=30).stdout

    def xdo(self, *args):
        return self.command('xdotool', *args)

    def start(self, stdout, shell_prefix='', first_frame=True):
        """Starts the viewer with the given stdout; stderr goes to a file."""
        if getattr(self, 'proc', None) and self.proc.poll() is None:
            self.proc.kill()  # a failed earlier subtest's viewer
        self.solid = False
        self.err = tempfile.TemporaryFile()
        command = ['sh', '-c', 'exec "$0" ' + shell_prefix, viewer_case.VIEWER]
        self.proc = subprocess.Popen(command, env=self.x.env, stdin=subprocess.DEVNULL,
                                     stdout=stdout, stderr=self.err, start_new_session=True)
        self.addCleanup(self.err.close)
        self.addCleanup(self.proc.wait)
        self.addCleanup(lambda: self.proc.poll() is None and self.proc.kill())

        def window(name):
            self.assertIsNone(self.proc.poll(), 'the viewer ended')
            ids = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', name],
                                 env=self.x.env, stdout=subprocess.PIPE).stdout.split()
            return ids[0].decode() if len(ids) == 1 else None
        self.drawing = wait_until(lambda: window('^OpenGL$'), 20, 'the drawing window')
        self.panel = wait_until(lambda: window('^Tavrin Assignment 3$'), 20, 'the panel')
        if first_frame:
            wait_until(lambda: len(set(self.shot(self.drawing))) > 1, 20, 'the first frame')

    def shot(self, window):
        return self.command('import', '-silent', '-window', window, '-depth', '8', 'rgb:-')

    def stderr_text(self):
        self.err.seek(0)
        return self.err.read().decode()

    def press(self, key, times):
        self.xdo('mousemove', '--window', self.drawing, 200, 200,
               'key', '--repeat', times, '--delay', 0, key)

    def assert_panel_answers(self):
        """Solid, or back to Wireframe, changes the picture."""
        self.solid = not self.solid
        before = self.shot(self.drawing)
        self.xdo('mousemove', '--window', self.panel, *self.map.centre('Solid' if self.solid else 'Wireframe'),
               'click', 1)
        wait_until(lambda: self.shot(self.drawing) != before, 10, 'Solid to change the picture')

    def end(self, how, status):
        """Quit (a click) or Esc (a key): the status within a second."""
        if how == 'Quit':
            self.xdo('mousemove', '--window', self.panel, *self.map.centre('Quit'), 'click', 1)
        else:
            self.xdo('mousemove', '--window', self.drawing, 200, 200, 'key', 'Escape')
        started = time.monotonic()
        self.assertEqual(self.proc.wait(timeout=10), status, self.stderr_text())
        self.assertLess(time.monotonic() - started, 1.0)

    def test_closed_streams(self):
        for closed, report in (('>&-', ['key', 'P']), ('2>&-', ['click', 2])):
            with self.subTest(closed):
                self.start(subprocess.DEVNULL, closed)
                self.xdo('mousemove', '--window', self.drawing, 10, 20, *report)
                self.assert_panel_answers()
                self.end('Quit', 0)

    def test_stalled_reader_loses_nothing_and_blocks_nothing(self):
        read_fd, write_fd = os.pipe()
        self.addCleanup(os.close, read_fd)
        self.start(write_fd)
        os.close(write_fd)
        self.press('P', PRESSES)
        self.assert_panel_answers()
        # The reader wakes up: every report arrives, whole and in order.
        expected = PROJECTION * 2 * PRESSES
        received = []

        def all_read():
            while select.select([read_fd], [], [], 0)[0]:
                received.append(os.read(read_fd, 1 << 20))
            return sum(map(len, received)) >= len(expected)
        wait_until(all_read, 10, 'every report')
        self.assertEqual(b''.join(received).decode(), expected)
        # Stalled again for good: Esc still ends it at once, with its status.
        self.press('P', PRESSES)
        self.assert_panel_answers()
        self.end('Esc', 1)

    def test_reader_that_goes_away(self):
        head = subprocess.Popen(['head', '-1'], stdin=subprocess.PIPE,
                                stdout=subprocess.DEVNULL)
        self.start(head.stdin)
        head.stdin.close()
        self.press('P', 1)
        head.wait(timeout=10)
        self.press('P', 2)
        note = 'viewer: the reader of standard output has gone; reports to it stop\n'
        wait_until(lambda: note in self.stderr_text(), 10, 'the note on standard error')
        self.assert_panel_answers()
        self.end('Quit', 0)
        self.assertEqual(self.stderr_text().count(note), 1)

    def test_unreachable_or_lost_display(self):
        for display, line in ((':65000', 'viewer: cannot open display ":65000"'),
                              ('', 'viewer: cannot open a display: DISPLAY is not set')):
            result = subprocess.run([viewer_case.VIEWER], env=dict(self.x.env, DISPLAY=display),
                                    stderr=subprocess.PIPE, timeout=30)
            self.assertEqual(result.returncode, 4)
            self.assertEqual(result.stderr.decode(), line + " \u2014 run 'make run' without a "
                             "display for the headless tour\n")
        self.start(subprocess.DEVNULL)
        type(self).tearDownClass()  # the server dies under the viewer
        try:
            self.assertEqual(self.proc.wait(timeout=10), 4)
            self.assertEqual(self.stderr_text(), 'viewer: lost the connection to the X display '
                                                 '"%s"\n' % self.x.display)
        finally:
            type(self).setUpClass()

    def test_click_the_moment_the_windows_appear(self):
        for attempt in range(6):
            with self.subTest(attempt=attempt):
                self.start(subprocess.DEVNULL, first_frame=False)
                x, y, _, h = self.map.controls['Solid']['rect']
                box = (x + h // 2, y + h // 2)      # the radio circle, as tall as its row
                self.xdo('mousemove', '--window', self.panel, *box, 'click', 1)
                centre = lambda: self.command('import', '-silent', '-window', self.panel, '-crop',
                                              '1x1+%d+%d' % box, '-depth', '8', 'rgb:-')
                wait_until(lambda: centre() == bytes(SELECTED), 10, 'Solid to be selected')
                self.end('Quit', 0)

    def test_full_device_warns_once(self):
        with open('/dev/full', 'wb') as full:
            self.start(full)
        self.press('P', 2)
        warning = ('viewer: cannot write reports to standard output: '
                   'No space left on device\n')
        wait_until(lambda: self.stderr_text().count('Corvane Projection Matrix') == 2, 10,
                   'both reports')
        self.assert_panel_answers()
        self.end('Quit', 0)
        self.assertEqual(self.stderr_text().count(warning), 1, self.stderr_text())


if __name__ == '__main__':
    viewer_case.main()
