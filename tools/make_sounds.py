#!/usr/bin/env python3
"""Synthesizes the game's sound effects into resources/custom/1xx.wav
(16-bit PCM, mono, 22050 Hz).  Pure synthesis, fixed random seeds."""

import math
import os
import random
import struct
import wave

RATE = 22050
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'custom')
TAU = 2 * math.pi


def buf(seconds):
    return [0.0] * int(seconds * RATE)


def add(dst, src, at):
    i0 = int(at * RATE)
    for i, v in enumerate(src):
        j = i0 + i
        if 0 <= j < len(dst):
            dst[j] += v


def note_freq(name):
    names = {'C': -9, 'D': -7, 'E': -5, 'F': -4, 'G': -2, 'A': 0, 'B': 2}
    n = names[name[0]]
    rest = name[1:]
    if rest[0] == '#':
        n += 1
        rest = rest[1:]
    elif rest[0] == 'b':
        n -= 1
        rest = rest[1:]
    return 440.0 * 2 ** ((n + 12 * (int(rest) - 4)) / 12.0)


def lowpass(x, cutoff):
    a = 1.0 - math.exp(-TAU * cutoff / RATE)
    y, out = 0.0, []
    for v in x:
        y += a * (v - y)
        out.append(y)
    return out


def highpass(x, cutoff):
    lp = lowpass(x, cutoff)
    return [a - b for a, b in zip(x, lp)]


def resonator(x, freq, q):
    """Two-pole band-pass resonator."""
    r = math.exp(-math.pi * freq / (q * RATE))
    c1, c2 = 2 * r * math.cos(TAU * freq / RATE), -r * r
    y1 = y2 = 0.0
    out = []
    g = (1 - r)
    for v in x:
        y = g * v + c1 * y1 + c2 * y2
        out.append(y)
        y2, y1 = y1, y
    return out


def click(rnd, strength=1.0, pitch=1.0, dur=0.05):
    """One hard little knock: a noise burst through a few body resonances."""
    n = int(dur * RATE)
    burst = [rnd.uniform(-1, 1) * math.exp(-i / (0.0015 * RATE)) for i in range(n)]
    out = [0.0] * n
    for f, q, g in ((1900 * pitch, 14, 1.0), (3300 * pitch, 18, 0.7), (5200 * pitch, 20, 0.45),
                    (900 * pitch, 8, 0.5)):
        for i, v in enumerate(resonator(burst, f * rnd.uniform(0.93, 1.07), q)):
            out[i] += v * g
    env = [math.exp(-i / (dur * 0.28 * RATE)) for i in range(n)]
    return [v * e * strength * 6.0 for v, e in zip(out, env)]


def tone(freq, dur, partials=((1, 1.0),), decay=4.0, attack=0.005, vib=0.0, vib_rate=5.5):
    n = int(dur * RATE)
    out = []
    ph = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = freq * (1 + vib * math.sin(TAU * vib_rate * t))
        s = 0.0
        for k, (m, a) in enumerate(partials):
            ph[k] += TAU * f * m / RATE
            s += a * math.sin(ph[k]) * math.exp(-decay * m ** 0.5 * t)
        env = min(1.0, t / attack) if attack > 0 else 1.0
        env *= min(1.0, (n - i) / (0.03 * RATE))  # gentle release, no click at the end
        out.append(s * env)
    return out


BELL = ((1, 1.0), (2.0, 0.45), (3.0, 0.18), (4.2, 0.12), (5.4, 0.06))
MARIMBA = ((1, 1.0), (3.9, 0.25), (9.2, 0.05))
BRASS = tuple((k, 1.0 / k ** 1.1) for k in range(1, 9))


def fade(x, tail=0.08):
    n = int(tail * RATE)
    L = len(x)
    for i in range(max(0, L - n), L):
        x[i] *= 0.5 * (1 + math.cos(math.pi * (i - (L - n)) / n))
    a = int(0.002 * RATE)
    for i in range(min(a, L)):
        x[i] *= i / a
    return x


def normalize(x, peak=0.7):
    m = max(abs(v) for v in x) or 1.0
    return [v * peak / m for v in x]


def write(name, x, peak=0.7):
    peak = LOUDNESS.get(name, peak)
    x = normalize(fade(x), peak)
    os.makedirs(OUT, exist_ok=True)
    with wave.open(os.path.join(OUT, name), 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b''.join(struct.pack('<h', int(max(-1.0, min(1.0, v)) * 32767)) for v in x))


# ---------------------------------------------------------------- the sounds

def one_die():
    rnd = random.Random(101)
    x = buf(0.55)
    t, gap, s = 0.0, 0.085, 1.0
    for _ in range(7):  # bounces come closer together and softer
        add(x, click(rnd, s, pitch=rnd.uniform(0.95, 1.05)), t)
        t += gap
        gap *= 0.72
        s *= 0.7
    # a short roll on the table at the end
    roll = [rnd.uniform(-1, 1) * 0.05 * math.exp(-i / (0.05 * RATE)) for i in range(int(0.14 * RATE))]
    add(x, resonator(roll, 1600, 4), t)
    return x


def several_dice():
    rnd = random.Random(102)
    x = buf(0.5)  # over before a scoreless throw's own sound is due
    for die in range(5):
        t = rnd.uniform(0.0, 0.05)
        gap, s = rnd.uniform(0.05, 0.08), rnd.uniform(0.6, 1.0)
        p = rnd.uniform(0.85, 1.2)
        while s > 0.06 and t < 0.38:
            add(x, click(rnd, s, pitch=p * rnd.uniform(0.95, 1.05)), t)
            t += gap * rnd.uniform(0.8, 1.2)
            gap *= 0.78
            s *= 0.72
    # dice knocking on each other in the cup
    for _ in range(14):
        add(x, click(rnd, rnd.uniform(0.1, 0.3), pitch=rnd.uniform(1.3, 1.7), dur=0.03), rnd.uniform(0, 0.2))
    return x


def die_moved():
    rnd = random.Random(103)
    n = int(0.13 * RATE)  # shorter than the pause between the dice of a group
    noise = [rnd.uniform(-1, 1) for _ in range(n)]
    slide = lowpass(lowpass(highpass(noise, 500), 1800), 2400)
    env = [math.sin(math.pi * i / n) ** 2 * 0.5 for i in range(n)]
    x = buf(0.18)
    add(x, [v * e for v, e in zip(slide, env)], 0.0)
    add(x, click(rnd, 0.5, pitch=1.25, dur=0.05), 0.12)
    return x


def chime_up():
    x = buf(0.9)
    for i, nm in enumerate(('C5', 'E5', 'G5', 'C6')):
        add(x, [v * (0.8 + 0.1 * i) for v in tone(note_freq(nm), 0.9 - i * 0.1, BELL, decay=4.5)], i * 0.08)
    return x


def two_note():
    x = buf(0.55)
    add(x, tone(note_freq('G4'), 0.4, MARIMBA, decay=7.0, attack=0.004), 0.0)
    add(x, tone(note_freq('D4'), 0.45, MARIMBA, decay=6.0, attack=0.004), 0.14)
    return x


def wah_wah():
    """A comic sad-trombone: four notes stepping down, the last one wobbling."""
    rnd = random.Random(106)
    x = buf(1.2)
    notes = [('D4', 0.0, 0.26), ('C#4', 0.26, 0.26), ('C4', 0.52, 0.26), ('B3', 0.78, 0.42)]
    for k, (nm, t0, d) in enumerate(notes):
        f0 = note_freq(nm)
        n = int(d * RATE)
        ph = 0.0
        seg = []
        for i in range(n):
            t = i / RATE
            vib = 0.018 * math.sin(TAU * 6.5 * t) * min(1.0, t / 0.12) if k == 3 else 0.0
            bend = -0.06 * (t / d) ** 2 if k == 3 else 0.0
            ph += TAU * f0 * (1 + vib + bend) / RATE
            # brassy tone whose brightness opens and closes like a plunger mute ("wah")
            open_ = 0.5 - 0.5 * math.cos(math.pi * min(1.0, t / (d * 0.55)))
            if k == 3:
                open_ = 0.5 - 0.5 * math.cos(TAU * 3.2 * t)
            s = 0.0
            for m in range(1, 10):
                s += math.sin(ph * m) / m * (0.25 + 0.75 * open_) ** (m - 1)
            env = min(1.0, t / 0.02) * (1.0 if k < 3 else math.exp(-1.6 * t)) * min(1.0, (d - t) / 0.03)
            seg.append(s * env)
        add(x, seg, t0)
    x = lowpass(x, 3000)
    return [v + rnd.uniform(-1, 1) * 0.002 for v in x]


def undo_blip():
    rnd = random.Random(107)
    dur = 0.26
    n = int(dur * RATE)
    x = []
    ph = 0.0
    lp = 0.0
    for i in range(n):
        t = i / n
        # reversed whoosh: swells up, then a quick downward blip
        f = 1400 - 900 * t
        ph += TAU * f / RATE
        nz = rnd.uniform(-1, 1)
        lp += 0.25 * (nz - lp)
        swell = t ** 2
        x.append(0.45 * lp * swell + 0.5 * math.sin(ph) * math.sin(math.pi * t) ** 3)
    return x


def fanfare():
    x = buf(1.2)
    seq = [('G4', 0.0, 0.13), ('G4', 0.15, 0.13), ('G4', 0.3, 0.13), ('C5', 0.45, 0.75)]
    for nm, t0, d in seq:
        f = note_freq(nm)
        voice = tone(f, d, BRASS, decay=1.2 if d > 0.5 else 3.0, attack=0.02, vib=0.004 if d > 0.5 else 0.0)
        add(x, voice, t0)
        if d > 0.5:  # chord under the last note
            add(x, [v * 0.5 for v in tone(note_freq('E4'), d, BRASS, decay=1.5, attack=0.03)], t0)
            add(x, [v * 0.45 for v in tone(note_freq('G4'), d, BRASS, decay=1.5, attack=0.03)], t0)
            add(x, [v * 0.5 for v in tone(note_freq('C3'), d, BRASS, decay=1.5, attack=0.03)], t0)
    return lowpass(x, 4200)


def arpeggio():
    x = buf(1.05)
    notes = ['C5', 'E5', 'G5', 'C6', 'E6', 'G6']
    for i, nm in enumerate(notes):
        add(x, [v * (0.7 + 0.05 * i) for v in tone(note_freq(nm), 1.0 - i * 0.06, BELL, decay=3.5)], i * 0.065)
    # a little sparkle on top
    rnd = random.Random(109)
    for _ in range(10):
        add(x, [v * 0.12 for v in tone(rnd.uniform(3000, 5000), 0.12, ((1, 1.0),), decay=30)],
            rnd.uniform(0.35, 0.75))
    return x


LOUDNESS = {'101.wav': 0.85, '102.wav': 0.8, '103.wav': 0.5}

SOUNDS = [
    ('101.wav', one_die),
    ('102.wav', several_dice),
    ('103.wav', die_moved),
    ('104.wav', chime_up),
    ('105.wav', two_note),
    ('106.wav', wah_wah),
    ('107.wav', undo_blip),
    ('108.wav', fanfare),
    ('109.wav', arpeggio),
]


def main():
    for name, fn in SOUNDS:
        write(name, fn())


if __name__ == '__main__':
    main()
