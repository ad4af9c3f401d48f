"""The console reports as a person reads them: titles on the error stream,
numbers on standard output."""
import math
import re

NUMBER = r'-?(?:\d+\.\d{6}|nan|inf)'
_ROW = r'(%s) (%s) (%s) (%s)\n' % ((NUMBER,) * 4)
MATRIX_BLOCK = re.compile(r'\n' + _ROW * 4 + r'\n')
VECTOR_LINE = re.compile(r'\((-?(?:\d+\.\d{3}|nan|inf)), (-?(?:\d+\.\d{3}|nan|inf)), '
                         r'(-?(?:\d+\.\d{3}|nan|inf))\)\n')

MODEL_VIEW_TITLES = '\nOpenGL Model/View Matrix\n\nCorvane Model/View Matrix\n'
PROJECTION_TITLES = '\nOpenGL Projection Matrix\n\nCorvane Projection Matrix\n'
CAMERA_TITLE = '\nCamera Position\n'


def parse_matrices(text, count=2):
    """The matrices of a report, each as 16 printed strings in storage
    (column-major) order; fails unless the text is exactly count blocks."""
    matrices, pos = [], 0
    for _ in range(count):
        m = MATRIX_BLOCK.match(text, pos)
        if not m:
            raise AssertionError('not a matrix block at %d: %r' % (pos, text[pos:pos + 200]))
        rows = m.groups()
        matrices.append([rows[4 * i + j] for j in range(4) for i in range(4)])
        pos = m.end()
    if pos != len(text):
        raise AssertionError('unexpected text after the report: %r' % text[pos:])
    return matrices


def parse_vector(text):
    m = VECTOR_LINE.fullmatch(text)
    if not m:
        raise AssertionError('not a camera report line: %r' % text)
    return m.groups()


def printed(values):
    """How the report prints single-precision numbers (widened to double)."""
    return ['%f' % v for v in values]


def printed_vector(v):
    return '(%.3f, %.3f, %.3f)\n' % v


def as_floats(strings):
    return [float(s) for s in strings]


def all_finite(strings):
    return all(math.isfinite(float(s)) for s in strings)


def close(strings, expected, tolerance):
    return all(abs(float(s) - e) <= tolerance for s, e in zip(strings, expected))


def pixel_line(x, y):
    return 'Coordinates of the pixel (%d, %d)\n' % (x, y)
