#!/usr/bin/env python3
"""Writes the two assets that are computed rather than drawn by hand:

  click.wav  the click played at the end of every search: a RIFF/WAVE image
             of 211 unsigned 8-bit mono samples at 22050 Hz, 256 bytes in
             all (the odd data chunk takes one pad byte). The samples are a
             fast-decaying 2.5 kHz tick around the midpoint 128 whose swing
             reaches exactly 160 above and 89 below.
  icon.xpm   the program icon, 32 x 32: the four centre discs of a new game
             on a green board.

Run it from anywhere; it writes next to itself. The output is deterministic,
so running it again leaves the committed files unchanged.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

RATE = 22050
SAMPLES = 211
LOW, HIGH, MID = 89, 160, 128


def click_samples():
    raw = []
    for n in range(SAMPLES):
        t = n / RATE
        envelope = math.exp(-n / 28.0)
        raw.append(envelope * math.sin(2 * math.pi * 2500.0 * t + 0.9))
    top = max(raw)
    bottom = -min(raw)
    out = []
    for v in raw:
        # Scale each half on its own so the extremes land on the bounds.
        s = MID + (v / top * (HIGH - MID) if v >= 0 else v / bottom * (MID - LOW))
        out.append(min(HIGH, max(LOW, int(round(s)))))
    return bytes(out)


def wave_image(samples):
    data = samples + (b"\x00" if len(samples) % 2 else b"")
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)  # PCM, mono, 8-bit
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(samples)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def icon_xpm():
    size = 32
    colours = {"g": "#008000", "d": "#004000", "k": "#000000", "w": "#FFFFFF"}
    rows = [["g"] * size for _ in range(size)]
    for i in range(size):  # a dark frame around the board
        rows[0][i] = rows[size - 1][i] = rows[i][0] = rows[i][size - 1] = "d"
    for i in range(1, size - 1):  # the grid lines through the centre
        rows[15][i] = rows[16][i] = "d"
        rows[i][15] = rows[i][16] = "d"
    discs = [(8, 8, "w"), (24, 8, "k"), (8, 24, "k"), (24, 24, "w")]
    radius = 6.4
    inside = lambda x, y, cx, cy: math.hypot(x - cx + 0.5, y - cy + 0.5) <= radius
    for cx, cy, fill in discs:
        for y in range(size):
            for x in range(size):
                if not inside(x, y, cx, cy):
                    continue
                rim = any(not inside(x + dx, y + dy, cx, cy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                rows[y][x] = "k" if rim else fill  # a black rim, which shows on the white discs
    lines = ['"%d %d %d 1",' % (size, size, len(colours))]
    lines += ['"%s c %s",' % (k, v) for k, v in colours.items()]
    lines += ['"%s",' % "".join(r) for r in rows]
    lines[-1] = lines[-1][:-1] + "};"
    return "/* XPM */\n/* Program icon: the opening position. Written by make_assets.py. */\n" \
        "static const char* const icon_xpm[] = {\n" + "\n".join(lines) + "\n"


def main():
    image = wave_image(click_samples())
    assert len(image) == 256, len(image)
    with open(os.path.join(HERE, "click.wav"), "wb") as f:
        f.write(image)
    with open(os.path.join(HERE, "icon.xpm"), "w") as f:
        f.write(icon_xpm())


if __name__ == "__main__":
    main()
