#!/usr/bin/env python3
"""Writes install/tada.wav: a short rising fanfare played for a jackpot line.

Run once by hand when the sound should change; the result is committed.
"""
import math
import struct
import sys
import wave

RATE = 22050


def tone(freqs, seconds, volume=0.35):
    samples = []
    count = int(RATE * seconds)
    for i in range(count):
        t = i / RATE
        # quick attack, gentle decay
        envelope = min(1.0, t / 0.01) * math.exp(-2.5 * t / seconds)
        value = sum(math.sin(2 * math.pi * f * t) + 0.3 * math.sin(4 * math.pi * f * t)
                    for f in freqs) / len(freqs)
        samples.append(volume * envelope * value)
    return samples


def main(path):
    notes = [([523.25], 0.12), ([659.25], 0.12), ([783.99], 0.12),
             ([523.25, 659.25, 783.99, 1046.50], 0.9)]
    samples = []
    for freqs, seconds in notes:
        samples += tone(freqs, seconds)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767))
                                 for s in samples))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "install/tada.wav")
