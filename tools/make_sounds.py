#!/usr/bin/env python3
"""Synthesises the program's nine sounds into resources/sounds/<NAME>.wav.

Mono, 16-bit, 22050 Hz; every sound has a short fade-in and fade-out so that nothing
clicks. The output is deterministic: running the script again gives the same files.
"""
import math
import os
import struct
import wave

RATE = 22050
PEAK = 0.6          # headroom below full scale
FADE_IN_S = 0.003   # fade-in length
FADE_OUT_S = 0.02   # fade-out length


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def tone(freq, seconds, partials=((1, 1.0),), decay=0.0, sweep_to=None):
    """A tone of the given partials (multiple, weight), optionally decaying exponentially
    (decay in 1/s) and sweeping linearly in pitch to sweep_to."""
    n = int(RATE * seconds)
    out = []
    phase = 0.0
    total = sum(w for _, w in partials)
    for i in range(n):
        t = i / RATE
        f = freq if sweep_to is None else freq + (sweep_to - freq) * i / max(1, n - 1)
        phase += 2 * math.pi * f / RATE
        v = sum(w * math.sin(m * phase) for m, w in partials) / total
        out.append(v * math.exp(-decay * t))
    return out


def mix(base, layer, offset_s):
    start = int(RATE * offset_s)
    need = start + len(layer)
    if len(base) < need:
        base = base + [0.0] * (need - len(base))
    for i, v in enumerate(layer):
        base[start + i] += v
    return base


def fade(samples):
    n = len(samples)
    out = list(samples)
    k_in = min(n, max(1, int(RATE * FADE_IN_S)))
    for i in range(k_in):
        out[i] *= i / k_in
    k_out = min(n, max(1, int(RATE * FADE_OUT_S)))
    for i in range(k_out):
        # raised-cosine tail: smooth down to exactly zero at the last sample
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / k_out)
    return out


def normalise(samples):
    top = max(abs(v) for v in samples) or 1.0
    return [v * PEAK / top for v in samples]


BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.05))
SOFT = ((1, 1.0), (2, 0.2))
BUZZ = ((1, 1.0), (3, 0.5), (5, 0.3), (7, 0.18), (9, 0.1))


def note(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


def but_click():
    # Start-up chime: two bell notes a fifth apart, the second overlapping the first.
    s = tone(note(79), 0.36, BELL, decay=9)
    return mix(s, tone(note(84), 0.24, BELL, decay=11), 0.12)


def click():
    # Correct click: a short high tick.
    return tone(2400, 0.045, ((1, 1.0), (1.5, 0.3)), decay=90)


def error():
    # Wrong click: a low buzz.
    return tone(110, 0.2, BUZZ, decay=6)


def n3():
    # A neutral blip.
    return tone(660, 0.09, SOFT, decay=25)


def rec_in():
    # New best result: a rising arpeggio C-E-G-C.
    s = []
    for i, m in enumerate((72, 76, 79, 84)):
        s = mix(s, tone(note(m), 0.16 if i < 3 else 0.18, BELL, decay=12), 0.07 * i)
    return s


def t_go():
    # Go: a bright upward sweep.
    return tone(620, 0.25, SOFT, decay=4, sweep_to=1240)


def t_show():
    # A target shows: a short high pip.
    return tone(1568, 0.06, ((1, 1.0),), decay=30)


def t_yes():
    # A hit: two quick ascending notes.
    return mix(tone(note(81), 0.08, SOFT, decay=20), tone(note(88), 0.1, SOFT, decay=18), 0.065)


def t_no():
    # A miss: two falling low notes.
    return mix(tone(note(52), 0.11, BUZZ, decay=10), tone(note(47), 0.15, BUZZ, decay=10), 0.1)


SOUNDS = {
    "BUT_CLICK": but_click,
    "CLICK": click,
    "ERROR": error,
    "N3": n3,
    "REC_IN": rec_in,
    "T_GO": t_go,
    "T_SHOW": t_show,
    "T_YES": t_yes,
    "T_NO": t_no,
}


def write(path, samples):
    frames = b"".join(struct.pack("<h", int(round(v * 32767))) for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = os.path.join(root, "resources", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, make in SOUNDS.items():
        samples = fade(normalise(make()))
        write(os.path.join(folder, name + ".wav"), samples)
        print(f"{name}.wav  {len(samples) * 1000 // RATE} ms")


if __name__ == "__main__":
    main()
