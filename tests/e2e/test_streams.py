"""The viewer's standard streams closed, a pipe that stops being read, a reader
that goes away, a full device: the windows keep answering (a panel click
changes the picture) and Quit or Esc still ends the program with its status,
with text still waiting once the reader has taken it all; a lost, missing,
silent or resetting display ends it with status 4."""
import os
import select
import socket
import subprocess
import tempfile

import viewer_case
from harness import DRAWING_TITLE, PATIENCE, XServer, wait_until
from viewer_case import START_PROJECTION, ViewerCase

SELECTED = (66, 150, 250)    # the centre of a selected radio button
PROJECTION = '\n%s\n\n' % '\n'.join(' '.join(row) for row in START_PROJECTION)
PRESSES = 400                # 400 projection reports: 128 KiB, twice a pipe's 64 KiB

def run_to_end(env, *options, stdout=subprocess.DEVNULL):
    """The viewer run with the options until it ends: its status and standard error."""
    result = subprocess.run([viewer_case.VIEWER, *options], env=env, stdout=stdout,
                            stderr=subprocess.PIPE, timeout=PATIENCE)
    return result.returncode, result.stderr.decode()

class StreamsTest(ViewerCase):
    def press(self, v, key, times=1):
        v.x.xdotool('mousemove', '--window', v.drawing, 200, 200,
                    'key', '--repeat', times, '--delay', 0, key)
    def answers(self, v, modes):
        """Each radio button changes the picture."""
        for mode in modes:
            before = v.screenshot(v.drawing)
            self.click(v, mode)
            wait_until(lambda: not v.screenshot(v.drawing) == before, PATIENCE, 'a new picture')
    def answers_and_ends(self, v, modes=('Solid',)):
        """The panel answers and Quit ends the program with status 0 (a reader
        that takes nothing cannot hold the exit up: wait_exit would time out)."""
        self.answers(v, modes)
        self.click(v, 'Quit')
        self.assertEqual(v.wait_exit(), 0, v.err.text())
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
        wait_until(all_read, PATIENCE, 'every report')
        self.assertEqual(b''.join(received).decode(), expected)
        # Stalled again: the panel answers. Esc takes the windows off the screen
        # and exit waits for the reader, who reads only then: every byte arrives.
        self.press(v, 'P', PRESSES)
        self.answers(v, ('Solid', 'Wireframe'))
        self.press(v, 'Escape')
        wait_until(lambda: not self.x.run('xdotool', 'search', '--onlyvisible', '--name',
                                          '^%s$' % DRAWING_TITLE, check=False), PATIENCE,
                   'the windows to leave the screen')
        with os.fdopen(os.dup(read_fd), 'rb') as reader:
            self.assertEqual(reader.read().decode(), expected)
        self.assertEqual(v.wait_exit(), 1)
    def test_reader_that_goes_away(self):
        head = subprocess.Popen(['head', '-1'], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        v = self.start(stdout=head.stdin)
        head.stdin.close()
        self.press(v, 'P')
        head.wait(timeout=PATIENCE)
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
            self.assertEqual(run_to_end(dict(self.x.env, DISPLAY=display)), (4, line))
        v = self.start(stdout=subprocess.DEVNULL)
        self.x.stop()   # the server dies under the viewer
        try:
            self.assertEqual(v.wait_exit(), 4)
            self.assertEqual(v.err.text(), 'viewer: lost the connection to the X display '
                                           '"%s"\n' % self.x.display)
        finally:
            type(self).setUpClass()
    def test_reports_that_cannot_be_written_fail_a_script(self):
        """At the end of a script, reports lost to a full device give status 3;
        a plain start keeps its statuses (test_full_device_warns_once)."""
        with tempfile.NamedTemporaryFile('w', suffix='.script') as script, \
                open('/dev/full', 'wb') as full:
            script.write('key P\n')
            script.flush()
            result = run_to_end(self.x.env, '--script', script.name, stdout=full)
        self.assertEqual(result, (3, (
            '\nOpenGL Projection Matrix\n'
            'viewer: cannot write reports to standard output: No space left on device\n'
            '\nCorvane Projection Matrix\n'
            'viewer: some report output could not be written\n')))
    def test_server_that_resets_when_its_last_client_leaves(self):
        """Without -noreset the server resets each time the viewer leaves; every
        start still opens the display (the check's connection stays open
        until freeglut has its own)."""
        resetting = XServer(reset=True)
        self.addCleanup(resetting.stop)
        with tempfile.NamedTemporaryFile('w', suffix='.script') as empty:
            for start in range(8):
                result = run_to_end(resetting.env, '--script', empty.name)
                self.assertEqual(result, (0, ''), 'start %d' % start)
    def test_server_that_never_answers(self):
        """A socket where an X server's would be that takes the connection and
        never answers: one line and status 4 after the 10 s wait."""
        silent = socket.socket(socket.AF_UNIX)
        self.addCleanup(silent.close)
        for number in range(7000, 8000):    # the first name free now: a parallel run may take one
            path = '/tmp/.X11-unix/X%d' % number
            try:
                silent.bind(path)
                break
            except OSError:
                pass
        else:
            self.fail('no free X socket name from X7000 to X7999')
        self.addCleanup(os.unlink, path)
        silent.listen()
        self.assertEqual(run_to_end(dict(self.x.env, DISPLAY=':%d' % number)),
                         (4, 'viewer: the X display ":%d" did not answer within 10 s\n' % number))
    def test_click_the_moment_the_windows_appear_and_closed_streams(self):
        x, y, _, h = self.map.controls['Solid']['rect']
        box = (x + h // 2, y + h // 2)      # the radio circle, as tall as its row
        for attempt, closed in enumerate(('', '>&-', '2>&-') * 2):
            with self.subTest(attempt=attempt, closed=closed):
                v = self.start(stdout=subprocess.DEVNULL, shell=closed, first_frame=False)
                v.click(v.panel, *box)
                wait_until(lambda: v.screenshot(v.panel).pixel(*box) == SELECTED, PATIENCE,
                           'Solid to be selected')
                # A report to the closed stream: "P" to standard output, a
                # middle click's pixel line to standard error.
                v.x.xdotool('mousemove', '--window', v.drawing, 10, 20, 'key', 'P', 'click', 2)
                self.answers_and_ends(v, ('Wireframe',))

if __name__ == '__main__':
    viewer_case.main()
