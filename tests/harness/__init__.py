"""Drives GLUT programs on a private X server as a person would: windows by
title, controls by label (from the viewer's own control map, tests/tools/
panel_map.cc: no layout rules, no viewer maths), typing, drags, keys, the two
console streams apart, screenshots, GL calls (apitrace), the exit status."""
import ctypes
import json
import os
import pickle
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time

DRAWING_TITLE, PANEL_TITLE = 'OpenGL', 'Tavrin Assignment 3'
# Seconds to wait for anything a program is expected to do: long, since a
# busy or sanitized machine is slow, and only a failing test waits it out.
# (How fast things are is make bench's business.)
PATIENCE = 120

def wait_until(predicate, timeout, what, interval=0.02):
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError('timed out after %.0f s waiting for %s' % (timeout, what))
        time.sleep(interval)
    return value

WITH_XVFB = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts',
                         'with-xvfb')

class XServer:
    """A private Xvfb served by scripts/with-xvfb --serve (reset: without
    -noreset, so the server resets when its last client leaves), or the
    display given."""
    def __init__(self, display=None, reset=False):
        self.proc = None
        if display is None:
            self.proc = subprocess.Popen([WITH_XVFB, '--serve'] + (['--reset'] if reset else []),
                                         stdout=subprocess.PIPE, start_new_session=True, text=True)
            display = self.proc.stdout.readline().strip()
            if not display.startswith(':'):
                self.stop()
                raise RuntimeError('Xvfb did not start')
        self.display, self.env = display, dict(os.environ, DISPLAY=display)
        self.env.pop('XAUTHORITY', None)
    def run(self, *args, check=True):
        r = subprocess.run([str(a) for a in args], env=self.env, capture_output=True, timeout=PATIENCE)
        if check and r.returncode != 0:
            raise AssertionError('%s failed (%d): %s' % (args[0], r.returncode, r.stderr))
        return r.stdout.decode(errors='replace')
    def xdotool(self, *args):
        return self.run('xdotool', *args)
    def control_map(self, command):
        return ControlMap(json.loads(self.run(*command)))
    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()   # with-xvfb stops the server and waits for it
            self.proc.wait()
        if self.proc:
            self.proc.stdout.close()

class ControlMap:
    """Window pixels of a panel's controls, by label."""
    def __init__(self, data):
        self.controls = {c['label']: c for c in data['controls']}
    def centre(self, label, part='rect'):
        """Centre of a control's row, or of a spinner's "field", "up" or "down"."""
        x, y, w, h = self.controls[label][part]
        return x + w // 2, y + h // 2

class Stream:
    """A console stream read by a thread; lines starting with drop are left out."""
    def __init__(self, pipe, drop=None):
        self._data, self._drop, self.closed = bytearray(), drop, False
        self._cond = threading.Condition()
        self.thread = threading.Thread(target=self._pump, args=(pipe,), daemon=True)
        self.thread.start()
    def _pump(self, pipe):
        while not self.closed:
            chunk = os.read(pipe.fileno(), 65536)
            with self._cond:
                self._data += chunk
                self.closed = not chunk
                self._cond.notify_all()
    def mark(self):
        return len(self._data)
    def text(self, since=0):
        with self._cond:
            text = self._data[since:].decode(errors='replace')
        return ''.join(l for l in text.splitlines(True)
                       if not self._drop or not l.startswith(self._drop))
    def wait_for(self, predicate, since=0, timeout=PATIENCE, what='output'):
        """Waits until predicate(the text since the mark) holds; returns the text."""
        deadline = time.monotonic() + timeout
        with self._cond:
            while not predicate(text := self.text(since)):
                left = deadline - time.monotonic()
                if left <= 0 or self.closed:
                    raise AssertionError('no %s; got %r' % (what, text[-600:]))
                self._cond.wait(left)
            return text

class Shot:
    """An RGB screenshot, 8 bits per channel."""
    def __init__(self, raw):
        m = re.match(rb'P6\s+(\d+)\s+(\d+)\s+255\s', raw)
        self.width, self.data = int(m.group(1)), raw[m.end():]
    def lit(self, threshold=40):
        """How many pixels are brighter than threshold in any channel."""
        t = self.data.translate(bytes(int(v > threshold) for v in range(256)))
        a, b, c = (int.from_bytes(t[k::3], 'big') for k in range(3))
        return bin(a | b | c).count('1')
    def pixel(self, x, y):
        return tuple(self.data[3 * (y * self.width + x):][:3])
    def crop(self, left, top, right, bottom):
        """The part in columns left to right - 1 and rows top to bottom - 1."""
        rows = [self.data[3 * (y * self.width + left):3 * (y * self.width + right)]
                for y in range(top, bottom)]
        return Shot(b'P6 %d %d 255\n' % (right - left, bottom - top) + b''.join(rows))
    def __eq__(self, other):
        return self.data == other.data

def gl_calls(trace_path):
    """The recorded calls, (name, argument values, drawable current), less apitrace's own."""
    class Unpickler(pickle.Unpickler):
        def find_class(self, module, name):
            return (lambda *a: (name,) + a) if module == 'unpickle' else \
                super().find_class(module, name)
    proc = subprocess.Popen(['apitrace', 'pickle', trace_path], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL)
    calls, drawable = [], None
    with proc:
        while True:
            try:
                _, name, args, _, flags = Unpickler(proc.stdout).load()[:5]
            except EOFError:
                return calls
            if name in ('glXMakeCurrent', 'glXMakeContextCurrent'):
                drawable = args[1][1]
            if not flags & 1:
                calls.append((name, [v for _, v in args], drawable))

class Program:
    """A program with its windows found by title. trace: under apitrace; merged:
    standard error into standard output's pipe; shell: sh redirections ('>&-')."""
    def __init__(self, x, command, titles, trace=False, merged=False, env=None,
                 stdout=subprocess.PIPE, shell=''):
        self.x, self.tmpdir, self.map = x, tempfile.mkdtemp(prefix='harness-'), None
        self.trace_path = os.path.join(self.tmpdir, 'calls.trace')
        if trace:
            command = ['apitrace', 'trace', '--api', 'gl', '-o', self.trace_path] + command
        if shell:
            command = ['sh', '-c', 'exec "$@" ' + shell, 'sh'] + command
        self.proc = subprocess.Popen(
            command, env=dict(x.env, **(env or {})), stdin=subprocess.DEVNULL, stdout=stdout,
            stderr=subprocess.STDOUT if merged else subprocess.PIPE, start_new_session=True)
        drop = 'apitrace: ' if trace else None
        self.err = Stream(self.proc.stderr or self.proc.stdout, drop)
        self.out = self.err if merged else self.proc.stdout and Stream(self.proc.stdout, drop)

        def found(title):
            self.assert_alive()
            ids = x.run('xdotool', 'search', '--onlyvisible', '--name',
                        '^%s$' % re.escape(title), check=False).split()
            return int(ids[0]) if len(ids) == 1 else None
        try:
            self.windows = [wait_until(lambda: found(t), PATIENCE, 'the window "%s"' % t)
                            for t in titles]
        except BaseException:
            self.stop()
            raise
    def click(self, window, x, y, button=1):
        self.x.xdotool('mousemove', '--window', window, x, y, 'click', button)
    def drag(self, window, points, button=1):
        """Presses at points[0], one motion event per later point, releases at the last."""
        moves = [a for p in points for a in ('mousemove', '--window', window, *p)]
        self.x.xdotool(*moves[:5], 'mousedown', button, *moves[5:], 'mouseup', button)
    def key(self, window, *keys):
        self.x.xdotool('windowfocus', '--sync', window, 'key', '--clearmodifiers', *keys)
    def enter(self, panel, label, text, then=('Return',)):
        """Replaces a spinner's text (a click in the field selects all of it),
        then presses the keys in then (none: the edit stays open)."""
        self.x.xdotool('windowfocus', '--sync', panel, 'mousemove', '--window', panel,
                       *self.map.centre(label, 'field'), 'click', 1, 'key', 'BackSpace')
        if text:
            self.x.xdotool('type', '--delay', 5, '--', text)   # "--": text may start with "-"
        if then:
            self.x.xdotool('key', *then)
    def screenshot(self, window):
        return Shot(subprocess.run(['import', '-silent', '-window', str(window), '-depth', '8',
                                    'ppm:-'], env=self.x.env, capture_output=True, timeout=PATIENCE,
                                   check=True).stdout)
    def settled_screenshot(self, window, differs_from=None, timeout=PATIENCE):
        """A screenshot once the picture stopped changing (and differs_from that one)."""
        last = [self.screenshot(window)]

        def stable():
            shot = self.screenshot(window)
            same, last[0] = shot == last[0], shot
            return same and (differs_from is None or not shot == differs_from)
        wait_until(stable, timeout, 'a settled picture', interval=0.05)
        return last[0]
    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        values = dict(l.split('=', 1) for l in self.x.xdotool(
            'getwindowgeometry', '--shell', window).split())
        return tuple(int(values[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT'))
    def size(self, window):
        return self.geometry(window)[2:]
    def resize(self, window, width, height):
        self.x.xdotool('windowsize', window, width, height)
        wait_until(lambda: self.size(window) == (width, height), PATIENCE, 'the new window size')
    def close(self, window):
        """Sends what a window manager's close button sends: WM_DELETE_WINDOW."""
        x11, p = ctypes.CDLL('libX11.so.6'), ctypes.c_void_p
        x11.XOpenDisplay.restype, x11.XInternAtom.restype = p, ctypes.c_ulong
        x11.XInternAtom.argtypes = [p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, p]
        x11.XCloseDisplay.argtypes = [p]
        display = x11.XOpenDisplay(self.x.display.encode())
        # An XClientMessageEvent (type 33) in an XEvent of 24 longs.
        event = (ctypes.c_long * 24)(33, 0, 0, 0, window,
                                     x11.XInternAtom(display, b'WM_PROTOCOLS', 0), 32,
                                     x11.XInternAtom(display, b'WM_DELETE_WINDOW', 0))
        x11.XSendEvent(display, window, 0, 0, event)
        x11.XCloseDisplay(display)      # flushes
    def assert_alive(self):
        if self.proc.poll() is not None:
            raise AssertionError('the program ended with status %d; stderr: %s'
                                 % (self.proc.returncode, self.err.text()[-600:]))
    def wait_exit(self, timeout=PATIENCE):
        status = self.proc.wait(timeout=timeout)
        for stream in {self.out, self.err} - {None}:
            stream.thread.join(5)
        return status
    def stop(self):
        """Ends the program's whole process group (so also under apitrace)."""
        if self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGTERM)
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, signal.SIGKILL)
        self.wait_exit()
        for pipe in filter(None, (self.proc.stdout, self.proc.stderr)):
            pipe.close()
        shutil.rmtree(self.tmpdir, ignore_errors=True)
