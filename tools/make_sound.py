#!/usr/bin/env python3
"""Synthesises about.wav: a soft three-note kitchen-bell chime.

usage: make_sound.py OUT_PATH

22050 Hz, 16-bit mono, about 2.2 seconds. Each note is a small bell: a few
slightly inharmonic partials with exponential decay, a short fade-in so that
no note starts with a click, and a gentle fade-out at the end of the file.
"""
import math
import struct
import sys
import wave

RATE = 22050
DURATION = 2.2          # seconds
PEAK = 0.7              # of full scale, after normalising
ATTACK = 0.006          # seconds of fade-in per note
TAIL_FADE = 0.25        # seconds of fade-out at the end of the file

# (start in seconds, fundamental in Hz, loudness) – E6, C6, G5 (a falling major
# triad, like a small bell on the kitchen counter)
NOTES = (
    (0.00, 1318.51, 1.00),
    (0.28, 1046.50, 0.90),
    (0.56, 783.99, 1.00),
)

# (frequency ratio, relative amplitude, decay time constant in seconds)
PARTIALS = (
    (1.00, 1.00, 0.70),
    (2.01, 0.35, 0.35),
    (2.76, 0.18, 0.22),
    (4.07, 0.08, 0.12),
)


def note_sample(t, freq, loud):
    """The value of one note at t seconds after it was struck."""
    if t < 0:
        return 0.0
    value = 0.0
    for ratio, amp, tau in PARTIALS:
        f = freq * ratio
        if f >= RATE / 2:
            continue
        value += amp * math.exp(-t / tau) * math.sin(2 * math.pi * f * t)
    if t < ATTACK:
        value *= 0.5 - 0.5 * math.cos(math.pi * t / ATTACK)
    return loud * value


def synthesise():
    count = int(RATE * DURATION)
    samples = []
    for n in range(count):
        t = n / RATE
        value = sum(note_sample(t - start, freq, loud) for start, freq, loud in NOTES)
        left = DURATION - t
        if left < TAIL_FADE:
            value *= left / TAIL_FADE
        samples.append(value)
    top = max(abs(v) for v in samples) or 1.0
    scale = PEAK / top
    return [v * scale for v in samples]


def write_wav(path, samples):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(v * 32767))))) for v in samples
    )
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    write_wav(sys.argv[1], synthesise())


if __name__ == "__main__":
    main()
