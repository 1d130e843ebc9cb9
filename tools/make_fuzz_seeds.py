#!/usr/bin/env python3
"""Writes the seed bitmaps of the snapshot reader's fuzzer: small 24-bit
pictures with and without row padding, and the kinds the viewer must refuse."""
import pathlib
import struct
import sys


def bitmap(width, height, depth=24, compression=0, cut=0, offset=54):
    stride = (depth * width + 31) // 32 * 4
    pixels = bytes(i * 37 % 256 for i in range(stride * abs(height)))
    header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, offset)
    info = struct.pack("<iiiHHIIiiII", 40, width, height, 1, depth, compression,
                       len(pixels), 2835, 2835, 0, 0)
    whole = header + info + pixels
    return whole[:len(whole) - cut]


SEEDS = {
    "one_pixel.bmp": bitmap(1, 1),
    "width3_padded.bmp": bitmap(3, 2),
    "width5_padded.bmp": bitmap(5, 3),
    "square16.bmp": bitmap(16, 16),
    "eight_bit.bmp": bitmap(4, 4, depth=8),
    "compressed.bmp": bitmap(4, 4, compression=1),
    "truncated.bmp": bitmap(4, 4, cut=5),
    "top_down.bmp": bitmap(4, -4),
    "odd_offset.bmp": bitmap(2, 2, offset=1078),
}

if __name__ == "__main__":
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "tests/fuzz/corpus")
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (folder / name).write_bytes(data)
