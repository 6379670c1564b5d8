#!/usr/bin/env python3
"""Synthesise the bundled sound effects of Ulvendo.

Writes three short 16-bit mono PCM files (22050 Hz) into the data folder:

  hit.wav     rising two-tone chime played after a correct answer (~0.3 s)
  out.wav     low descending buzz played after a wrong answer (~0.35 s)
  finish.wav  bright arpeggio played when a whole drill was answered right (~1 s)

Only the Python standard library is used, so the files can be regenerated
anywhere:  python3 tools/make_sounds.py [output-folder]
The default output folder is ../data relative to this script.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050          # samples per second
PEAK = 0.5            # peak level relative to full scale (moderate volume)
FADE_IN = 0.004       # seconds of linear fade at the very start
FADE_OUT = 0.025      # seconds of linear fade at the very end


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buffer, start_seconds, samples):
    """Add samples into buffer starting at start_seconds, growing it if needed."""
    start = int(round(start_seconds * RATE))
    end = start + len(samples)
    if end > len(buffer):
        buffer.extend([0.0] * (end - len(buffer)))
    for i, value in enumerate(samples):
        buffer[start + i] += value


def bell(freq, seconds, decay=6.0, attack=0.005, partials=((1.0, 1.0), (2.0, 0.35), (3.0, 0.12))):
    """A soft bell-like tone: a few harmonics under an exponential decay."""
    n = int(round(seconds * RATE))
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t)
        if t < attack:
            env *= t / attack
        value = 0.0
        for ratio, amp in partials:
            value += amp * math.sin(2.0 * math.pi * freq * ratio * t)
        out.append(value * env)
    return out


def buzz(freq_start, freq_end, seconds):
    """A low, slightly rough tone gliding downwards (band-limited square-ish wave)."""
    n = int(round(seconds * RATE))
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        frac = t / seconds
        freq = freq_start * (freq_end / freq_start) ** frac
        phase += 2.0 * math.pi * freq / RATE
        value = 0.0
        for k in (1, 3, 5, 7):
            value += math.sin(k * phase) / k
        # a gentle 30 Hz wobble makes it sound like a soft "bzz"
        value *= 0.8 + 0.2 * math.sin(2.0 * math.pi * 30.0 * t)
        env = 1.0 - 0.35 * frac
        out.append(value * env)
    return out


def normalise(samples, peak=PEAK):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def fade(samples):
    n = len(samples)
    fin = max(1, int(FADE_IN * RATE))
    fout = max(1, int(FADE_OUT * RATE))
    out = list(samples)
    for i in range(min(fin, n)):
        out[i] *= i / fin
    for i in range(min(fout, n)):
        out[n - 1 - i] *= i / fout
    return out


def write_wav(path, samples):
    samples = fade(normalise(samples))
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(s * 32767)))))
        for s in samples
    )
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def make_hit():
    buf = silence(0.30)
    mix_into(buf, 0.00, bell(880.00, 0.30, decay=9.0))    # A5
    mix_into(buf, 0.09, bell(1318.51, 0.21, decay=9.0))   # E6, a fifth higher
    return buf[: int(0.30 * RATE)]


def make_out():
    return buzz(196.0, 130.8, 0.35)                        # G3 sliding down to C3


def make_finish():
    buf = silence(1.0)
    notes = [523.25, 659.26, 783.99]                       # C5 E5 G5
    for i, freq in enumerate(notes):
        mix_into(buf, i * 0.11, bell(freq, 0.45, decay=7.0))
    # final chord: high C with the triad ringing under it
    start = len(notes) * 0.11
    length = 1.0 - start
    mix_into(buf, start, bell(1046.50, length, decay=3.5))
    mix_into(buf, start, [0.45 * s for s in bell(783.99, length, decay=4.0)])
    mix_into(buf, start, [0.35 * s for s in bell(659.26, length, decay=4.5)])
    return buf[: int(1.0 * RATE)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data")
    os.makedirs(target, exist_ok=True)
    for name, maker in (("hit.wav", make_hit), ("out.wav", make_out), ("finish.wav", make_finish)):
        path = os.path.join(target, name)
        write_wav(path, maker())
        print("wrote", os.path.normpath(path))


if __name__ == "__main__":
    main()
