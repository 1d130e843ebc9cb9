#!/usr/bin/env python3
"""Writes the seed inputs of the fuzzers, one folder each under FOLDER
(default tests/fuzz/corpus):

- snapshot_bitmap: small 24-bit pictures with and without row padding, and
  the kinds the viewer must refuse;
- settings: settings files as LoadSettings meets them, in the fuzzer's own
  form (see settings_file);
- numeric_literal: numbers as typed or hand-edited, in every form and at
  the edges of the double;
- command_line: the saver's argument strings as Windows and users give
  them: what follows the program's path, which the fuzzer puts before each
  seed itself.
"""
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


def settings_file(kind, repeat, file, exists=True):
    """The three values as FuzzedDataProvider reads them back: the first two
    each end at a backslash followed by another byte (a backslash is written
    twice), the file takes the rest, and the last byte says whether the file
    is there."""
    def string(value):
        return value.replace(b"\\", b"\\\\") + b"\\;"
    return string(kind) + string(repeat) + file + bytes([1 if exists else 0])


JAPANESE_MUSIC = "C:\\音楽\\曲.mp3".encode("cp932")

SEEDS = {
    "snapshot_bitmap": {
        "one_pixel.bmp": bitmap(1, 1),
        "width3_padded.bmp": bitmap(3, 2),
        "width5_padded.bmp": bitmap(5, 3),
        "square16.bmp": bitmap(16, 16),
        "eight_bit.bmp": bitmap(4, 4, depth=8),
        "compressed.bmp": bitmap(4, 4, compression=1),
        "truncated.bmp": bitmap(4, 4, cut=5),
        "top_down.bmp": bitmap(4, -4),
        "odd_offset.bmp": bitmap(2, 2, offset=1078),
    },
    "settings": {
        "cd_track_five": settings_file(b" 1", b" 5", b""),
        "music_file": settings_file(b" 2", b" 0", b"C:\\Music\\a.mp3"),
        "music_file_gone": settings_file(b" 2", b" 0", b"C:\\Music\\a.mp3", exists=False),
        "japanese_folder": settings_file(b" 2", b" 0", JAPANESE_MUSIC),
        "drive_root": settings_file(b"2", b"", b"C:\\a.wav"),
        "hand_edited": settings_file(b"&H2", b"1.9E1", b"\\\\server\\share\\a.mp3"),
        "out_of_range": settings_file(b"32768", b"-32769", b"a.mp3"),
        "lead_byte_last": settings_file(b"\x82", b"1\x82", b"C:\\\x82"),
    },
    "numeric_literal": {
        "whole": b"1234",
        "blanks": b" 1 2\t3\n4",
        "fraction": b"-1.9",
        "half": b"2.5",
        "exponent": b"1.234E3",
        "d_exponent": b"1D-5",
        "hexadecimal": b"&HFFFF",
        "octal": b"&o777",
        "largest": b"1.7976931348623157E308",
        "overflow": b"1E309",
        "smallest": b"4.9E-324",
        "long_mantissa": b"0.1000000000000000055511151231257827021181583404541015625",
        "trailing_text": b"12 apples",
    },
    "command_line": {
        "run": b"/s",
        "run_upper_case": b"/S",
        "settings": b"/c:1234",
        "settings_alone": b"/c",
        "preview": b"/p 1234",
        "preview_hexadecimal": b"/p:&H4D2",
        "japanese_first": b"\x82\x73p:1234",
        "no_arguments": b"",
    },
}


if __name__ == "__main__":
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "tests/fuzz/corpus")
    for target, seeds in SEEDS.items():
        folder = root / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)
