#!/usr/bin/env python3
"""Draws the program's pictures and writes them as XPM files (and the icons as PNG and ICO).

The build does not run this script: the XPM files it writes are kept in the
repository and compiled in as Qt resources.  Run it again after changing a
drawing here:

    python3 assets/art/draw_art.py

Everything is drawn from simple shapes (ellipses, polygons, round-ended bars)
or, for the hand cursor, from the character picture below.  Only the Python standard library is
used.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# small raster helpers
# ---------------------------------------------------------------------------


def inside_polygon(px, py, pts):
    """Even-odd test of the point (px, py) against the polygon pts."""
    inside = False
    n = len(pts)
    for i in range(n):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % n]
        if (y1 > py) != (y2 > py):
            xc = x1 + (py - y1) * (x2 - x1) / (y2 - y1)
            if px < xc:
                inside = not inside
    return inside


def inside_ellipse(px, py, cx, cy, rx, ry):
    return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0


def new_grid(w, h, value=None):
    return [[value] * w for _ in range(h)]


def neighbours4(x, y):
    return ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))


def mirror(grid):
    return [list(reversed(row)) for row in grid]


def write_xpm(name, grid, colours):
    """grid holds colour names (keys of colours) or None for transparent."""
    h = len(grid)
    w = len(grid[0])
    used = sorted({c for row in grid for c in row if c is not None})
    chars = {}
    pool = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789#@$%&*+-=:;"
    # give each colour a stable, readable character
    for c in used:
        ch = colours[c][0]
        if ch in chars.values() or ch == ".":
            ch = next(p for p in pool if p not in chars.values())
        chars[c] = ch
    ident = name.replace(".xpm", "")
    lines = ["/* XPM */", "static const char *const %s[] = {" % ident]
    lines.append('"%d %d %d 1",' % (w, h, len(used) + 1))
    lines.append('". c None",')
    for c in used:
        lines.append('"%s c %s",' % (chars[c], colours[c][1]))
    for i, row in enumerate(grid):
        s = "".join("." if c is None else chars[c] for c in row)
        lines.append('"%s"%s' % (s, "," if i < h - 1 else ""))
    lines.append("};")
    with open(os.path.join(HERE, name), "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------------------
# the fish
# ---------------------------------------------------------------------------
# Drawn facing left (head on the left, tail on the right); the right-facing
# picture is the exact mirror image.

W = H = 32

MALE = {
    "body": (15.0, 17.0, 10.6, 6.4),  # centre x, centre y, radius x, radius y
    # tall dorsal fin swept back to a point
    "dorsal": [(9.0, 12.5), (14.5, 5.0), (20.5, 2.5), (19.5, 6.0), (22.0, 12.5)],
    # deeply forked tail
    "tail": [(22.5, 15.0), (29.0, 6.5), (31.0, 7.5), (28.0, 17.0),
             (31.0, 26.5), (29.0, 27.5), (22.5, 19.0)],
    # pointed anal fin under the rear of the body
    "anal": [(14.0, 21.5), (20.5, 27.8), (22.0, 27.0), (21.5, 20.5)],
    "colours": {
        "line": ("o", "#14203A"),
        "back": ("b", "#1D4FA8"),
        "side": ("s", "#3F7FE0"),
        "belly": ("w", "#BFD9F5"),
        "band": ("k", "#173F86"),
        "fin": ("f", "#C4CC48"),
        "finray": ("r", "#7C8A1E"),
        "eye": ("e", "#FFFFFF"),
        "pupil": ("p", "#000000"),
        "shine": ("h", "#E8F4FF"),
    },
    "bands": True,
    "snout": 0.18,
    "eye": (3, -4),
    "mouth_depth": 2,
}

FEMALE = {
    "body": (15.0, 17.5, 10.2, 7.4),
    # low rounded dorsal fin
    "dorsal_ellipse": (15.0, 11.2, 6.0, 4.6),
    # round fan tail, a wide half disc
    "tail_fan": (21.0, 17.5, 10.2),
    "anal_ellipse": (17.5, 24.0, 4.0, 3.4),
    "colours": {
        "line": ("o", "#3A1020"),
        "back": ("b", "#C81E3C"),
        "side": ("s", "#F0506E"),
        "belly": ("w", "#FFD2DC"),
        "fin": ("f", "#FF9EBB"),
        "finray": ("r", "#E0507A"),
        "eye": ("e", "#FFFFFF"),
        "pupil": ("p", "#000000"),
        "shine": ("h", "#FFF0F4"),
        "lash": ("l", "#3A1020"),
        "cheek": ("c", "#FF8FA8"),
        "gill": ("g", "#D83A5C"),
    },
    "bands": False,
    "snout": 0.12,
    "eye": (3, -4),
    "mouth_depth": 2,
}

BODY, FIN = 1, 2


def in_body(px, py, cx, cy, rx, ry, snout):
    """An egg shape: an ellipse whose front (left) half narrows to a snout."""
    k = 1.0
    if px < cx:
        k = 1.0 - snout * ((cx - px) / rx) ** 2
    return inside_ellipse(px, py, cx, cy, rx, ry * k)


def fish(sex):
    d = MALE if sex == "male" else FEMALE
    cx, cy, rx, ry = d["body"]
    region = new_grid(W, H, 0)
    for y in range(H):
        for x in range(W):
            px, py = x + 0.5, y + 0.5
            if in_body(px, py, cx, cy, rx, ry, d["snout"]):
                region[y][x] = BODY
                continue
            fin = False
            if "dorsal" in d and inside_polygon(px, py, d["dorsal"]):
                fin = True
            if "tail" in d and inside_polygon(px, py, d["tail"]):
                fin = True
            if "anal" in d and inside_polygon(px, py, d["anal"]):
                fin = True
            if "dorsal_ellipse" in d:
                ex, ey, erx, ery = d["dorsal_ellipse"]
                if py < cy and inside_ellipse(px, py, ex, ey, erx, ery):
                    fin = True
            if "anal_ellipse" in d:
                ex, ey, erx, ery = d["anal_ellipse"]
                if py > cy and inside_ellipse(px, py, ex, ey, erx, ery):
                    fin = True
            if "tail_fan" in d:
                tx, ty, tr = d["tail_fan"]
                dx, dy = px - tx, py - ty
                if dx > 0 and math.hypot(dx, dy) <= tr and abs(dy) <= dx * 1.25 + 1.5:
                    fin = True
            if fin:
                region[y][x] = FIN

    # the mouth: a small notch cut into the front of the head
    head_x = min(x for y in range(H) for x in range(W) if region[y][x] == BODY)
    my = int(cy) + 1
    for x in range(head_x, head_x + d["mouth_depth"]):
        region[my][x] = 0

    g = new_grid(W, H, None)

    def opaque(x, y):
        return 0 <= x < W and 0 <= y < H and region[y][x] != 0

    for y in range(H):
        for x in range(W):
            r = region[y][x]
            if r == 0:
                continue
            edge = any(not opaque(nx, ny) for nx, ny in neighbours4(x, y))
            if edge:
                g[y][x] = "line"
                continue
            if r == FIN:
                # fin rays: lines fanning out from the body centre
                ang = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
                g[y][x] = "finray" if int(ang * 9.0 + 50) % 2 == 0 else "fin"
                continue
            # body: outline where it meets a fin, then shading top to bottom
            if any(0 <= nx < W and 0 <= ny < H and region[ny][nx] == FIN
                   for nx, ny in neighbours4(x, y)):
                g[y][x] = "line"
                continue
            t = (y + 0.5 - cy) / ry  # -1 top .. +1 bottom
            if t < -0.35:
                g[y][x] = "back"
            elif t < 0.35:
                g[y][x] = "side"
            else:
                g[y][x] = "belly"

    head_x = min(x for y in range(H) for x in range(W) if region[y][x] == BODY)
    # vertical bands on the male's flank
    if d["bands"]:
        for bx in (15, 19):
            for y in range(H):
                if g[y][bx] in ("back", "side"):
                    g[y][bx] = "band"
    # gill cover: a curved line behind the eye
    gx = head_x + 7
    reach = 0.6 if sex == "male" else 0.4
    for y in range(int(cy - ry * reach), int(cy + ry * reach) + 1):
        off = int(round(abs(y + 0.5 - cy) / ry * 2.2))
        x = gx + off
        if g[y][x] in ("back", "side", "belly", "band"):
            g[y][x] = "line" if sex == "male" else "gill"
    # eye: a round white eye, 4x4 without corners, pupil 2x2 looking forward
    ex, ey = head_x + d["eye"][0], int(cy) + d["eye"][1]
    for yy in range(ey, ey + 4):
        for xx in range(ex, ex + 4):
            corner = (yy in (ey, ey + 3)) and (xx in (ex, ex + 3))
            if not corner:
                assert region[yy][xx] == BODY and g[yy][xx] != "line", (sex, xx, yy)
                g[yy][xx] = "eye"
    for yy in range(ey + 1, ey + 3):
        for xx in range(ex, ex + 2):
            g[yy][xx] = "pupil"
    g[ey + 1][ex] = "shine"
    if sex == "female":
        # eyelashes above the eye and a rosy cheek below it
        g[ey - 1][ex + 1] = "lash"
        g[ey - 1][ex + 3] = "lash"
        g[ey - 2][ex + 4] = "lash"
        g[ey + 5][ex + 3] = "cheek"
        g[ey + 5][ex + 4] = "cheek"
    # a small glint on the back
    g[int(cy - ry * 0.6)][int(cx) - 1] = "shine"
    return g, d["colours"]


# ---------------------------------------------------------------------------
# hand cursor: a pointing hand, fingertip at the top
# ---------------------------------------------------------------------------
# 'o' outline (black), ' ' nothing, '-' white fill.

HAND = [
    "",
    "           oo",
    "          o--o",
    "          o--o",
    "          o--o",
    "          o--o",
    "          o--o",
    "          o--o",
    "          o--ooo",
    "          o--o--ooo",
    "          o--o--o--oo",
    "          o--o--o--o-o",
    "          o--o--o--o--o",
    "    ooo   o-----------o",
    "   o---o  o-----------o",
    "   o----o o-----------o",
    "    o----oo-----------o",
    "     o----o-----------o",
    "      o---------------o",
    "       o--------------o",
    "        o-------------o",
    "         o-----------o",
    "          o----------o",
    "          o---------o",
    "          o---------o",
    "          ooooooooooo",
]
HAND_HOTSPOT = (11, 1)


def hand():
    g = new_grid(W, H, None)
    for y, row in enumerate(HAND):
        assert len(row) <= W, (y, len(row))
        for x, ch in enumerate(row):
            if ch == "o":
                g[y][x] = "line"
            elif ch == "-":
                g[y][x] = "fill"
    colours = {"line": ("o", "#000000"), "fill": ("w", "#FFFFFF")}
    return g, colours


# ---------------------------------------------------------------------------
# program icon: a bold fish on a rounded square of water
# ---------------------------------------------------------------------------

IW = IH = 48


def icon():
    g = new_grid(IW, IH, None)
    # rounded square, 1 px margin, corner radius 9
    r = 9.0
    x0, y0, x1, y1 = 1.0, 1.0, 47.0, 47.0

    def in_square(px, py):
        qx = min(max(px, x0 + r), x1 - r)
        qy = min(max(py, y0 + r), y1 - r)
        return math.hypot(px - qx, py - qy) <= r

    for y in range(IH):
        for x in range(IW):
            px, py = x + 0.5, y + 0.5
            if not in_square(px, py):
                continue
            edge = any(not in_square(nx + 0.5, ny + 0.5) for nx, ny in neighbours4(x, y))
            if edge:
                g[y][x] = "frame"
            else:
                t = y / IH
                g[y][x] = "water1" if t < 0.45 else ("water2" if t < 0.75 else "water3")
    # sand at the bottom
    for y in range(IH):
        for x in range(IW):
            if g[y][x] in ("water1", "water2", "water3") and y >= 40 - int(1.5 * math.sin(x / 5.0)):
                g[y][x] = "sand"
    # a bold fish facing left, drawn with the same shapes scaled up
    cx, cy, rx, ry = 21.0, 23.0, 13.5, 9.0
    tail = [(31.0, 20.0), (42.5, 10.5), (44.5, 12.5), (40.0, 23.0),
            (44.5, 33.5), (42.5, 35.5), (31.0, 26.0)]
    dorsal = [(14.0, 16.0), (20.0, 8.0), (28.5, 6.5), (27.0, 11.0), (30.0, 17.0)]
    fins = new_grid(IW, IH, 0)
    for y in range(IH):
        for x in range(IW):
            px, py = x + 0.5, y + 0.5
            if inside_ellipse(px, py, cx, cy, rx, ry):
                fins[y][x] = BODY
            elif inside_polygon(px, py, tail) or inside_polygon(px, py, dorsal):
                fins[y][x] = FIN

    def is_fish(x, y):
        return 0 <= x < IW and 0 <= y < IH and fins[y][x] != 0

    for y in range(IH):
        for x in range(IW):
            f = fins[y][x]
            if not f:
                continue
            # a 2 px thick outline so it still reads at 16 px
            thick = any(not is_fish(x + dx, y + dy)
                        for dx in (-1, 0, 1) for dy in (-1, 0, 1)
                        if abs(dx) + abs(dy) == 1) or \
                any(not is_fish(x + dx, y + dy) for dx, dy in ((-2, 0), (2, 0), (0, -2), (0, 2)))
            if thick:
                g[y][x] = "fline"
            elif f == FIN:
                g[y][x] = "ffin"
            else:
                t = (y + 0.5 - cy) / ry
                g[y][x] = "fback" if t < -0.3 else ("fside" if t < 0.4 else "fbelly")
    # body outline where it meets the fins
    for y in range(IH):
        for x in range(IW):
            if fins[y][x] == BODY and g[y][x] != "fline":
                if any(0 <= nx < IW and 0 <= ny < IH and fins[ny][nx] == FIN
                       for nx, ny in neighbours4(x, y)):
                    g[y][x] = "fline"
    # eye
    ex, ey = 12, 19
    for yy in range(ey - 1, ey + 4):
        for xx in range(ex - 1, ex + 4):
            if (xx - ex - 1) ** 2 + (yy - ey - 1) ** 2 <= 5:
                g[yy][xx] = "fline"
    for yy in range(ey, ey + 3):
        for xx in range(ex, ex + 3):
            g[yy][xx] = "eye"
    for yy in range(ey, ey + 2):
        for xx in range(ex, ex + 2):
            g[yy][xx] = "pupil"
    # mouth
    g[25][8] = "fline"
    g[25][9] = "fline"
    g[25][10] = "fline"
    # bubbles
    for bx, by, br in ((7.5, 9.5, 2.6), (11.5, 5.0, 1.6)):
        for y in range(IH):
            for x in range(IW):
                dd = math.hypot(x + 0.5 - bx, y + 0.5 - by)
                if br - 1.0 < dd <= br:
                    g[y][x] = "bubble"
    colours = {
        "frame": ("F", "#0B3D4F"),
        "water1": ("1", "#3EE6F0"),
        "water2": ("2", "#1FC4DA"),
        "water3": ("3", "#139EB8"),
        "sand": ("S", "#E8C97A"),
        "fline": ("o", "#14203A"),
        "ffin": ("f", "#FFB020"),
        "fback": ("b", "#E0401A"),
        "fside": ("s", "#FF7A2E"),
        "fbelly": ("w", "#FFE0A0"),
        "eye": ("e", "#FFFFFF"),
        "pupil": ("p", "#000000"),
        "bubble": ("B", "#FFFFFF"),
    }
    return g, colours


# ---------------------------------------------------------------------------
# pictures made of parts: hands, foods, food quantities
# ---------------------------------------------------------------------------
# A part is a shape test plus a colour; later parts lie on top of earlier
# ones and get an outline where they meet the background or a part beneath
# them, so that fingers and segments stay apart.


def capsule(ax, ay, bx, by, r):
    """A round-ended bar from (ax, ay) to (bx, by), radius r."""
    def test(px, py):
        vx, vy = bx - ax, by - ay
        t = ((px - ax) * vx + (py - ay) * vy) / float(vx * vx + vy * vy)
        t = max(0.0, min(1.0, t))
        return math.hypot(px - (ax + t * vx), py - (ay + t * vy)) <= r
    return test


def ellipse(cx, cy, rx, ry):
    return lambda px, py: inside_ellipse(px, py, cx, cy, rx, ry)


def polygon(pts):
    return lambda px, py: inside_polygon(px, py, pts)


def draw_parts(parts, w=W, h=H):
    """parts: list of (test, fill colour name). Returns the colour grid."""
    ids = new_grid(w, h, -1)
    for i, (test, _) in enumerate(parts):
        for y in range(h):
            for x in range(w):
                if test(x + 0.5, y + 0.5):
                    ids[y][x] = i
    g = new_grid(w, h, None)
    for y in range(h):
        for x in range(w):
            i = ids[y][x]
            if i < 0:
                continue
            edge = False
            for nx, ny in neighbours4(x, y):
                j = ids[ny][nx] if 0 <= nx < w and 0 <= ny < h else -1
                if j < i:
                    edge = True
            g[y][x] = "line" if edge else parts[i][1]
    return g


SKIN = {
    "line": ("o", "#5A3418"),
    "skin": ("s", "#F6CDA2"),
    "shade": ("d", "#E4A878"),
    "nail": ("n", "#FFE8DC"),
}


def shade_lower_right(g, amount=0.35):
    """Darkens the skin on the lower right of every part, a soft light from the top left."""
    h, w = len(g), len(g[0])
    out = [row[:] for row in g]
    for y in range(h):
        for x in range(w):
            if g[y][x] == "skin":
                below = y + 1 < h and g[y + 1][x] == "line"
                right = x + 1 < w and g[y][x + 1] == "line"
                if below or right:
                    out[y][x] = "shade"
    return out


def hand_rock():
    parts = [
        (lambda px, py: 6.0 <= px <= 25.5 and 11.0 <= py <= 28.0 and
         math.hypot(max(0, 9 - px, px - 22.5), max(0, 14 - py, py - 25)) <= 3.5, "skin"),
    ]
    # four curled fingers along the top, each a round knuckle
    for i, x in enumerate((9.5, 14.0, 18.5, 23.0)):
        parts.append((capsule(x, 10.5, x, 17.5, 3.0 if i < 3 else 2.6), "skin"))
    # the thumb folded across the front
    parts.append((capsule(6.5, 23.5, 19.0, 19.5, 3.0), "skin"))
    g = shade_lower_right(draw_parts(parts))
    return g, SKIN


def hand_paper():
    parts = [(ellipse(16.0, 22.5, 8.5, 7.5), "skin")]
    for (ax, ay, bx, by, r) in ((9.0, 23.0, 3.5, 15.0, 2.4),    # thumb
                                (12.0, 17.0, 9.5, 4.0, 2.3),    # index
                                (16.0, 16.0, 16.0, 2.0, 2.4),   # middle
                                (20.0, 17.0, 22.5, 4.0, 2.3),   # ring
                                (23.0, 19.0, 28.0, 9.0, 2.0)):  # little
        parts.append((capsule(ax, ay, bx, by, r), "skin"))
    parts.append((ellipse(16.0, 22.5, 7.0, 6.0), "skin"))  # the palm over the finger roots
    g = shade_lower_right(draw_parts(parts))
    for fx, fy in ((10, 5), (16, 3), (22, 5)):  # nails
        g[fy][fx] = "nail"
    return g, SKIN


def hand_scissors():
    parts = [
        (capsule(13.0, 16.0, 8.5, 3.0, 2.5), "skin"),   # index
        (capsule(18.0, 16.0, 22.5, 3.0, 2.5), "skin"),  # middle
        (lambda px, py: 7.0 <= px <= 25.0 and 14.0 <= py <= 29.0 and
         math.hypot(max(0, 10 - px, px - 22), max(0, 17 - py, py - 26)) <= 3.2, "skin"),  # palm
        (capsule(21.0, 18.5, 24.5, 18.5, 2.6), "skin"),  # ring finger, curled
        (capsule(21.0, 23.0, 24.5, 23.0, 2.4), "skin"),  # little finger, curled
        (capsule(8.0, 24.0, 17.0, 20.5, 2.8), "skin"),   # thumb holding them
    ]
    g = shade_lower_right(draw_parts(parts))
    g[4][9] = "nail"
    g[4][22] = "nail"
    return g, SKIN


def food_jellyfish():
    parts = []
    for x in (10.0, 14.0, 18.0, 22.0):  # wavy tentacles under the bell
        for k in range(5):
            y = 17.0 + k * 3.0
            dx = 1.2 if k % 2 == 0 else -1.2
            parts.append((capsule(x + dx, y, x - dx, y + 3.0, 0.9), "tentacle"))
    parts.append((lambda px, py: inside_ellipse(px, py, 16.0, 17.0, 11.0, 11.0) and py <= 18.5, "bell"))
    parts.append((ellipse(16.0, 12.0, 5.0, 3.5), "inner"))
    g = draw_parts(parts)
    g[9][12] = "shine"
    g[10][11] = "shine"
    colours = {"line": ("o", "#6A2F7A"), "bell": ("b", "#F4C6F0"), "inner": ("i", "#E48ADC"),
               "tentacle": ("t", "#F9DDF6"), "shine": ("h", "#FFFFFF")}
    return g, colours


def food_squid():
    parts = []
    for x in (11.0, 14.0, 17.0, 20.0):  # arms
        parts.append((capsule(x, 20.0, x + (x - 15.5) * 0.35, 29.5, 1.2), "body"))
    parts.append((capsule(9.0, 20.0, 5.0, 30.0, 1.0), "body"))   # two long tentacles
    parts.append((capsule(22.0, 20.0, 26.0, 30.0, 1.0), "body"))
    parts.append((polygon([(16.0, 1.0), (25.0, 9.0), (7.0, 9.0)]), "fin"))       # the fins at the tip
    parts.append((lambda px, py: inside_ellipse(px, py, 16.0, 12.0, 5.5, 10.0) and py <= 20.5, "body"))
    g = draw_parts(parts)
    for ex in (13, 18):  # eyes
        g[18][ex] = "eye"
        g[18][ex + 1] = "eye"
    for y, x in ((8, 14), (11, 17), (14, 14)):  # spots
        g[y][x] = "spot"
    colours = {"line": ("o", "#4A3A5A"), "body": ("w", "#FFF6F0"), "fin": ("f", "#F2E0E8"),
               "eye": ("e", "#202020"), "spot": ("p", "#E88A9A")}
    return g, colours


def food_shrimp():
    parts = [
        (capsule(8.0, 9.0, 2.0, 3.0, 0.6), "leg"),     # antennae
        (capsule(9.0, 9.0, 5.0, 1.0, 0.6), "leg"),
    ]
    for i in range(5):  # legs under the body
        a = math.radians(200 - i * 28)
        cx, cy = 16.0 + 8.0 * math.cos(a), 15.0 - 8.0 * math.sin(a)
        parts.append((capsule(cx, cy, cx + 1.5, cy + 4.0, 0.7), "leg"))
    # the body: segments along an arc, biggest at the head
    for i in range(7):
        a = math.radians(160 - i * 30)
        cx, cy = 16.0 + 9.0 * math.cos(a), 15.0 - 9.0 * math.sin(a)
        parts.append((ellipse(cx, cy, 4.2 - i * 0.35, 4.2 - i * 0.35), "shell" if i % 2 == 0 else "shell2"))
    parts.append((polygon([(13.0, 22.0), (7.0, 29.0), (13.0, 27.5), (16.0, 30.5), (16.5, 23.0)]), "tail"))
    g = draw_parts(parts)
    g[10][9] = "eye"
    colours = {"line": ("o", "#7A2410"), "shell": ("r", "#F26A3A"), "shell2": ("s", "#F8925E"),
               "tail": ("t", "#E84A26"), "leg": ("l", "#D65A30"), "eye": ("e", "#000000")}
    return g, colours


QUESTION = [
    "  xxxx ",
    " xx  xx",
    "     xx",
    "    xx ",
    "   xx  ",
    "   xx  ",
    "       ",
    "   xx  ",
]


def food_fortune():
    g = draw_parts([(ellipse(16.0, 17.0, 12.0, 12.0), "ball")])
    for y in range(H):  # a soft glow on the upper left, without an outline of its own
        for x in range(W):
            if g[y][x] == "ball" and inside_ellipse(x + 0.5, y + 0.5, 12.5, 12.5, 6.0, 5.0):
                g[y][x] = "glow"
    for y, row in enumerate(QUESTION):
        for x, ch in enumerate(row):
            if ch == "x":
                g[12 + y][13 + x] = "mark"
    for sx, sy in ((4, 4), (27, 6), (26, 27)):  # sparkles around the ball
        for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)):
            g[sy + dy][sx + dx] = "star"
    colours = {"line": ("o", "#2A1050"), "ball": ("b", "#7A3CC8"), "glow": ("g", "#A070E8"),
               "mark": ("m", "#FFF4A0"), "star": ("*", "#FFD020")}
    return g, colours


def food_pellets(centres):
    parts = [(ellipse(x, y, 2.6, 2.2), "pellet") for x, y in centres]
    g = draw_parts(parts)
    for x, y in centres:
        g[int(y) - 1][int(x) - 1] = "shine"
    colours = {"line": ("o", "#4A2A10"), "pellet": ("p", "#B8742E"), "shine": ("h", "#F0C890")}
    return g, colours


QUANTITIES = {
    "little": [(13.0, 22.0), (19.0, 23.0)],
    "normal": [(10.0, 23.0), (16.0, 23.5), (22.0, 23.0), (13.0, 18.5), (19.0, 18.5)],
    "lots": [(6.0, 25.0), (11.0, 25.5), (16.0, 26.0), (21.0, 25.5), (26.0, 25.0),
             (8.5, 20.5), (13.5, 21.0), (18.5, 21.0), (23.5, 20.5),
             (11.0, 16.0), (16.0, 16.5), (21.0, 16.0), (13.5, 11.5), (18.5, 11.5), (16.0, 7.0)],
}


# ---------------------------------------------------------------------------
# the desktop's icons: the program icon as PNG at the theme's sizes, scaled
# without smoothing so that the pixel art stays crisp
# ---------------------------------------------------------------------------

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
APP_ID = "org.example.vaspo"


def hex_rgba(colour):
    if colour is None:
        return (0, 0, 0, 0)
    v = colour.lstrip("#")
    return (int(v[0:2], 16), int(v[2:4], 16), int(v[4:6], 16), 255)


def png_bytes(rows):
    """rows: lists of (r, g, b, a); encoded as 8-bit RGBA."""
    h, w = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    return png


def write_png(path, rows):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(png_bytes(rows))


def nearest(grid, size):
    h, w = len(grid), len(grid[0])
    return [[grid[y * h // size][x * w // size] for x in range(size)] for y in range(size)]


def write_theme_icons(grid, colours):
    for size in ICON_SIZES:
        rows = [[hex_rgba(colours[c][1] if c else None) for c in row] for row in nearest(grid, size)]
        write_png(os.path.join(HERE, "..", "icons", "hicolor", "%dx%d" % (size, size), "apps", APP_ID + ".png"), rows)


# Windows' program icon: one .ico with the sizes Explorer, the taskbar and the
# Start menu ask for.  The small ones are plain 32-bit bitmaps, which every
# reader of .ico files understands; 256 px is stored as PNG, as Windows expects.
ICO_SIZES = (16, 24, 32, 48, 64, 128, 256)


def dib_bytes(rows):
    """An icon image as a bitmap: 32-bit BGRA rows bottom-up, then the 1-bit AND mask."""
    h, w = len(rows), len(rows[0])
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    stride = (w + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def write_ico(path, grid, colours):
    images = []
    for size in ICO_SIZES:
        rows = [[hex_rgba(colours[c][1] if c else None) for c in row] for row in nearest(grid, size)]
        images.append((size, png_bytes(rows) if size >= 256 else dib_bytes(rows)))
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        # 0 stands for 256 in the one-byte width and height
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(image for _, image in images)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    for sex in ("male", "female"):
        g, colours = fish(sex)
        write_xpm("fish_%s_left.xpm" % sex, g, colours)
        write_xpm("fish_%s_right.xpm" % sex, mirror(g), colours)
    g, colours = hand()
    write_xpm("hand_cursor.xpm", g, colours)
    g, colours = icon()
    write_xpm("vaspo_icon.xpm", g, colours)
    write_theme_icons(g, colours)
    write_ico(os.path.join(HERE, "..", "windows", "vaspo.ico"), g, colours)
    for name, draw in (("hand_rock", hand_rock), ("hand_paper", hand_paper), ("hand_scissors", hand_scissors),
                       ("food_jellyfish", food_jellyfish), ("food_squid", food_squid),
                       ("food_shrimp", food_shrimp), ("food_fortune", food_fortune)):
        g, colours = draw()
        write_xpm(name + ".xpm", g, colours)
    for name, centres in QUANTITIES.items():
        g, colours = food_pellets(centres)
        write_xpm("quantity_%s.xpm" % name, g, colours)


if __name__ == "__main__":
    main()
