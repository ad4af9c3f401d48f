"""A private X server, the viewer on it, and the ways a person reaches it:
mouse and keyboard through xdotool, screenshots, the two console streams
(read separately), the exit status, and optionally an apitrace recording."""
import os
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time

DRAWING_TITLE = 'OpenGL'
PANEL_TITLE = 'Tavrin Assignment 3'


def wait_until(predicate, timeout, what, interval=0.02):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError('timed out after %.1f s waiting for %s' % (timeout, what))
        time.sleep(interval)


class XServer:
    """Xvfb on a display number it picks itself (-displayfd)."""

    def __init__(self, width=1280, height=1024):
        read_fd, write_fd = os.pipe()
        self._log = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(
            ['Xvfb', '-displayfd', str(write_fd), '-screen', '0', '%dx%dx24' % (width, height),
             '-nolisten', 'tcp', '+extension', 'GLX', '-noreset'],
            pass_fds=(write_fd,), stdout=self._log, stderr=self._log,
            start_new_session=True)
        os.close(write_fd)
        number = b''
        with os.fdopen(read_fd, 'rb') as pipe:
            while not number.endswith(b'\n'):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.stop()
            self._log.seek(0)
            raise RuntimeError('Xvfb did not start: %s' % self._log.read().decode(errors='replace'))
        self.display = ':' + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        for name in ('XAUTHORITY', 'WAYLAND_DISPLAY'):
            self.env.pop(name, None)

    def run(self, *args, check=True, timeout=30):
        result = subprocess.run(list(args), env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=timeout)
        if check and result.returncode != 0:
            raise AssertionError('%s failed (%d): %s' % (args[0], result.returncode,
                                                         result.stderr.decode(errors='replace')))
        return result.stdout.decode(errors='replace')

    def xdotool(self, *args):
        return self.run('xdotool', *[str(a) for a in args])

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self._log.close()


class Stream:
    """One console stream of the viewer, collected by a thread of its own."""

    def __init__(self, pipe, drop_prefix=None):
        self._data = bytearray()
        self._cond = threading.Condition()
        self._drop = drop_prefix
        self.closed = False
        self._thread = threading.Thread(target=self._pump, args=(pipe,), daemon=True)
        self._thread.start()

    def _pump(self, pipe):
        while True:
            chunk = os.read(pipe.fileno(), 65536)
            with self._cond:
                if not chunk:
                    self.closed = True
                    self._cond.notify_all()
                    return
                self._data += chunk
                self._cond.notify_all()

    def text(self, since=0):
        with self._cond:
            data = self._data[since:].decode(errors='replace')
        if self._drop:
            data = ''.join(line for line in data.splitlines(True)
                           if not line.startswith(self._drop))
        return data

    def mark(self):
        with self._cond:
            return len(self._data)

    def wait_for(self, predicate, since=0, timeout=10, what='output'):
        """Waits until predicate(text since the mark) holds; returns that text."""
        deadline = time.monotonic() + timeout
        with self._cond:
            while True:
                text = self._data[since:].decode(errors='replace')
                if self._drop:
                    text = ''.join(line for line in text.splitlines(True)
                                   if not line.startswith(self._drop))
                if predicate(text):
                    return text
                left = deadline - time.monotonic()
                if left <= 0 or self.closed:
                    raise AssertionError('timed out waiting for %s; got %r' % (what, text))
                self._cond.wait(left)

    def join(self, timeout=5):
        self._thread.join(timeout)


class Image:
    """An RGB screenshot, 8 bits per channel."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def region(self, x, y, w, h):
        rows = []
        for row in range(y, y + h):
            i = 3 * (row * self.width + x)
            rows.append(bytes(self.data[i:i + 3 * w]))
        return b''.join(rows)

    def count(self, predicate, box=None):
        x0, y0, w, h = box or (0, 0, self.width, self.height)
        n = 0
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                if predicate(self.pixel(x, y)):
                    n += 1
        return n

    def _mask(self, threshold):
        """Per pixel 1 where any channel is brighter than threshold, else 0."""
        table = bytes(1 if v > threshold else 0 for v in range(256))
        t = self.data.translate(table)
        a, b, c = (int.from_bytes(t[k::3], 'big') for k in range(3))
        return (a | b | c).to_bytes(self.width * self.height, 'big')

    def lit(self, threshold=40):
        """Number of pixels brighter than threshold in any channel."""
        return self._mask(threshold).count(1)

    def bbox(self, threshold=40):
        """(x0, y0, x1, y1) of the pixels brighter than threshold, or None."""
        mask = self._mask(threshold)
        w = self.width
        rows = [y for y in range(self.height) if 1 in mask[y * w:(y + 1) * w]]
        if not rows:
            return None
        x0 = min(mask[y * w:(y + 1) * w].find(1) for y in rows)
        x1 = max(mask[y * w:(y + 1) * w].rfind(1) for y in rows)
        return x0, rows[0], x1, rows[-1]

    def save(self, path):
        """Writes the picture as a PPM file, for looking at a failure."""
        with open(path, 'wb') as f:
            f.write(b'P6 %d %d 255\n' % (self.width, self.height) + bytes(self.data))

    def __repr__(self):
        return '<Image %dx%d, %d lit>' % (self.width, self.height, self.lit())

    def __eq__(self, other):
        return (isinstance(other, Image) and self.width == other.width
                and self.height == other.height and self.data == other.data)

    def __ne__(self, other):
        return not self == other


def _parse_ppm(raw):
    header = re.match(rb'P6\s+(\d+)\s+(\d+)\s+(\d+)\s', raw)
    if not header or header.group(3) != b'255':
        raise AssertionError('unexpected screenshot format %r' % raw[:20])
    w, h = int(header.group(1)), int(header.group(2))
    data = raw[header.end():header.end() + 3 * w * h]
    return Image(w, h, data)


class Geometry:
    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    def __repr__(self):
        return 'Geometry(%d, %d, %d, %d)' % (self.x, self.y, self.width, self.height)


class ViewerProcess:
    """The real viewer on the given X server, optionally under apitrace."""

    def __init__(self, xserver, viewer_path, trace=False):
        self.x = xserver
        self.tmpdir = tempfile.mkdtemp(prefix='viewer-e2e-')
        self.trace_path = os.path.join(self.tmpdir, 'viewer.trace') if trace else None
        command = [viewer_path]
        if trace:
            command = ['apitrace', 'trace', '--api', 'gl', '-o', self.trace_path, viewer_path]
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
        except BaseException:
            self.cleanup()
            raise

    # --- windows -----------------------------------------------------------

    def _find_window(self, title):
        def found():
            self.assert_alive()
            ids = self.x.run('xdotool', 'search', '--onlyvisible', '--name',
                             '^%s$' % re.escape(title), check=False).split()
            return int(ids[0]) if len(ids) == 1 else None
        return wait_until(found, 20, 'the window "%s"' % title)

    def geometry(self, window):
        info = self.x.run('xwininfo', '-id', str(window))
        field = lambda name: int(re.search(name + r':\s+(-?\d+)', info).group(1))
        return Geometry(field('Absolute upper-left X'), field('Absolute upper-left Y'),
                        field('Width'), field('Height'))

    def title(self, window):
        prop = self.x.run('xprop', '-id', str(window), 'WM_NAME')
        m = re.search(r'WM_NAME\(\w+\) = "(.*)"', prop)
        return m.group(1) if m else None

    def screenshot(self, window):
        raw = subprocess.run(['import', '-silent', '-window', str(window), '-depth', '8', 'ppm:-'],
                             env=self.x.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             timeout=30, check=True).stdout
        return _parse_ppm(raw)

    def settled_screenshot(self, window, differs_from=None, timeout=10):
        """A screenshot taken once the picture stopped changing (and, if
        given, differs from an earlier one)."""
        last = [self.screenshot(window)]

        def stable():
            shot = self.screenshot(window)
            same = shot == last[0]
            last[0] = shot
            return same and (differs_from is None or shot != differs_from)
        wait_until(stable, timeout, 'a settled picture', interval=0.05)
        return last[0]

    def resize(self, window, width, height):
        self.x.xdotool('windowsize', window, width, height)
        def resized():
            g = self.geometry(window)
            return (g.width, g.height) == (width, height)
        wait_until(resized, 10, 'the window to take %dx%d' % (width, height))

    # --- input -------------------------------------------------------------

    def key(self, *keys, window=None):
        """Presses keys with the keyboard focus on a window (the drawing window
        unless told otherwise)."""
        window = window or self.drawing
        self.x.xdotool('windowfocus', '--sync', window, 'key', '--clearmodifiers', *keys)

    def type_text(self, text, window):
        if text:
            self.x.xdotool('windowfocus', '--sync', window, 'type', '--delay', 5, text)

    def click(self, window, x, y, button=1):
        self.x.xdotool('mousemove', '--window', window, x, y, 'click', button)

    def drag(self, points, button=1, window=None):
        """Presses at points[0], moves through the rest (one motion event each)
        and releases at the last."""
        window = window or self.drawing
        args = ['mousemove', '--window', window, points[0][0], points[0][1], 'mousedown', button]
        for x, y in points[1:]:
            args += ['mousemove', '--window', window, x, y]
        args += ['mouseup', button]
        self.x.xdotool(*args)

    # --- reports -----------------------------------------------------------

    def report(self, key, matrices, title_text):
        """Presses a report key in the drawing window and returns (stdout, stderr)
        text of the report once all of it has arrived."""
        out_mark, err_mark = self.out.mark(), self.err.mark()
        self.key(key)
        err = self.err.wait_for(lambda t: t.endswith(title_text), err_mark,
                                what='the report titles for %r' % key)
        if matrices:
            out = self.out.wait_for(lambda t: t.count('\n') >= 6 * matrices, out_mark,
                                    what='the report numbers for %r' % key)
        else:
            out = self.out.wait_for(lambda t: t.endswith('\n'), out_mark,
                                    what='the camera report')
        return out, err

    SYNC_PIXEL = (399, 0)

    def sync(self, timeout=30):
        """Waits until every event sent so far has been handled, whatever
        the viewer printed meanwhile: a middle press at a pixel nothing else
        presses prints a line of its own, after all earlier output. Then waits
        for the standard output to be quiet, so that the next mark is clean."""
        err_mark = self.err.mark()
        self.click(self.drawing, *self.SYNC_PIXEL, button=2)
        line = 'Coordinates of the pixel (%d, %d)\n' % self.SYNC_PIXEL
        self.err.wait_for(lambda t: line in t, err_mark, timeout=timeout, what='the sync line')
        sizes = [self.out.mark()]

        def quiet():
            sizes.append(self.out.mark())
            return len(sizes) > 5 and sizes[-1] == sizes[-6]
        wait_until(quiet, timeout, 'a quiet standard output', interval=0.04)

    # --- life --------------------------------------------------------------

    def alive(self):
        return self.proc.poll() is None

    def assert_alive(self):
        if self.proc.poll() is not None:
            raise AssertionError('the viewer ended with status %d; stderr: %s'
                                 % (self.proc.returncode, self.err.text()))

    def wait_exit(self, timeout=20):
        self.status = self.proc.wait(timeout=timeout)
        self.out.join()
        self.err.join()
        return self.status

    def rss_kib(self):
        with open('/proc/%d/status' % self.proc.pid) as f:
            return int(re.search(r'VmRSS:\s+(\d+)', f.read()).group(1))

    def stop(self):
        """Ends the viewer if it still runs; keeps a finished trace readable."""
        if self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGTERM)
                self.proc.wait(timeout=5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(self.proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                self.proc.wait()
        self.out.join()
        self.err.join()
        self.proc.stdout.close()
        self.proc.stderr.close()

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.tmpdir, ignore_errors=True)
