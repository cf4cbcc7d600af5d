#!/usr/bin/env python3
"""Looks at a screenshot's pixels, for the end-to-end tests.

  pixels.py frame IMAGE SCALE RRGGBB X Y W H
      The frame line of colour RRGGBB around the rectangle X Y W H (logical pixels of the
      window, as the design gives them): each of its four sides must be drawn, a whole
      line of device pixels near where the scale puts that side. Prints the missing sides.
  pixels.py count IMAGE SCALE RRGGBB X Y W H
      Prints how many device pixels in the rectangle are within a small distance of RRGGBB.
"""
import subprocess
import sys


def load(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:  # P6, width, height, maxval
        while ppm[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, ppm[pos + 1:]


def near(data, width, x, y, colour, tolerance):
    i = 3 * (y * width + x)
    return all(abs(data[i + k] - colour[k]) <= tolerance for k in range(3))


def main():
    mode, path, scale, colour = sys.argv[1], sys.argv[2], float(sys.argv[3]), bytes.fromhex(sys.argv[4])
    x, y, w, h = (int(float(v) * scale + 0.5) for v in sys.argv[5:9])
    width, height, data = load(path)
    if mode == "count":
        print(sum(near(data, width, i, j, colour, 48) for j in range(y, min(y + h, height)) for i in range(x, min(x + w, width))))
        return 0

    # A side is drawn when one line of pixels within two of its place has the colour along
    # nine tenths of the side's middle part (the corners may be rounded or blended).
    def drawn(horizontal, place, start, length):
        margin = max(length // 10, 3)
        inner = range(start + margin, start + length - margin)
        for line in range(place - 2, place + 3):
            points = [(i, line) if horizontal else (line, i) for i in inner]
            inside = [(a, b) for a, b in points if 0 <= a < width and 0 <= b < height]
            if inside and sum(near(data, width, a, b, colour, 24) for a, b in inside) >= 0.9 * len(points):
                return True
        return False

    sides = {"top": drawn(True, y, x, w), "bottom": drawn(True, y + h - 1, x, w),
             "left": drawn(False, x, y, h), "right": drawn(False, x + w - 1, y, h)}
    missing = [name for name, ok in sides.items() if not ok]
    print(" ".join(missing))
    return 1 if missing else 0


sys.exit(main())
