# SPDX-License-Identifier: GPL-3.0-or-later
"""The egg-shaped hero, drawn from shapes so one routine serves the walk strips, the sad portrait and the icons."""
import math

from canvas import Canvas, View, fill, egg, ellipse, triangle, segment, both, lit, ramp
from palette import (WHITE, W0, W1, B0, CHEEK, E0, E1, E2, E3, H0, H1, H2, H3, R0, R1, R2, J3, J4)

FRAME = 32
FRAMES = 16
CX, CY, A, B, K = 16.0, 17.0, 9.5, 10.5, 0.08  # the egg body, in 32 px frame units

# Hair spikes as (root angle, length, tip angle) in degrees around the crown; 0 points right, -90 up.
SPIKES = {
    "down": [(-160, 10.0, -168), (-128, 11.0, -132), (-92, 12.0, -95), (-55, 11.0, -50), (-22, 10.0, -12)],
    "side": [(-185, 10.0, -196), (-152, 11.5, -162), (-120, 12.5, -130), (-88, 12.0, -100), (-58, 10.0, -70)],
}

# When he is sad the spikes wilt: locks hang beside his head and the top one flops over (x from centre, y).
LIMP_LOCKS = [
    [(-9.6, 10.8), (-5.0, 6.9), (-11.6, 19.0)],
    [(-7.2, 8.0), (-1.5, 6.3), (-9.8, 15.0)],
    [(9.6, 10.8), (5.0, 6.9), (11.6, 19.0)],
    [(7.2, 8.0), (1.5, 6.3), (9.8, 15.0)],
    [(-2.0, 7.2), (4.0, 6.6), (-6.4, 7.4)],
]


def tooth(u, period=3.6):
    """A triangle wave, 1 at each lock's point and 0 between locks."""
    return 1.0 - 2.0 * abs((u / period) % 1.0 - 0.5)


def rest_pose():
    return {"bob": 0, "sway": 0, "lift": (0, 0), "stride": (3, -3), "hands": (0, 0)}


def walk_pose(facing, k):
    """Frame k (0..7) of the walk: feet alternate, the hands swing against them and the body dips at each step."""
    p = 2 * math.pi * (k + 0.5) / 8  # half a step in, so no frame has the feet stacked
    if facing in ("down", "up"):
        lift = (round(max(0.0, 2 * math.sin(p))), round(max(0.0, -2 * math.sin(p))))
        hands = (round(-1.4 * math.sin(p)), round(1.4 * math.sin(p)))
        sway = 1 if lift[0] == 2 else -1 if lift[1] == 2 else 0
        return {"bob": -1 if max(lift) else 0, "sway": sway, "lift": lift, "stride": (0, 0), "hands": hands}
    stride = round(4 * math.sin(p))
    lift = (round(max(0.0, 2 * math.cos(p))), round(max(0.0, -2 * math.cos(p))))
    return {"bob": -1 if max(lift) else 0, "sway": 0, "lift": lift, "stride": (stride, -stride),
            "hands": (round(2 * math.sin(p)), -round(2 * math.sin(p)))}


def body_colour(cx, cy):
    def colour(u, v):
        t = (v - cy) / B
        nx = (u - cx) / (A * (1 + K * t))
        # Tone rings around a highlight point give a rounder read than a straight light terminator.
        d = math.hypot(nx + 0.38, t + 0.42)
        return E3 if d < 0.5 else E2 if d < 1.12 else E1
    return colour


def hair_colour(cx, cy):
    def colour(u, v):
        nx, ny = max(-1.0, min(1.0, (u - cx) / 11)), max(-1.0, min(1.0, (v - cy) / 11))
        return ramp(lit(nx, ny), [H3, H2, H1], [0.84, 0.3, -9])
    return colour


def glove_colour(cx, cy, r):
    return lambda u, v: ramp(lit((u - cx) / r, (v - cy) / r), [WHITE, W1], [0.6, -9])


def shoe_colour(cy, far=False):
    return lambda u, v: R1 if far or v > cy + 0.3 else R2


def spike(cx, cy, root, length, tip):
    r0, half = 5.6, 2.9
    ra, ta = math.radians(root), math.radians(tip)
    bx, by = cx + r0 * math.cos(ra), cy + r0 * math.sin(ra)
    px, py = -math.sin(ra) * half, math.cos(ra) * half
    return triangle((bx + px, by + py), (bx - px, by - py), (cx + length * math.cos(ta), cy + length * math.sin(ta)))


def draw_figure(cv, view, facing="down", pose=None, mood="happy"):
    """facing is down (towards the viewer), up (away) or right; left is drawn by mirroring right."""
    pose = pose or rest_pose()
    ow = max(1, round(view.s * 0.45))
    cx, cy = CX + pose["sway"], CY + pose["bob"]
    crown = (cx - (1 if facing == "right" else 0), 13 + pose["bob"])

    def part(shape, colour, outline):
        fill(cv, view, shape, colour, outline, ow)

    def foot(x, lift, far=False):
        fy = 28.6 - lift
        part(ellipse(x, fy, 3.6 if facing == "right" else 3.3, 2.1), shoe_colour(fy, far), R0)

    if facing == "right":
        foot(CX + 1 + pose["stride"][1], pose["lift"][1], far=True)
        # Seen from the side the far hand peeks out in front of the belly, behind the body.
        if not pose.get("push"):
            part(ellipse(cx + 9.3 + pose["hands"][1], 21.1 + pose["bob"], 2.3, 2.3), W1, W0)
    else:
        foot(11.6, pose["lift"][0])
        foot(20.4, pose["lift"][1])
    part(egg(cx, cy, A, B, K), body_colour(cx, cy), E0)

    # Hair: a cap over the head whose lower edge is cut into locks, plus the spikes on the crown.
    if facing == "down":
        edge = lambda u: 9.4 + pose["bob"] + 0.05 * (u - cx) ** 2 + 1.9 * tooth(u - cx + 1.8)
        if mood == "sad":
            edge = lambda u: 8.8 + pose["bob"] + 0.045 * (u - cx) ** 2 + 2.2 * tooth(u - cx + 1.5, 3.0)
    elif facing == "up":
        edge = lambda u: 17.5 + pose["bob"] - 0.03 * (u - cx) ** 2 + 1.6 * tooth(u - cx + 1.8)
    else:
        edge = lambda u: 9.2 + pose["bob"] - 0.5 * (u - cx) + 0.025 * (u - cx) ** 2 + 1.5 * tooth(u - cx, 3.2)
    cap = both(egg(cx, cy, A + 0.3, B + 0.3, K), lambda u, v: v < edge(u))
    if mood == "sad":
        spikes = [triangle(*[(cx + x, y + pose["bob"]) for x, y in lock]) for lock in LIMP_LOCKS]
    else:
        spikes = [spike(*crown, *s) for s in SPIKES["side" if facing == "right" else "down"]]
    hair = hair_colour(crown[0], 12 + pose["bob"])
    if facing == "up":
        # From behind, a darker line above each lock keeps the hair from reading as a helmet.
        shade = hair
        hair = lambda u, v: H1 if v > edge(u) - 4.5 and abs(tooth(u - cx + 1.8) - 1.0) < 0.3 else shade(u, v)
    part(lambda u, v: cap(u, v) or any(s(u, v) for s in spikes), hair, H0)

    if facing == "down":
        face(cv, view, cx, cy, mood)
    elif facing == "right":
        side_face(cv, view, cx, cy)

    hand_y = 19.6 + pose["bob"]
    if mood == "sad":
        hand_y += 2.5  # arms hang low when he is miserable
    def hand(x, y, r=2.3):
        part(ellipse(x, y, r, r), glove_colour(x, y, r), W0)

    if facing == "right":
        if pose.get("push"):
            hand(cx + 9.8, hand_y - 2.4, 2.7)  # pushing: both hands flat against whatever is in front
            hand(cx + 9.2, hand_y + 2.6, 2.7)
        else:
            hand(cx - 8.6 + pose["hands"][0], hand_y + 1.5)
        foot(CX + 1 + pose["stride"][0], pose["lift"][0])
    else:
        hand(cx - 9.2, hand_y + pose["hands"][0])
        hand(cx + 9.2, hand_y + pose["hands"][1])


def dots(cv, view, points, colour, dx, dy):
    """Places single pixels at frame coordinates; at sprite size features are too small for shapes."""
    for x, y in points:
        px, py = view.to_pixel(x + dx, y + dy)
        cv.set(int(px), int(py), colour)


def face(cv, view, cx, cy, mood):
    dx, dy = round(cx - CX), round(cy - CY)
    if view.s < 1.5:
        for ex in (12, 18):
            dots(cv, view, [(ex, 13), (ex + 1, 13), (ex, 14), (ex + 1, 14), (ex, 15), (ex + 1, 15)], B0, dx, dy)
            dots(cv, view, [(ex, 13)], WHITE, dx, dy)
        dots(cv, view, [(10, 17), (11, 17), (20, 17), (21, 17)], CHEEK, dx, dy)
        dots(cv, view, [(14, 17), (15, 18), (16, 18), (17, 17)], E0, dx, dy)
        return
    ow = max(1, round(view.s * 0.3))
    if mood == "sad":
        for side in (-1, 1):
            fill(cv, view, segment((cx + side * 5.0, cy - 3.7), (cx + side * 1.9, cy - 5.4), 0.36), E0, None)
            fill(cv, view, ellipse(cx + side * 3.1, cy - 1.8, 1.3, 1.65), B0, None)
            fill(cv, view, ellipse(cx + side * 3.1 + 0.35, cy - 2.4, 0.58, 0.62), WHITE, None)
            fill(cv, view, ellipse(cx + side * 2.6, cy - 1.1, 0.33, 0.33), WHITE, None)
            tear_x = cx + side * 3.9
            fill(cv, view, segment((tear_x, cy - 0.2), (tear_x + side * 0.3, cy + 2.6), 0.38), J3, None)
            fill(cv, view, ellipse(tear_x + side * 0.35, cy + 3.1, 0.62, 0.8), J3, J4 if ow == 1 else None)
        ring = lambda u, v: 1.25 < math.hypot(u - cx, (v - cy - 4.6) * 1.2) < 1.95 and v < cy + 4.2
        fill(cv, view, ring, E0, None)
        return
    for side in (-1, 1):
        fill(cv, view, ellipse(cx + side * 3.1, cy - 2.3, 1.1, 1.7), B0, None)
        fill(cv, view, ellipse(cx + side * 3.1 - 0.35, cy - 3.0, 0.42, 0.5), WHITE, None)
        fill(cv, view, ellipse(cx + side * 5.2, cy + 0.6, 1.3, 0.65), CHEEK, None)
    ring = lambda u, v: 1.25 < math.hypot(u - cx, (v - cy + 0.1) * 1.15) < 1.95 and v > cy + 0.3
    fill(cv, view, ring, E0, None)


def side_face(cv, view, cx, cy):
    dx, dy = round(cx - CX), round(cy - CY)
    dots(cv, view, [(21, 13), (22, 13), (21, 14), (22, 14), (21, 15), (22, 15)], B0, dx, dy)
    dots(cv, view, [(22, 13)], WHITE, dx, dy)
    dots(cv, view, [(23, 17), (24, 17)], CHEEK, dx, dy)
    dots(cv, view, [(22, 18), (23, 19), (24, 19)], E0, dx, dy)


def frame(facing, pose, mood="happy"):
    cv = Canvas(FRAME, FRAME)
    draw_figure(cv, View(), "right" if facing == "left" else facing, pose, mood)
    return cv.flipped() if facing == "left" else cv


def strip(facing):
    """Frame 0 stands still, 1..8 walk, and the unused tail repeats the resting frame."""
    frames = [frame(facing, rest_pose())] + [frame(facing, walk_pose(
        "right" if facing == "left" else facing, k)) for k in range(8)]
    frames += [frames[0]] * (FRAMES - len(frames))
    cv = Canvas(FRAME * FRAMES, FRAME)
    for i, f in enumerate(frames):
        cv.blit(f, i * FRAME, 0, skip_black=False)
    return cv


def sad():
    cv = Canvas(112, 157)
    s = 4.6
    view = View(s, 56 - CX * s, 143 - 31 * s)
    # A little puddle of tears under his feet.
    fill(cv, view, ellipse(CX, 30.3, 12.5, 1.6), J3, (20, 60, 130))
    draw_figure(cv, view, "down", rest_pose(), "sad")
    return cv
