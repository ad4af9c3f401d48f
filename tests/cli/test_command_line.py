"""The command line end to end, on the real binary.

usage: test_command_line.py VIEWER VERSION   (under scripts/with-xvfb)

- Without a display, --help, --version and a bad option answer and exit
  without trying to open one (freeglut would fail with status 1).
- The start-state options give the very panel, picture and "P" report that
  the same changes made by hand on a plain viewer give.
"""
import os
import subprocess
import sys
import time
import unittest

VIEWER = None
VERSION = None

# Window pixels of the panel at start (219 by 473): the centres of check boxes
# and radio buttons, of spinner fields, and an empty place right of "Quit".
POINTS, LIGHT, CULLING = (25, 40), (25, 109), (25, 132)
DEPTH_FIELD, HFOV_FIELD, VFOV_FIELD = (157, 155), (87, 209), (87, 232)
QUIT, BACKGROUND = (66, 447), (210, 465)

START_OPTIONS = ['--mode=points', '--light', '--no-cull', '--depth', '3', '--hfov', '90',
                 '--vfov=30']
# gluPerspective(30, 90 / 30, 0.1, 1000): cot(15 degrees) = 3.732051, over 3.
PROJECTION = ('1.244017 0.000000 0.000000 0.000000\n'
              '0.000000 3.732051 0.000000 0.000000\n'
              '0.000000 0.000000 -1.000200 -0.200020\n'
              '0.000000 0.000000 -1.000000 0.000000\n')


def xdotool(*args):
    return subprocess.run(['xdotool'] + [str(a) for a in args], check=True, timeout=30,
                          stdout=subprocess.PIPE).stdout.decode()


def wait_until(condition, what, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError('timed out waiting for ' + what)


class Viewer:
    """One viewer on the test display, its standard output in a file."""

    def __init__(self, args, tmp):
        self.out_path = os.path.join(tmp, 'out')
        with open(self.out_path, 'w') as out:
            self.process = subprocess.Popen([VIEWER] + args, stdout=out,
                                            stderr=subprocess.DEVNULL)
        self.drawing = self.find('OpenGL')
        self.panel = self.find('Tavrin Assignment 3')

    def find(self, title):
        def found():
            r = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^%s$' % title],
                               stdout=subprocess.PIPE)
            return r.stdout.decode().split()
        return wait_until(found, 'the window ' + title)[0]

    def screenshot(self, window):
        return subprocess.run(['import', '-silent', '-window', window, '-depth', '8', 'ppm:-'],
                              check=True, timeout=30, stdout=subprocess.PIPE).stdout

    def settled(self, window):
        last = [None]

        def same_twice():
            shot = self.screenshot(window)
            same = shot == last[0]
            last[0] = shot
            return same
        wait_until(same_twice, 'a settled picture')
        return last[0]

    def click(self, at):
        xdotool('mousemove', '--window', self.panel, at[0], at[1], 'click', 1)
        xdotool('mousemove', '--window', self.panel, *BACKGROUND)

    def enter(self, field, text):
        # A click in a field selects its text; leaving the panel applies it.
        xdotool('mousemove', '--window', self.panel, field[0], field[1], 'click', 1,
                'key', 'BackSpace', 'type', text)
        xdotool('key', 'Return', 'mousemove', '--window', self.panel, *BACKGROUND)

    def projection_report(self):
        xdotool('mousemove', '--window', self.drawing, 200, 200, 'key', '--clearmodifiers', 'P')
        with open(self.out_path) as f:
            return wait_until(lambda: f.seek(0) == 0 and f.read().count('\n') >= 12 and
                              (f.seek(0), f.read())[1], 'the "P" report')

    def quit(self):
        xdotool('mousemove', '--window', self.panel, *QUIT, 'click', 1)
        return self.process.wait(timeout=20)


class CommandLine(unittest.TestCase):
    def run_without_display(self, *args):
        env = {k: v for k, v in os.environ.items() if k != 'DISPLAY'}
        return subprocess.run([VIEWER] + list(args), env=env, timeout=20,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def test_help_version_and_errors_need_no_display(self):
        for args, status, out, err in [
                (['--help'], 0, 'Usage: viewer [OPTION]... [X OPTION]...\n', ''),
                (['-h'], 0, 'Usage: viewer [OPTION]... [X OPTION]...\n', ''),
                (['--version'], 0, 'viewer %s\n' % VERSION, ''),
                (['--vfov', '5'], 2, '', "viewer: option '--vfov' got '5': expected a number "
                 "of degrees from 10 to 180\nTry 'viewer --help'.\n")]:
            r = self.run_without_display(*args)
            self.assertEqual(r.returncode, status, args)
            self.assertEqual(r.stdout.decode()[:len(out) or None], out, args)
            self.assertEqual(r.stderr.decode(), err, args)
        usage = self.run_without_display('--help').stdout.decode()
        self.assertLessEqual(len(usage.splitlines()), 60)
        for text in ['2>&1 | tee session.log', '-geometry', '--no-cull', 'Exit status:']:
            self.assertIn(text, usage)

    def test_start_options_equal_the_same_changes_by_hand(self):
        results = []
        for by_hand in (False, True):
            with self.subTest(by_hand=by_hand):
                tmp = os.environ.get('TMPDIR', '/tmp')
                tmp = subprocess.run(['mktemp', '-d', '-p', tmp], stdout=subprocess.PIPE,
                                     check=True).stdout.decode().strip()
                viewer = Viewer([] if by_hand else START_OPTIONS, tmp)
                try:
                    viewer.settled(viewer.drawing)
                    if by_hand:
                        for control in (POINTS, LIGHT, CULLING):
                            viewer.click(control)
                        viewer.enter(DEPTH_FIELD, '3')
                        viewer.enter(HFOV_FIELD, '90')
                        viewer.enter(VFOV_FIELD, '30')
                    report = viewer.projection_report()
                    results.append((viewer.settled(viewer.panel),
                                    viewer.settled(viewer.drawing), report))
                    self.assertEqual(viewer.quit(), 0)
                finally:
                    if viewer.process.poll() is None:
                        viewer.process.kill()
                    subprocess.run(['rm', '-rf', tmp])
        options, hand = results
        self.assertEqual(options[2], '\n' + PROJECTION + '\n' + '\n' + PROJECTION + '\n')
        self.assertEqual(options[2], hand[2])
        self.assertTrue(options[0] == hand[0], 'the panels differ')
        self.assertTrue(options[1] == hand[1], 'the pictures differ')


if __name__ == '__main__':
    VIEWER, VERSION = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
