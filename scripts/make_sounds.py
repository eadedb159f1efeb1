#!/usr/bin/env python3
"""Synthesises the game's two sounds as 16-bit mono PCM WAV files.

  np1.wav  palette pick: a 1200 Hz sine blip, 80 ms, 2 ms attack and an
           exponential decay.
  np2.wav  puzzle solved: a rising C-major arpeggio, notes at 523.25, 659.26,
           783.99 and 1046.50 Hz (C5 E5 G5 C6) starting 0.12 s apart, 0.80 s
           in all, each note a sine with a little second harmonic.

The two have no frequency in common (np2's second harmonics sit at 1047,
1319, 1568 and 2093 Hz), so each can be told apart by its spectrum. Both
peak at -6 dBFS and start and end at silence so nothing clicks. There is no
randomness: rerunning the script rewrites the same bytes.

  scripts/make_sounds.py [ASSETS_DIR]     (default: the repository's assets/)
"""
import math
import os
import struct
import sys
import wave

RATE = 44100
PEAK = 10 ** (-6 / 20)  # -6 dBFS
FADE_IN = 0.004  # seconds of raised-cosine fade at the start


def ramp(t, length):
    """Raised-cosine rise from 0 at t=0 to 1 at t=length."""
    if t >= length:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * t / length)


def pick():
    duration, freq = 0.080, 1200.0
    samples = []
    for i in range(int(duration * RATE)):
        t = i / RATE
        envelope = ramp(t, 0.002) * math.exp(-t / 0.018)
        samples.append(envelope * math.sin(2 * math.pi * freq * t))
    return samples


def solved():
    duration, spacing = 0.80, 0.12
    notes = [523.25, 659.26, 783.99, 1046.50]
    samples = [0.0] * int(duration * RATE)
    for n, freq in enumerate(notes):
        start = n * spacing
        # Later notes ring longer, so the chord blooms and the top C is the
        # note the ear keeps.
        decay = 0.12 + 0.02 * n
        for i in range(int(start * RATE), len(samples)):
            t = i / RATE - start
            envelope = ramp(t, 0.008) * math.exp(-t / decay)
            phase = 2 * math.pi * freq * t
            samples[i] += envelope * (math.sin(phase) + 0.18 * math.sin(2 * phase))
    return samples


def finish(samples, fade_out):
    """Scales to the target peak and fades both ends to exact silence; the
    tail fade is long enough that a still-ringing note dies away rather than
    being cut off."""
    n = len(samples)
    head, tail = int(FADE_IN * RATE), int(fade_out * RATE)
    for i in range(head):
        samples[i] *= ramp(i, head)
    for i in range(tail):
        samples[n - 1 - i] *= ramp(i, tail)
    top = max(abs(s) for s in samples)
    return [round(s / top * PEAK * 32767) for s in samples]


def write(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    assets = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(assets, exist_ok=True)
    write(os.path.join(assets, "np1.wav"), finish(pick(), 0.004))
    write(os.path.join(assets, "np2.wav"), finish(solved(), 0.15))


if __name__ == "__main__":
    main()
