"""Writes the sound that the music tests play: 0.4 s of a 440 Hz tone."""
import math
import struct
import sys
import wave

RATE = 22050
SECONDS = 0.4

with wave.open(sys.argv[1], "wb") as sound:
    sound.setnchannels(1)
    sound.setsampwidth(2)
    sound.setframerate(RATE)
    tone = (int(12000 * math.sin(2 * math.pi * 440 * i / RATE)) for i in range(int(RATE * SECONDS)))
    sound.writeframes(b"".join(struct.pack("<h", sample) for sample in tone))
