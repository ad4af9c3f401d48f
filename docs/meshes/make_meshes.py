#!/usr/bin/env python3
"""Writes the sample meshes of this folder (viewer --mesh docs/meshes/...).

letter_f.obj  an extruded letter F: no symmetry, so rolls and yaws show;
              quads without normals (each face gets its own)
cut_cube.obj  a cube with one corner cut off: pentagons and a triangle
torus.obj     a torus with a normal at every vertex

Every face runs counter-clockwise seen from outside. Run it from anywhere;
the files land beside it.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def newell(points):
    n = [0.0, 0.0, 0.0]
    for i, p in enumerate(points):
        q = points[(i + 1) % len(points)]
        n[0] += (p[1] - q[1]) * (p[2] + q[2])
        n[1] += (p[2] - q[2]) * (p[0] + q[0])
        n[2] += (p[0] - q[0]) * (p[1] + q[1])
    return n


def outward(points, centre):
    """The polygon wound counter-clockwise seen from away from centre."""
    n = newell(points)
    mid = [sum(p[k] for p in points) / len(points) for k in range(3)]
    away = [mid[k] - centre[k] for k in range(3)]
    return points if sum(n[k] * away[k] for k in range(3)) > 0 else points[::-1]


def box_faces(lo, hi):
    centre = [(lo[k] + hi[k]) / 2 for k in range(3)]
    faces = []
    for axis in range(3):
        for side in (lo[axis], hi[axis]):
            a, b = [k for k in range(3) if k != axis]
            corners = []
            for ua, ub in ((lo[a], lo[b]), (hi[a], lo[b]), (hi[a], hi[b]), (lo[a], hi[b])):
                p = [0.0, 0.0, 0.0]
                p[axis], p[a], p[b] = side, ua, ub
                corners.append(p)
            faces.append(outward(corners, centre))
    return faces


def clip(polygon, plane, limit):
    """The part of a convex polygon where plane . p <= limit."""
    out = []
    for i, p in enumerate(polygon):
        q = polygon[(i + 1) % len(polygon)]
        dp = sum(plane[k] * p[k] for k in range(3)) - limit
        dq = sum(plane[k] * q[k] for k in range(3)) - limit
        if dp <= 0:
            out.append(p)
        if (dp <= 0) != (dq <= 0):
            t = dp / (dp - dq)
            out.append([p[k] + (q[k] - p[k]) * t for k in range(3)])
    return out


def write(name, comment, faces, normals=None):
    """faces: lists of points; normals: per face, per corner, or None."""
    index = {}
    vertices = []
    lines = ["# " + line for line in comment.split("\n")]
    face_lines = []
    normal_lines = []
    normal_index = {}
    for f, face in enumerate(faces):
        refs = []
        for c, p in enumerate(face):
            key = tuple(round(x, 6) for x in p)
            if key not in index:
                vertices.append(key)
                index[key] = len(vertices)
            if normals is None:
                refs.append(str(index[key]))
            else:
                line = "vn %.6f %.6f %.6f" % tuple(normals[f][c])
                if line not in normal_index:
                    normal_lines.append(line)
                    normal_index[line] = len(normal_lines)
                refs.append("%d//%d" % (index[key], normal_index[line]))
        face_lines.append("f " + " ".join(refs))
    lines += ["v %.6f %.6f %.6f" % v for v in vertices] + normal_lines + face_lines
    with open(os.path.join(HERE, name), "w") as out:
        out.write("\n".join(lines) + "\n")


def letter_f():
    z = (-0.15, 0.15)
    boxes = [((-0.5, -0.8), (-0.2, 0.8)), ((-0.2, 0.5), (0.5, 0.8)), ((-0.2, 0.0), (0.3, 0.3))]
    faces = []
    for (x0, y0), (x1, y1) in boxes:
        faces += box_faces((x0, y0, z[0]), (x1, y1, z[1]))
    write("letter_f.obj", "An extruded letter F, 1.6 high, made of three boxes.", faces)


def cut_cube():
    s = 0.6
    plane, limit = (1.0, 1.0, 1.0), 1.2
    faces = [clip(face, plane, limit) for face in box_faces((-s, -s, -s), (s, s, s))]
    # The cap: where the plane crosses the cube's three edges at that corner.
    cap = [[s, s, limit - 2 * s], [limit - 2 * s, s, s], [s, limit - 2 * s, s]]
    faces.append(outward(cap, (0.0, 0.0, 0.0)))
    write("cut_cube.obj", "A cube from -0.6 to 0.6 with its (+, +, +) corner cut off.", faces)


def torus():
    big, small, around, across = 0.7, 0.28, 32, 16
    def point(i, j):
        u = 2 * math.pi * i / around
        v = 2 * math.pi * j / across
        ring = big + small * math.cos(v)
        return ([ring * math.cos(u), ring * math.sin(u), small * math.sin(v)],
                [math.cos(v) * math.cos(u), math.cos(v) * math.sin(u), math.sin(v)])
    faces, normals = [], []
    for i in range(around):
        for j in range(across):
            corners = [point(i, j), point(i + 1, j), point(i + 1, j + 1), point(i, j + 1)]
            faces.append([c[0] for c in corners])
            normals.append([c[1] for c in corners])
    write("torus.obj", "A torus about z: radii 0.7 and 0.28, with vertex normals.", faces, normals)


letter_f()
cut_cube()
torus()
