"""Independent model of the viewer's numbers, built from its documented rules.

Every stored quantity is an IEEE single; each component is evaluated in
double precision (Python's float) and rounded to single once, where the
documented rule says so. Matrices are 16 floats in column-major order (row i,
column j at index 4j + i). Camera angles are radians, rotation angles handed
to the matrix builder are degrees.
"""
import math
import struct

TRANSLATE_STEP_LITERAL = 0.1
ROTATE_STEP_LITERAL = 0.08726639
DEGREE_FACTOR = 0.0174532777  # the matrix builder's degrees-to-radians factor


def f32(x):
    """Rounds a double to the nearest single, overflowing to infinity."""
    try:
        return struct.unpack('<f', struct.pack('<f', x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


def bits32(x):
    return struct.unpack('<I', struct.pack('<f', x))[0]


def div(a, b):
    """IEEE division, which Python refuses for a zero divisor."""
    if b != 0.0:
        return a / b
    if a == 0.0 or math.isnan(a):
        return math.nan
    negative = (math.copysign(1.0, a) < 0) != (math.copysign(1.0, b) < 0)
    return -math.inf if negative else math.inf


TRANSLATE_STEP = f32(TRANSLATE_STEP_LITERAL)
ROTATE_STEP = f32(ROTATE_STEP_LITERAL)
NEAR_PLANE = f32(0.1)
FAR_PLANE = 1000.0


class Vec3:
    """Three singles; every operation rounds each component once."""

    def __init__(self, x, y, z):
        self.x, self.y, self.z = f32(x), f32(y), f32(z)

    def __add__(self, b):
        return Vec3(self.x + b.x, self.y + b.y, self.z + b.z)

    def __sub__(self, b):
        return Vec3(self.x - b.x, self.y - b.y, self.z - b.z)

    def scaled(self, s):
        return Vec3(s * self.x, s * self.y, s * self.z)

    def cross(self, b):
        return Vec3(self.y * b.z - self.z * b.y,
                    self.z * b.x - self.x * b.z,
                    self.x * b.y - self.y * b.x)

    def length(self):
        return f32(math.sqrt(self.x * self.x + self.y * self.y + self.z * self.z))

    def normalized(self):
        n = self.length()
        return Vec3(div(self.x, n), div(self.y, n), div(self.z, n))

    def tuple(self):
        return (self.x, self.y, self.z)

    def __repr__(self):
        return 'Vec3(%r, %r, %r)' % self.tuple()


class Camera:
    """Eye point with right (u), up (v) and backward (n) axes."""

    def __init__(self):
        self.flips = 0
        self.reset()

    def reset(self):
        self.eye = Vec3(0.0, 0.0, 2.5)
        self.u = Vec3(1.0, 0.0, 0.0)
        self.v = Vec3(0.0, 1.0, 0.0)
        self.n = Vec3(0.0, 0.0, 1.0)

    def translate(self, du, dv, dn, aim, target):
        self.eye = ((self.eye + self.u.scaled(du)) + self.v.scaled(dv)) + self.n.scaled(dn)
        if aim:
            self.look_at(target)

    @staticmethod
    def _usable(a):
        # An eye on the target has no direction to look in; the camera then
        # keeps its frame rather than turning to NaN.
        length = a.length()
        return length > 0.0 and not math.isinf(length)

    def look_at(self, target):
        d = self.eye - target
        if not self._usable(d):
            return
        n = d.normalized()
        v = Vec3(0.0, 1.0, 0.0)
        if abs(n.y) > 0.97:
            v = n.cross(self.u)
            if not self._usable(v):
                return
            v = v.normalized()
        if not (v.x * self.v.x > 0 or v.y * self.v.y > 0 or v.z * self.v.z > 0):
            v = v.scaled(-1.0)
            self.flips += 1
        u = v.cross(n).normalized()
        v = n.cross(u)
        self.u, self.v, self.n = u, v, n

    def pitch(self, a):
        s, c = f32(math.sin(a)), f32(math.cos(a))
        self.v, self.n = self.v.scaled(c) - self.n.scaled(s), self.v.scaled(s) + self.n.scaled(c)

    def yaw(self, a):
        s, c = f32(math.sin(a)), f32(math.cos(a))
        self.u, self.n = self.u.scaled(c) + self.n.scaled(s), self.n.scaled(c) - self.u.scaled(s)

    def roll(self, a):
        s, c = f32(math.sin(a)), f32(math.cos(a))
        self.u, self.v = self.u.scaled(c) + self.v.scaled(s), self.v.scaled(c) - self.u.scaled(s)


def identity():
    return [1.0 if i % 5 == 0 else 0.0 for i in range(16)]


def translation(tx, ty, tz):
    m = identity()
    m[12], m[13], m[14] = tx, ty, tz
    return m


def multiply(a, b):
    r = [0.0] * 16
    for j in range(4):
        for i in range(4):
            r[4 * j + i] = f32(a[i] * b[4 * j] + a[i + 4] * b[4 * j + 1]
                               + a[i + 8] * b[4 * j + 2] + a[i + 12] * b[4 * j + 3])
    return r


def rotation(angle, axis):
    """Rotation by angle degrees about axis (a Vec3), glRotatef's sense."""
    a = angle * DEGREE_FACTOR
    c = f32(math.cos(a))
    s = f32(math.sin(f32(a)))
    m = [0.0] * 16
    m[15] = 1.0
    if axis.x == 0.0 and axis.y == 0.0 and bits32(axis.z) == bits32(1.0):
        m[0], m[4], m[1], m[5], m[10] = c, -s, s, c, 1.0
        return m
    k = axis.normalized()
    x, y, z = k.x, k.y, k.z
    xx, yy, zz = f32(x * x), f32(y * y), f32(z * z)
    rows = [
        [(1 - xx) * c + xx, x * y + ((-x) * y) * c + (-z) * s, x * z + ((-x) * z) * c + s * y],
        [x * y + ((-x) * y) * c + s * z, (1 - yy) * c + yy, y * z + ((-y) * z) * c + (-x) * s],
        [x * z + ((-x) * z) * c + (-y) * s, y * z + ((-y) * z) * c + s * x, (1 - zz) * c + zz],
    ]
    for i in range(3):
        for j in range(3):
            m[4 * j + i] = f32(rows[i][j])
    return m


class Viewer:
    """The navigation state a user drives: camera, Corvane model-view, mouse."""

    AXES = (Vec3(1.0, 0.0, 0.0), Vec3(0.0, 1.0, 0.0), Vec3(0.0, 0.0, 1.0))

    def __init__(self):
        self.camera = Camera()
        self.model_view = identity()
        self.mode = 0        # 0 translate, 1 rotate
        self.axis = 2        # 0 X, 1 Y, 2 Z
        self.look_at = 0
        self.last = (0, 0)
        self.center = Vec3(0.0, 0.0, 0.0)

    def press(self, x, y):
        self.last = (x, y)

    def move(self, x, y):
        dx, dy = x - self.last[0], y - self.last[1]
        sign = 1
        if abs(dx) > abs(dy):
            sign, amount = (-1 if dx < 0 else 1), abs(dx)
        else:
            sign, amount = (-1 if dy < 0 else 1), abs(dy)
        amount = float(amount)
        rotate_amount = f32(amount * 0.1 * ROTATE_STEP)
        translate_amount = f32(amount * -0.5 * TRANSLATE_STEP)
        self.drag_step(sign, translate_amount, rotate_amount)
        self.last = (x, y)

    def drag_step(self, sign, t, r):
        if self.mode == 0:
            step = self._translate_step(sign, t)
        else:
            step = self._rotate_step(sign, r)
        self.model_view = multiply(self.model_view, step)

    def _translate_step(self, sign, t):
        d = f32((sign if self.axis == 1 else -sign) * t)
        moves = [0.0, 0.0, 0.0]
        moves[min(self.axis, 2)] = d
        self.camera.translate(*moves, self.look_at, self.center)
        return translation(*moves)

    def _rotate_step(self, sign, r):
        a = f32(sign * r)
        (self.camera.pitch, self.camera.yaw, self.camera.roll)[self.axis](a)
        p = self.center
        step = rotation(a, self.AXES[self.axis])
        pivot = translation(p.x, p.y, p.z)
        back = translation(-p.x, -p.y, -p.z)
        return multiply(multiply(pivot, step), back)


def glu_perspective(fovy, aspect, z_near, z_far):
    """The 16 doubles, column-major, that gluPerspective multiplies on."""
    radians = fovy / 2 * 3.14159265358979323846 / 180
    delta_z = z_far - z_near
    sine = math.sin(radians)
    if delta_z == 0 or sine == 0 or aspect == 0:
        return None
    cotangent = math.cos(radians) / sine
    m = [0.0] * 16
    m[0] = cotangent / aspect
    m[5] = cotangent
    m[10] = -(z_far + z_near) / delta_z
    m[11] = -1.0
    m[14] = -2 * z_near * z_far / delta_z
    return m


def projection(hfov, vfov):
    """OpenGL's projection for the two fields of view in degrees, as the
    program holds them: singles, the aspect formed in double."""
    hfov, vfov = f32(hfov), f32(vfov)
    return glu_perspective(vfov, hfov / vfov, NEAR_PLANE, FAR_PLANE)


def look_at_matrix(camera):
    """OpenGL's model-view after gluLookAt(eye, eye - n, v), in double."""
    e = camera.eye.tuple()
    f = [-c for c in camera.n.tuple()]
    f = _unit(f)
    up = camera.v.tuple()
    s = _unit(_cross(f, up))
    u = _cross(s, f)
    rows = [s, u, [-c for c in f]]
    m = identity()
    for i, row in enumerate(rows):
        for j in range(3):
            m[4 * j + i] = row[j]
        m[12 + i] = -sum(row[j] * e[j] for j in range(3))
    return m


def _cross(a, b):
    return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]]


def _unit(a):
    n = math.sqrt(sum(c * c for c in a))
    return [c / n for c in a] if n else list(a)


def fields_of_view(m):
    """(hfov, vfov) in degrees recovered from a perspective projection."""
    if m[5] == 0:
        vfov = 180.0
    else:
        vfov = 2 * math.degrees(math.atan(1 / m[5]))
    aspect = m[5] / m[0] if m[0] else math.inf
    return aspect * vfov, vfov


# The icosahedron: 12 unit vertices from two single-precision constants and
# 20 counter-clockwise faces.
ICO_SHORT = 0.52573108673095703125
ICO_LONG = 0.850650787353515625
_S, _L = ICO_SHORT, ICO_LONG
ICOSAHEDRON_VERTICES = [
    (-_S, 0.0, _L), (_S, 0.0, _L), (-_S, 0.0, -_L), (_S, 0.0, -_L),
    (0.0, _L, _S), (0.0, _L, -_S), (0.0, -_L, _S), (0.0, -_L, -_S),
    (_L, _S, 0.0), (-_L, _S, 0.0), (_L, -_S, 0.0), (-_L, -_S, 0.0),
]
ICOSAHEDRON_FACES = [
    (1, 4, 0), (4, 9, 0), (4, 5, 9), (8, 5, 4), (1, 8, 4),
    (1, 10, 8), (10, 3, 8), (8, 3, 5), (3, 2, 5), (3, 7, 2),
    (3, 10, 7), (10, 6, 7), (6, 11, 7), (6, 0, 11), (6, 1, 0),
    (10, 1, 6), (11, 0, 9), (2, 11, 9), (5, 2, 9), (11, 2, 7),
]


def _midpoint_on_sphere(a, b):
    m = [f32((a[k] + b[k]) / 2) for k in range(3)]
    length = f32(math.sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]))
    return tuple(f32(c / length) for c in m)


def icosphere(depth):
    """The triangles in drawing order, each three points of three singles."""
    out = []

    def subdivide(p1, p2, p3, d):
        if d == 0:
            out.append((p1, p2, p3))
            return
        m12 = _midpoint_on_sphere(p1, p2)
        m23 = _midpoint_on_sphere(p2, p3)
        m31 = _midpoint_on_sphere(p3, p1)
        subdivide(p1, m12, m31, d - 1)
        subdivide(p2, m23, m12, d - 1)
        subdivide(p3, m31, m23, d - 1)
        subdivide(m12, m23, m31, d - 1)

    for face in ICOSAHEDRON_FACES:
        subdivide(*(ICOSAHEDRON_VERTICES[i] for i in face), depth)
    return out


def projected_bbox(depth, width=400, height=400, fovy=60.0, aspect=1.0, distance=2.5):
    """Window-pixel box (x0, y0, x1, y1; y down) of the sphere's vertices seen
    from the start view, in a window of the given size."""
    t = math.tan(math.radians(fovy / 2))
    xs, ys = [], []
    for triangle in icosphere(depth):
        for x, y, z in triangle:
            xs.append(width / 2 * (1 + x / (distance - z) / (t * aspect)))
            ys.append(height / 2 * (1 - y / (distance - z) / t))
    return min(xs), min(ys), max(xs), max(ys)
