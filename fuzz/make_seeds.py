#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into <out>/<target>/.

Seeds are small valid inputs of every kind each reader knows, so the
fuzzer starts from deep inside the formats instead of guessing magic
numbers: bitmaps of every depth and compression, saved games of a new,
a running and a finished career, and settings stores.
"""
import os
import struct
import sys


def bmp(width, height, bpp, pixel_rows, palette=b"", compression=0, masks=b"",
        top_down=False, header_size=40, colors_used=0):
    """A BMP file; pixel_rows is the already encoded pixel array."""
    if header_size == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    else:
        info = struct.pack("<IiiHHIIiiII", header_size, width,
                           -height if top_down else height, 1, bpp,
                           compression, len(pixel_rows), 2835, 2835,
                           colors_used, 0)
        info += masks
        info += b"\0" * (header_size - len(info)) if header_size > len(info) else b""
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixel_rows), 0, 0, offset)
    return head + info + palette + pixel_rows


def rows(width, height, bpp, value):
    stride = ((width * bpp + 31) // 32) * 4
    out = b""
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            v = value(x, y)
            if bpp == 1:
                row[x // 8] |= (v & 1) << (7 - x % 8)
            elif bpp == 4:
                row[x // 2] |= (v & 15) << (4 if x % 2 == 0 else 0)
            elif bpp == 8:
                row[x] = v & 255
            elif bpp == 16:
                row[2 * x:2 * x + 2] = struct.pack("<H", v & 0xFFFF)
            elif bpp == 24:
                row[3 * x:3 * x + 3] = struct.pack("<I", v)[:3]
            elif bpp == 32:
                row[4 * x:4 * x + 4] = struct.pack("<I", v)
        out += bytes(row)
    return out


def palette(n, entry=4):
    return b"".join(bytes([i * 37 % 256, i * 91 % 256, i * 13 % 256]) + b"\0" * (entry - 3)
                    for i in range(n))


def bitmaps():
    w, h = 7, 5
    pattern = lambda x, y: (x * 3 + y * 5) % 4
    yield "p1", bmp(w, h, 1, rows(w, h, 1, pattern), palette(2))
    yield "p4", bmp(w, h, 4, rows(w, h, 4, pattern), palette(16))
    yield "p8", bmp(w, h, 8, rows(w, h, 8, pattern), palette(256))
    yield "p8used", bmp(w, h, 8, rows(w, h, 8, pattern), palette(4), colors_used=4)
    yield "core8", bmp(w, h, 8, rows(w, h, 8, pattern), palette(256, 3), header_size=12)
    yield "rgb16", bmp(w, h, 16, rows(w, h, 16, lambda x, y: x * 1000 + y))
    yield "rgb24", bmp(w, h, 24, rows(w, h, 24, lambda x, y: (x * 40) << 16 | y * 50))
    yield "rgb32", bmp(w, h, 32, rows(w, h, 32, lambda x, y: x * 0x010203 + y))
    yield "topdown24", bmp(w, h, 24, rows(w, h, 24, lambda x, y: x * y * 999), top_down=True)
    yield "fields16", bmp(w, h, 16, rows(w, h, 16, lambda x, y: x << 11 | y << 5),
                          compression=3, masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F))
    yield "fields32v5", bmp(w, h, 32, rows(w, h, 32, lambda x, y: x << 16 | y),
                            compression=3, header_size=124,
                            masks=struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000))
    # RLE8: a run, a literal, a delta, end of line, end of bitmap.
    rle8 = bytes([3, 1, 0, 3, 2, 3, 4, 0, 0, 2, 1, 1, 0, 0, 5, 7, 0, 0, 2, 9, 0, 1])
    yield "rle8", bmp(w, h, 8, rle8, palette(256), compression=1)
    rle4 = bytes([4, 0x12, 0, 4, 0x34, 0x56, 0, 0, 3, 0x77, 0, 1])
    yield "rle4", bmp(w, h, 4, rle4, palette(16), compression=2)


def save(words):
    return struct.pack("<19i", *words)


def saved_games():
    new = [0] * 17 + [1, 100]
    yield "new", save(new)
    bought = [0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0]
    yield "bought", save(bought)
    running = [0, 3, 12, 2, 1, 2, 0, 1, 0, 0, 2, 150, 45, 120, 80, 30, 10, 8, 77]
    yield "running", save(running)
    finished = [1, 40, 90, 2, 2, 2, 10, 10, 5, 3, 1, 0, 1, 1, 2, 3, 4, 20, 0]
    yield "finished", save(finished)
    yield "short", save(running)[:40]


def stores():
    head = b"korvalo settings 1\n"
    yield "empty", head
    yield "counter", head + b"launchcounter=4:2a000000\n"
    yield "two", head + b"launchcounter=4:07000000\nother=3:0102\n"
    yield "text", head + b"launchcounter=1:31320000\n"


def main():
    out = sys.argv[1]
    for target, seeds in (("bmp_reader", bitmaps()), ("saved_game", saved_games()),
                          ("settings_store", stores())):
        folder = os.path.join(out, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds:
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
