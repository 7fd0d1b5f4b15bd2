#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesise Brightsum's reward sounds (helper for make-sounds.sh).

Usage:
    make_sounds.py generate OUTDIR   write the 50 WAV files into OUTDIR
    make_sounds.py check OUTDIR      verify them and print a table

Everything is synthesised here with the Python standard library, except
the spoken praise of the "people" set, which comes from espeak-ng.  The
check step also asks sox for peak and RMS levels.  Output is 16-bit PCM,
mono, 22050 Hz.  Random numbers are seeded, so the output is repeatable.
"""

import math
import os
import random
import shutil
import subprocess
import sys
import tempfile
import wave
from array import array

SR = 22050
TWO_PI = 2.0 * math.pi
PEAK_DBFS = -3.0        # target peak level of every file
LOUD_CAP_DBFS = -8.0    # loudest 100 ms RMS may not exceed this
MAX_SECONDS = 2.0
MAX_TOTAL_BYTES = 5 * 1024 * 1024
SETS = ("animals", "music", "people", "technology", "transport")


# ----------------------------------------------------------------------------
# Basic building blocks.  A sound is a plain list of floats in -1..1.
# ----------------------------------------------------------------------------

def ns(seconds):
    return int(round(seconds * SR))


def midi(m):
    return 440.0 * 2.0 ** ((m - 69) / 12.0)


def silence(seconds):
    return [0.0] * ns(seconds)


def mix(dst, src, at=0.0, gain=1.0):
    """Add src into dst starting at `at` seconds, growing dst if needed."""
    start = ns(at)
    end = start + len(src)
    if end > len(dst):
        dst.extend([0.0] * (end - len(dst)))
    for i, v in enumerate(src):
        dst[start + i] += v * gain
    return dst


def mul(a, b):
    return [x * y for x, y in zip(a, b)]


def scale(a, g):
    return [x * g for x in a]


def curve(points, n, exponential=False):
    """Piecewise curve through (seconds, value) points, n samples long.

    Exponential interpolation needs positive values (used for pitch).
    """
    out = [0.0] * n
    pts = sorted(points)
    for i in range(n):
        t = i / SR
        if t <= pts[0][0]:
            out[i] = pts[0][1]
            continue
        if t >= pts[-1][0]:
            out[i] = pts[-1][1]
            continue
        for k in range(1, len(pts)):
            if t <= pts[k][0]:
                t0, v0 = pts[k - 1]
                t1, v1 = pts[k]
                f = (t - t0) / (t1 - t0) if t1 > t0 else 1.0
                if exponential:
                    out[i] = v0 * (v1 / v0) ** f
                else:
                    out[i] = v0 + (v1 - v0) * f
                break
    return out


def env(points, seconds):
    return curve(points, ns(seconds))


def pitch(points, seconds):
    return curve(points, ns(seconds), exponential=True)


def adsr(seconds, a=0.01, d=0.05, s=0.7, r=0.05):
    r = min(r, seconds)
    hold = max(seconds - r, a + d)
    return env([(0, 0), (a, 1), (a + d, s), (hold, s), (seconds, 0)], seconds)


def perc(seconds, tau, attack=0.002):
    """Fast attack, exponential decay with time constant tau, ending at 0."""
    n = ns(seconds)
    na = max(1, ns(attack))
    out = [0.0] * n
    for i in range(n):
        if i < na:
            out[i] = i / na
        else:
            out[i] = math.exp(-(i - na) / (tau * SR))
    return end_fade(out)


def end_fade(x, seconds=0.03):
    """Raised-cosine fade over the last `seconds`, so a cut tone never clicks."""
    n = len(x)
    m = min(ns(seconds), n // 2)
    for i in range(m):
        x[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / m)
    return x


def _blep(t, dt):
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def osc(freq, seconds=None, shape="sine", pw=0.5, phase=0.0):
    """Oscillator.  freq is a number or a per-sample list of Hz.

    Saw, square and pulse are band-limited (polyBLEP) to avoid aliasing.
    """
    if isinstance(freq, (int, float)):
        freq = [float(freq)] * ns(seconds)
    out = [0.0] * len(freq)
    ph = phase
    sin = math.sin
    for i, f in enumerate(freq):
        dt = f / SR
        if shape == "sine":
            v = sin(TWO_PI * ph)
        elif shape == "tri":
            v = 4.0 * ph - 1.0 if ph < 0.5 else 3.0 - 4.0 * ph
        elif shape == "saw":
            v = 2.0 * ph - 1.0 - _blep(ph, dt)
        else:  # square / pulse
            v = 1.0 if ph < pw else -1.0
            v += _blep(ph, dt)
            v -= _blep((ph - pw) % 1.0, dt)
        out[i] = v
        ph += dt
        ph -= int(ph)
    return out


def fm(carrier, ratio, index, seconds):
    """Two-operator FM; carrier is a number or per-sample list."""
    if isinstance(carrier, (int, float)):
        carrier = [float(carrier)] * ns(seconds)
    if isinstance(index, (int, float)):
        index = [float(index)] * len(carrier)
    out = [0.0] * len(carrier)
    pc = pm = 0.0
    sin = math.sin
    for i, f in enumerate(carrier):
        out[i] = sin(TWO_PI * pc + index[i] * sin(TWO_PI * pm))
        pc += f / SR
        pm += f * ratio / SR
        pc -= int(pc)
        pm -= int(pm)
    return out


def noise(seconds, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(ns(seconds))]


def vibrato(base, seconds, rate=5.5, depth=0.01, delay=0.0):
    """Per-sample frequency list with sinusoidal vibrato after `delay`."""
    n = ns(seconds)
    out = [0.0] * n
    for i in range(n):
        t = i / SR
        d = 0.0 if t < delay else min(1.0, (t - delay) / 0.15) * depth
        f = base[i] if isinstance(base, list) else base
        out[i] = f * (1.0 + d * math.sin(TWO_PI * rate * t))
    return out


# ----------------------------------------------------------------------------
# Filters
# ----------------------------------------------------------------------------

def _coeffs(kind, f, q, gain_db):
    f = min(max(f, 10.0), SR * 0.45)
    w = TWO_PI * f / SR
    cw, sw = math.cos(w), math.sin(w)
    alpha = sw / (2.0 * q)
    if kind == "lp":
        b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    elif kind == "hp":
        b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    elif kind == "bp":  # 0 dB peak gain
        b0, b1, b2 = alpha, 0.0, -alpha
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    elif kind == "peak":
        a = 10 ** (gain_db / 40.0)
        b0, b1, b2 = 1 + alpha * a, -2 * cw, 1 - alpha * a
        a0, a1, a2 = 1 + alpha / a, -2 * cw, 1 - alpha / a
    else:
        raise ValueError(kind)
    return b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0


def biquad(x, kind, freq, q=0.707, gain_db=0.0):
    """RBJ biquad; freq may be a number or a per-sample list (updated every 16)."""
    varying = isinstance(freq, list)
    b0, b1, b2, a1, a2 = _coeffs(kind, freq[0] if varying else freq, q, gain_db)
    x1 = x2 = y1 = y2 = 0.0
    out = [0.0] * len(x)
    for i, v in enumerate(x):
        if varying and i % 16 == 0:
            b0, b1, b2, a1, a2 = _coeffs(kind, freq[min(i, len(freq) - 1)], q, gain_db)
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, y
        out[i] = y
    return out


def formants(x, bands):
    """Parallel band-pass bank: bands are (freq or list, q, gain)."""
    out = [0.0] * len(x)
    for f, q, g in bands:
        y = biquad(x, "bp", f, q)
        for i, v in enumerate(y):
            out[i] += v * g
    return out


def onepole_lp(x, f):
    a = math.exp(-TWO_PI * f / SR)
    y = 0.0
    out = [0.0] * len(x)
    for i, v in enumerate(x):
        y = (1 - a) * v + a * y
        out[i] = y
    return out


def drive(x, amount):
    """Soft saturation, keeps unit gain for small signals."""
    t = math.tanh(amount)
    return [math.tanh(v * amount) / t for v in x]


def reverb(x, wet=0.15, size=1.0, tail=0.4):
    """Small Schroeder room: four combs and two all-passes."""
    x = x + [0.0] * ns(tail)
    combs = [(int(1116 * size * 0.5), 0.78), (int(1188 * size * 0.5), 0.76),
             (int(1277 * size * 0.5), 0.74), (int(1356 * size * 0.5), 0.72)]
    acc = [0.0] * len(x)
    for d, g in combs:
        buf = [0.0] * d
        lp = 0.0
        j = 0
        for i, v in enumerate(x):
            y = buf[j]
            lp = 0.7 * y + 0.3 * lp
            buf[j] = v + lp * g
            acc[i] += y
            j += 1
            if j == d:
                j = 0
    for d in (int(556 * size * 0.5), int(441 * size * 0.5)):
        buf = [0.0] * d
        j = 0
        for i, v in enumerate(acc):
            b = buf[j]
            y = -v + b
            buf[j] = v + b * 0.5
            acc[i] = y
            j += 1
            if j == d:
                j = 0
    return [d + wet * 0.25 * w for d, w in zip(x, acc)]


# ----------------------------------------------------------------------------
# Instruments
# ----------------------------------------------------------------------------

def partials(freq, seconds, parts, attack=0.002):
    """Additive tone: parts are (ratio, amplitude, decay tau in seconds)."""
    n = ns(seconds)
    out = [0.0] * n
    na = max(1, ns(attack))
    for ratio, amp, tau in parts:
        f = freq * ratio
        if f >= SR * 0.45:
            continue
        w = TWO_PI * f / SR
        k = math.exp(-1.0 / (tau * SR))
        e = amp
        for i in range(n):
            a = e * (i / na if i < na else 1.0)
            out[i] += a * math.sin(w * i)
            e *= k
    return end_fade(out)


def bell(freq, seconds=1.5, bright=1.0):
    return partials(freq, seconds, [
        (0.5, 0.25, 0.9), (1.0, 1.0, 0.8), (1.19, 0.45, 0.55),
        (1.5, 0.3, 0.45), (2.0, 0.55 * bright, 0.35), (2.52, 0.3 * bright, 0.25),
        (2.66, 0.2 * bright, 0.2), (3.01, 0.18 * bright, 0.15),
        (4.08, 0.12 * bright, 0.1)], attack=0.001)


def marimba(freq, seconds=0.8):
    return partials(freq, seconds, [
        (1.0, 1.0, 0.35), (3.93, 0.3, 0.07), (9.2, 0.08, 0.02)], attack=0.003)


def xylophone(freq, seconds=0.6):
    return partials(freq, seconds, [
        (1.0, 1.0, 0.22), (3.0, 0.45, 0.08), (6.0, 0.15, 0.03),
        (9.7, 0.05, 0.01)], attack=0.001)


def glock(freq, seconds=0.7):
    return partials(freq, seconds, [
        (1.0, 1.0, 0.5), (2.76, 0.25, 0.12), (5.4, 0.1, 0.05)], attack=0.001)


def vibes(freq, seconds=1.2):
    n = ns(seconds)
    tone = partials(freq, seconds, [
        (1.0, 1.0, 0.9), (4.0, 0.25, 0.2), (10.0, 0.05, 0.05)], attack=0.002)
    return [v * (1.0 - 0.25 * (1 - math.cos(TWO_PI * 5.0 * i / SR)) / 2)
            for i, v in enumerate(tone)][:n]


def piano(freq, seconds=1.2):
    b = 0.0004
    parts = []
    for k in range(1, 12):
        r = k * math.sqrt(1 + b * k * k)
        parts.append((r, 1.0 / k ** 1.3, 0.9 / (1 + 0.35 * (k - 1))))
    a = partials(freq, seconds, parts, attack=0.003)
    c = partials(freq * 1.0015, seconds, parts, attack=0.003)
    return [(x + y) * 0.5 for x, y in zip(a, c)]


def pluck(freq, seconds, rng, decay=0.996, bright=0.6):
    """Karplus-Strong string with all-pass fine tuning."""
    n = ns(seconds)
    period = SR / freq - 0.5
    L = int(period - 0.1)
    frac = period - L
    c = (1 - frac) / (1 + frac)
    exc = onepole_lp([rng.uniform(-1, 1) for _ in range(L + 1)], 800 + 6000 * bright)
    m = sum(exc) / len(exc)
    y = [v - m for v in exc] + [0.0] * n
    ax = ay = 0.0
    for i in range(L + 1, n + L + 1):
        v = decay * 0.5 * (y[i - L] + y[i - L - 1])
        ap = c * v + ax - c * ay
        ax, ay = v, ap
        y[i] = ap
    out = end_fade(y[:n])
    peak = max(abs(v) for v in out) or 1.0
    return [v / peak for v in out]


def saw_voice(freqs, amp_env, cutoff, q=0.9):
    """Filtered saw: the basis of brass, horns and animal calls."""
    s = osc(freqs, shape="saw")
    s = biquad(s, "lp", cutoff, q)
    return mul(s, amp_env)


def chirp(f0, f1, seconds, shape="sine", env_shape=None):
    fr = pitch([(0, f0), (seconds, f1)], seconds)
    e = env_shape or env([(0, 0), (seconds * 0.2, 1), (seconds * 0.7, 0.8),
                          (seconds, 0)], seconds)
    return mul(osc(fr, shape=shape), e)


def sparkle(rng, seconds=0.6, base=2093.0, count=6):
    """Quick rising glockenspiel twinkles."""
    out = silence(seconds)
    steps = [1, 1.26, 1.5, 2, 2.52, 3.0, 4.0]
    for k in range(count):
        f = base * steps[k % len(steps)] * (2 if k >= len(steps) else 1)
        mix(out, glock(f, 0.4), k * 0.05 + rng.uniform(0, 0.01), 0.5 - 0.04 * k)
    return end_fade(out[:ns(seconds)])


def clap(rng):
    """One hand clap: a few very short bursts of band-passed noise."""
    out = silence(0.12)
    for k in range(3):
        burst = mul(noise(0.1, rng), perc(0.1, 0.012 if k == 2 else 0.003, 0.0005))
        mix(out, burst, k * 0.008)
    return biquad(out, "bp", rng.uniform(1000, 1600), 1.2)


# ----------------------------------------------------------------------------
# The fifty sounds
# ----------------------------------------------------------------------------

# --- animals ----------------------------------------------------------------

def animals1(rng):
    """Songbird: quick rising chirps, a trill and a bright whistle."""
    out = silence(1.2)
    for k in range(4):
        c = chirp(2400 + 150 * k, 4200 + 200 * k, 0.055)
        mix(out, c, k * 0.085, 0.8)
    mix(out, chirp(4600, 2800, 0.1), 0.38, 0.8)
    fr = [3300 + 600 * math.sin(TWO_PI * 28 * i / SR) for i in range(ns(0.22))]
    tr = mul(osc(fr), env([(0, 0), (0.02, 1), (0.18, 0.8), (0.22, 0)], 0.22))
    mix(out, tr, 0.52, 0.7)
    fr = vibrato(pitch([(0, 2600), (0.12, 3900), (0.25, 4100)], 0.25), 0.25, 30, 0.02)
    mix(out, mul(osc(fr), env([(0, 0), (0.03, 1), (0.18, 0.9), (0.25, 0)], 0.25)), 0.8)
    return out


def animals2(rng):
    """Cuckoo: two falling hollow tones, heard twice."""
    out = silence(1.35)

    def note(f, d):
        fr = pitch([(0, f * 1.01), (d, f * 0.985)], d)
        tone = [a + 0.12 * b for a, b in zip(osc(fr), osc([x * 3 for x in fr]))]
        return mul(tone, env([(0, 0), (0.025, 1), (d * 0.6, 0.8), (d, 0)], d))

    for start in (0.0, 0.65):
        mix(out, note(midi(76), 0.2), start)
        mix(out, note(midi(72), 0.36), start + 0.24)
    breath = biquad(noise(1.35, rng), "bp", 900, 1.0)
    return [v + 0.02 * b * min(1, abs(v) * 4) for v, b in zip(out, breath)]


def animals3(rng):
    """Frog: two pulsing 'rib-bit' croaks, the second higher."""
    out = silence(1.15)

    def croak(f0, d, rate):
        src = osc(pitch([(0, f0), (d, f0 * 1.1)], d), shape="pulse", pw=0.15)
        src = formants(src, [(450, 3, 1.0), (1300, 5, 0.5)])
        am = [0.5 - 0.5 * math.cos(TWO_PI * rate * i / SR) for i in range(ns(d))]
        return mul(mul(src, am), env([(0, 0), (0.01, 1), (d * 0.7, 0.9), (d, 0)], d))

    mix(out, croak(85, 0.13, 30), 0.0)
    mix(out, croak(95, 0.18, 34), 0.19)
    mix(out, croak(105, 0.13, 32), 0.55)
    mix(out, croak(125, 0.24, 38), 0.74)
    return out


def animals4(rng):
    """Ducks: three nasal quacks, the last one longer."""
    out = silence(1.0)

    def quack(f0, d):
        fr = pitch([(0, f0 * 0.9), (0.03, f0), (d, f0 * 0.75)], d)
        s = osc(fr, shape="saw")
        f1 = env([(0, 700), (0.04, 1100), (d, 800)], d)
        s = formants(s, [(f1, 4, 1.0), (2400, 6, 0.7), (3300, 8, 0.3)])
        return mul(s, env([(0, 0), (0.01, 1), (d * 0.5, 0.8), (d, 0)], d))

    mix(out, quack(330, 0.15), 0.0)
    mix(out, quack(320, 0.15), 0.22)
    mix(out, quack(360, 0.3), 0.46)
    return out


def animals5(rng):
    """Owl: hoo ... hoo-hoo, soft and round."""
    out = silence(1.45)

    def hoot(f, d):
        fr = pitch([(0, f * 0.95), (0.06, f), (d, f * 0.93)], d)
        tone = [a + 0.15 * b for a, b in zip(osc(fr), osc([x * 2 for x in fr]))]
        e = env([(0, 0), (0.07, 1), (d * 0.6, 0.85), (d, 0)], d)
        return mul(tone, e)

    mix(out, hoot(392, 0.38), 0.0)
    mix(out, hoot(370, 0.16), 0.55)
    mix(out, hoot(392, 0.5), 0.78)
    breath = biquad(noise(1.45, rng), "lp", 700)
    return [v + 0.08 * b * min(1.0, abs(v) * 3) for v, b in zip(out, breath)]


def animals6(rng):
    """Cat: a friendly meow followed by a short rising 'mrrp'."""
    d = 0.85
    fr = vibrato(pitch([(0, 470), (0.28, 720), (0.6, 640), (d, 500)], d), d, 6, 0.01)
    s = osc(fr, shape="saw")
    f1 = env([(0, 350), (0.25, 950), (0.6, 800), (d, 450)], d)
    f2 = env([(0, 2200), (0.25, 1700), (0.6, 1200), (d, 900)], d)
    s = formants(s, [(f1, 5, 1.0), (f2, 7, 0.6), (3200, 8, 0.2)])
    out = mul(s, env([(0, 0), (0.08, 0.7), (0.25, 1), (0.65, 0.8), (d, 0)], d))
    d2 = 0.22
    fr = pitch([(0, 520), (d2, 820)], d2)
    am = [0.7 + 0.3 * math.sin(TWO_PI * 40 * i / SR) for i in range(ns(d2))]
    s = formants(osc(fr, shape="saw"), [(env([(0, 500), (d2, 900)], d2), 5, 1.0),
                                        (1800, 7, 0.5)])
    mix(out, mul(mul(s, am), env([(0, 0), (0.03, 1), (0.15, 0.9), (d2, 0)], d2)), 0.98)
    return out


def animals7(rng):
    """Crickets: pulsed high trills from two insects."""
    out = silence(1.3)
    for insect, (f, start, gain) in enumerate(((4300, 0.0, 1.0), (4750, 0.12, 0.6))):
        for k in range(5 if insect == 0 else 4):
            for p in range(4):
                d = 0.016
                pulse = mul(osc(f * (1 + 0.02 * k / 4), d),
                            env([(0, 0), (0.003, 1), (0.012, 0.8), (d, 0)], d))
                mix(out, pulse, start + k * 0.25 + p * 0.026, gain)
    return out


def animals8(rng):
    """Woodpecker: a rapid drumming roll, then a cheerful call."""
    out = silence(1.35)

    def tap(g):
        d = 0.07
        click = mul(biquad(noise(d, rng), "bp", 2200, 1.5), perc(d, 0.003, 0.0005))
        wood = mul(osc(1050, d), perc(d, 0.012, 0.0005))
        body = mul(osc(420, d), perc(d, 0.02, 0.001))
        return [g * (0.8 * a + 0.6 * b + 0.5 * c) for a, b, c in zip(click, wood, body)]

    t = 0.0
    for k in range(14):
        mix(out, tap(0.6 + 0.4 * math.sin(math.pi * k / 13)), t)
        t += 0.052
    for k, (f0, f1) in enumerate(((1800, 2600), (1900, 2900), (2000, 3300))):
        mix(out, chirp(f0, f1, 0.09), 0.92 + 0.13 * k, 0.55)
    return out


def animals9(rng):
    """Bumblebee: a mellow buzz that flies off with a happy rising zip."""
    d = 1.5
    wob = [1 + 0.02 * math.sin(TWO_PI * 3.1 * i / SR) + 0.012 * math.sin(TWO_PI * 7.3 * i / SR)
           for i in range(ns(d))]
    base = pitch([(0, 170), (1.0, 185), (1.15, 190), (1.45, 420), (d, 440)], d)
    fr = [a * b for a, b in zip(base, wob)]
    s = osc(fr, shape="saw")
    s = formants(s, [(550, 2, 1.0), (1400, 3, 0.4)])
    s = biquad(s, "lp", env([(0, 1200), (1.1, 1500), (d, 3000)], d))
    am = [0.75 + 0.25 * math.sin(TWO_PI * 11 * i / SR) for i in range(ns(d))]
    e = env([(0, 0), (0.25, 0.7), (0.6, 1.0), (0.9, 0.7), (1.15, 1.0), (1.42, 1.0), (d, 0)], d)
    return mul(mul(s, am), e)


def animals10(rng):
    """Cow: a gentle low moo that opens up and closes."""
    d = 1.5
    fr = vibrato(pitch([(0, 140), (0.3, 160), (1.0, 150), (d, 118)], d), d, 4.5, 0.008, 0.3)
    s = osc(fr, shape="saw")
    f1 = env([(0, 300), (0.3, 650), (0.9, 700), (d, 380)], d)
    f2 = env([(0, 800), (0.3, 1100), (0.9, 1000), (d, 700)], d)
    s = formants(s, [(f1, 3, 1.0), (f2, 5, 0.5), (2600, 6, 0.12)])
    s = biquad(s, "lp", env([(0, 500), (0.35, 2200), (1.0, 2000), (d, 700)], d))
    return mul(s, env([(0, 0), (0.2, 0.8), (0.5, 1.0), (1.1, 0.9), (d, 0)], d))


# --- music ------------------------------------------------------------------

def music1(rng):
    """Plucked guitar: a C major arpeggio and a final strum."""
    out = silence(1.6)
    for k, m in enumerate((60, 64, 67, 72, 76)):
        mix(out, pluck(midi(m), 1.2, rng, 0.996, 0.6), k * 0.11, 0.5)
    for k, m in enumerate((60, 67, 72, 76, 79)):
        mix(out, pluck(midi(m), 1.0, rng, 0.996, 0.7), 0.62 + k * 0.018, 0.35)
    return reverb(out, 0.2, tail=0.0)[:ns(1.6)]


def music2(rng):
    """Bells: two bright strikes, a fourth apart."""
    out = silence(1.6)
    mix(out, bell(midi(79), 1.6), 0.0, 0.7)
    mix(out, bell(midi(84), 1.28), 0.32, 0.8)
    return out


def music3(rng):
    """Marimba: a bouncing C-E-G and a two-note ending."""
    out = silence(1.4)
    for t, m in ((0.0, 72), (0.14, 76), (0.28, 79), (0.5, 84), (0.5, 76)):
        mix(out, marimba(midi(m), 0.9), t, 0.6)
    for t in (0.62, 0.7, 0.78):
        mix(out, marimba(midi(84), 0.6), t, 0.35)
    return reverb(out, 0.15, tail=0.0)[:ns(1.4)]


def music4(rng):
    """Xylophone: a fast two-octave run upward."""
    out = silence(1.05)
    for k, m in enumerate((72, 76, 79, 84, 88, 91, 96)):
        mix(out, xylophone(midi(m), 0.55), k * 0.065, 0.5)
    mix(out, xylophone(midi(96), 0.6), 0.5, 0.45)
    mix(out, xylophone(midi(84), 0.6), 0.5, 0.3)
    return out


def music5(rng):
    """Flute: a little rising tune with vibrato on the last note."""
    notes = ((79, 0.15), (81, 0.15), (83, 0.15), (86, 0.75))
    total = sum(d for _, d in notes)
    pts = []
    t = 0.0
    for m, d in notes:
        pts += [(t + 0.012, midi(m)), (t + d - 0.001, midi(m))]
        t += d
    fr = vibrato(pitch(pts, total), total, 5.2, 0.008, 0.6)
    tone = [a + 0.22 * b + 0.07 * c for a, b, c in
            zip(osc(fr), osc([f * 2 for f in fr]), osc([f * 3 for f in fr]))]
    art = env([(0, 0), (0.05, 1), (0.14, 0.85), (0.15, 0.7), (0.17, 0.9),
               (0.29, 0.85), (0.3, 0.7), (0.32, 0.9), (0.44, 0.85), (0.45, 0.7),
               (0.48, 1.0), (1.0, 0.85), (total, 0)], total)
    breath = biquad(noise(total, rng), "bp", 2500, 0.8)
    out = [a * e + 0.06 * b * e for a, b, e in zip(tone, breath, art)]
    return reverb(out, 0.25, tail=0.3)


def music6(rng):
    """Trumpets: a ta-ta-ta-taaa fanfare in two voices."""
    notes = ((0.0, 0.1), (0.13, 0.1), (0.26, 0.1), (0.39, 0.7))
    out = silence(1.3)
    for melody, gain in (((67, 67, 67, 72), 0.6), ((64, 64, 64, 67), 0.4)):
        for (t, d), m in zip(notes, melody):
            f = midi(m)
            fr = vibrato(pitch([(0, f * 0.97), (0.025, f), (d, f)], d), d, 5.5, 0.006, 0.25)
            e = env([(0, 0), (0.02, 1), (0.05, 0.8), (d - 0.04, 0.75), (d, 0)], d)
            cut = [400 + 3600 * v for v in e]
            mix(out, saw_voice(fr, e, cut, 1.2), t, gain)
    return reverb(out, 0.2, tail=0.0)[:ns(1.3)]


def music7(rng):
    """Drums: a snare roll that swells into a crash cymbal."""
    out = silence(1.6)

    def snare(g):
        d = 0.12
        n = biquad(noise(d, rng), "hp", 1200)
        n = mul(n, perc(d, 0.035, 0.001))
        t = mul(osc(pitch([(0, 240), (d, 180)], d)), perc(d, 0.025, 0.001))
        return [g * (0.7 * a + 0.5 * b) for a, b in zip(n, t)]

    hits = 18
    for k in range(hits):
        t = 0.8 * (k / hits) ** 0.9
        mix(out, snare(0.25 + 0.55 * k / hits), t)
    kick = mul(osc(pitch([(0, 130), (0.08, 55), (0.4, 45)], 0.4)), perc(0.4, 0.12))
    mix(out, kick, 0.85, 0.9)
    d = 0.75
    metal = fm(pitch([(0, 5200), (d, 5000)], d), 1.414, 3.0, d)
    cym = [0.7 * a + 0.4 * b for a, b in zip(biquad(noise(d, rng), "hp", 4500), metal)]
    cym = mul(cym, perc(d, 0.35, 0.002))
    mix(out, cym, 0.85, 0.55)
    return out


def music8(rng):
    """Harp: a pentatonic glissando over two octaves."""
    out = silence(1.6)
    scale_ = (60, 62, 64, 67, 69, 72, 74, 76, 79, 81, 84)
    for k, m in enumerate(scale_):
        mix(out, pluck(midi(m), 1.6 - k * 0.05, rng, 0.998, 0.25), k * 0.05, 0.35)
    for m in (72, 76, 79, 84):
        mix(out, pluck(midi(m), 0.9, rng, 0.998, 0.3), 0.7, 0.3)
    return reverb(out, 0.3, tail=0.0)[:ns(1.6)]


def music9(rng):
    """Organ: a G major chord resolving to C major."""
    out = silence(1.6)
    bars = ((0.5, 0.6), (1, 1.0), (1.5, 0.4), (2, 0.6), (3, 0.3), (4, 0.25), (6, 0.1))

    def chord(notes, d):
        n = ns(d)
        acc = [0.0] * n
        for m in notes:
            f = midi(m)
            for r, a in bars:
                if f * r < SR * 0.45:
                    w = TWO_PI * f * r / SR
                    ph = rng.random() * TWO_PI
                    for i in range(n):
                        acc[i] += a * math.sin(w * i + ph + 0.0025 * f * r / 100 *
                                               math.sin(TWO_PI * 6.3 * i / SR))
        trem = [1 - 0.12 * (0.5 + 0.5 * math.sin(TWO_PI * 6.3 * i / SR)) for i in range(n)]
        return mul(mul(acc, trem), env([(0, 0), (0.015, 1), (d - 0.08, 0.95), (d, 0)], d))

    mix(out, chord((55, 59, 62, 67), 0.5), 0.0)
    mix(out, chord((48, 60, 64, 67, 72), 1.05), 0.5)
    for t in (0.0, 0.5):
        mix(out, mul(biquad(noise(0.01, rng), "bp", 3000, 1), perc(0.01, 0.002)), t, 0.5)
    return reverb(out, 0.3, tail=0.0)[:ns(1.6)]


def music10(rng):
    """Piano: an F major arpeggio landing on a full chord."""
    out = silence(1.6)
    for k, m in enumerate((65, 69, 72, 77)):
        mix(out, piano(midi(m), 1.6 - k * 0.12), k * 0.12, 0.4)
    for m in (65, 69, 72, 77, 81):
        mix(out, piano(midi(m), 1.05), 0.55, 0.3)
    return reverb(out, 0.2, tail=0.0)[:ns(1.6)]


# --- people -----------------------------------------------------------------

PRAISE = {
    # n: (words, espeak voice, pitch 0-99, words per minute, extra)
    1: ("Well done!", "en-gb+f3", 62, 150, "sparkle"),
    2: ("Great job!", "en-us+f4", 60, 155, "sparkle"),
    3: ("Brilliant!", "en-gb+f2", 66, 150, "chime"),
    4: ("Super!", "en-us+m3", 70, 145, "sparkle"),
    5: ("You got it!", "en-us+f5", 64, 165, "chime"),
    6: ("Fantastic!", "en-gb+f4", 58, 160, "claps"),
    7: ("Excellent!", "en-us+f3", 62, 150, "sparkle"),
    8: ("Way to go!", "en-gb+m1", 72, 160, "chime"),
    9: ("Awesome!", "en-us+f2", 64, 140, "claps"),
    10: ("Yes, correct!", "en-gb+f5", 60, 165, "chime"),
}


def speak(text, voice, pitch_, speed):
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "say.wav")
        subprocess.run(["espeak-ng", "-v", voice, "-p", str(pitch_), "-s", str(speed),
                        "-a", "160", "-w", path, text], check=True)
        return read_wav(path)


def people(n, rng):
    text, voice, p, s, extra = PRAISE[n]
    voice_ = trim(speak(text, voice, p, s))
    voice_ = biquad(voice_, "peak", 3000, 1.0, 2.5)       # a little presence
    voice_ = biquad(voice_, "lp", 7000)
    peak = max(abs(v) for v in voice_) or 1.0
    voice_ = scale(reverb(voice_, 0.12, 0.8, tail=0.15), 1.0 / peak)
    end = len(voice_) / SR
    out = silence(min(1.95, end + 0.5))
    if extra == "claps":
        mix(out, voice_, 0.0)
        for k in range(26):
            t = 0.25 + rng.uniform(0, 1.0) + end * 0.3
            if t < len(out) / SR - 0.15:
                mix(out, clap(rng), t, 0.32)
    elif extra == "sparkle":
        mix(out, voice_, 0.0)
        mix(out, sparkle(rng, 0.6, midi(84 + n % 3)), max(0.0, end - 0.25), 0.35)
    else:
        mix(out, voice_, 0.0)
        mix(out, glock(midi(84), 0.5), max(0.0, end - 0.2), 0.25)
        mix(out, glock(midi(88), 0.5), max(0.0, end - 0.1), 0.25)
        mix(out, glock(midi(91), 0.5), end, 0.3)
    return out[:ns(1.95)]


def trim(x, threshold=0.01):
    start = next((i for i, v in enumerate(x) if abs(v) > threshold), 0)
    end = len(x) - next((i for i, v in enumerate(reversed(x)) if abs(v) > threshold), 0)
    return x[max(0, start - 50):min(len(x), end + 400)]


# --- technology -------------------------------------------------------------

def technology1(rng):
    """Robot: a chatty string of bleeps and bloops."""
    out = silence(1.1)
    seq = ((0.0, 0.09, 880, 880), (0.11, 0.09, 660, 620), (0.22, 0.07, 990, 990),
           (0.33, 0.05, 1320, 1320), (0.4, 0.05, 1320, 1320), (0.5, 0.12, 700, 1050),
           (0.7, 0.25, 1175, 1760))
    for t, d, f0, f1 in seq:
        fr = pitch([(0, f0), (d, f1)], d)
        s = biquad(osc(fr, shape="square"), "lp", 3000)
        mix(out, mul(s, env([(0, 0), (0.004, 1), (d - 0.01, 0.9), (d, 0)], d)), t, 0.5)
    return out


def technology2(rng):
    """Computer: fast data chirps, then a two-tone 'ready'."""
    out = silence(1.0)
    penta = (72, 74, 76, 79, 81, 84, 86, 88, 91, 93)
    t = 0.0
    while t < 0.5:
        d = 0.022
        m = rng.choice(penta)
        mix(out, mul(osc(midi(m) * 2, d), env([(0, 0), (0.002, 1), (0.018, 0.8), (d, 0)], d)),
            t, 0.4)
        t += 0.028
    for t, m, d in ((0.58, 84, 0.1), (0.7, 91, 0.28)):
        s = [a + 0.3 * b for a, b in zip(osc(midi(m), d), osc(midi(m) * 2, d))]
        mix(out, mul(s, env([(0, 0), (0.005, 1), (d * 0.6, 0.8), (d, 0)], d)), t, 0.6)
    return out


def technology3(rng):
    """Laser: three rising zaps and a bright top."""
    out = silence(0.95)
    for k in range(3):
        d = 0.16
        fr = pitch([(0, 300 * 1.3 ** k), (d, 2600 * 1.2 ** k)], d)
        idx = env([(0, 4), (d, 0.5)], d)
        z = mul(fm(fr, 0.5, idx, d), env([(0, 0), (0.005, 1), (d * 0.7, 0.7), (d, 0)], d))
        mix(out, z, k * 0.18, 0.5)
    d = 0.35
    top = mul(fm(pitch([(0, 2400), (d, 3000)], d), 2.0, 0.6, d), perc(d, 0.1))
    mix(out, top, 0.55, 0.4)
    return out


def technology4(rng):
    """Power-up: climbing square-wave arpeggios over a rising sweep."""
    out = silence(1.2)
    t = 0.0
    step = 0.035
    for base in (60, 62, 64, 65, 67):
        for iv in (0, 4, 7, 12):
            d = step
            s = osc(midi(base + iv + 12), d, shape="square", pw=0.5)
            mix(out, mul(s, env([(0, 0), (0.002, 1), (d - 0.004, 0.8), (d, 0)], d)), t, 0.25)
            t += step
    d = t
    sweep = osc(pitch([(0, 200), (d, 1600)], d), shape="tri")
    mix(out, mul(sweep, env([(0, 0), (0.05, 1), (d, 1)], d)), 0.0, 0.15)
    d = 1.2 - t
    fin = vibrato(midi(84 + 7), d, 12, 0.015)
    fin = mul(osc(fin, shape="square"), perc(d, 0.15))
    mix(out, fin, t, 0.3)
    return biquad(out, "lp", 4500)


def technology5(rng):
    """Modem: a handshake chirp, bursts of tones and a 'connected' chime."""
    out = silence(1.35)
    d = 0.16
    mix(out, mul(osc(2100, d), env([(0, 0), (0.01, 1), (d - 0.02, 1), (d, 0)], d)), 0.0, 0.35)
    for k in range(4):
        d = 0.07
        f0, f1 = (900, 2200) if k % 2 == 0 else (2200, 1100)
        mix(out, chirp(f0, f1, d), 0.2 + k * 0.08, 0.35)
    t = 0.55
    for k in range(16):
        d = 0.018
        f = (1200, 2200, 1650, 1850)[rng.randrange(4)]
        mix(out, mul(osc(f, d), env([(0, 0), (0.002, 1), (0.016, 1), (d, 0)], d)), t, 0.25)
        t += d
    hiss = mul(biquad(noise(0.3, rng), "bp", 1800, 0.7),
               env([(0, 0), (0.02, 1), (0.28, 1), (0.3, 0)], 0.3))
    mix(out, hiss, 0.55, 0.05)
    for k, m in enumerate((79, 84, 88)):
        mix(out, glock(midi(m), 0.5), 0.9 + k * 0.07, 0.35)
    return out


def technology6(rng):
    """Camera: two focus beeps and a crisp shutter click."""
    out = silence(0.85)
    for t in (0.0, 0.1):
        d = 0.06
        mix(out, mul(osc(2637, d), env([(0, 0), (0.003, 1), (0.05, 0.9), (d, 0)], d)), t, 0.4)

    def click(g, f):
        d = 0.05
        n = mul(biquad(noise(d, rng), "bp", f, 1.2), perc(d, 0.006, 0.0005))
        t = mul(osc(f * 0.4, d), perc(d, 0.008, 0.0005))
        return [g * (a + 0.4 * b) for a, b in zip(n, t)]

    mix(out, click(1.0, 3500), 0.3)
    whirr = mul(biquad(noise(0.05, rng), "bp", 1500, 2), env([(0, 0), (0.01, 1), (0.05, 0)], 0.05))
    mix(out, whirr, 0.31, 0.3)
    mix(out, click(0.8, 2600), 0.37)
    return reverb(out, 0.1, 0.6, tail=0.0)[:ns(0.85)]


def technology7(rng):
    """Game coins: two quick two-note pickups."""
    out = silence(0.95)

    def coin(a, b):
        s = osc(midi(a), 0.06, shape="square") + osc(midi(b), 0.5, shape="square")
        e = env([(0, 0), (0.002, 1), (0.06, 0.9), (0.062, 1), (0.56, 0)], 0.56)
        e = [v * math.exp(-3.5 * i / SR) for i, v in enumerate(e)]
        return biquad(mul(s, e), "lp", 5000)

    mix(out, coin(83, 88), 0.0, 0.3)
    mix(out, coin(86, 91), 0.3, 0.3)
    return out


def technology8(rng):
    """8-bit: a pulse-wave arpeggio and a little triumphant fanfare."""
    out = silence(1.3)
    t = 0.0
    for m in (60, 64, 67, 72, 76, 79, 84):
        d = 0.045
        mix(out, mul(osc(midi(m), d, "pulse", 0.25),
                     env([(0, 0), (0.002, 1), (d - 0.004, 0.8), (d, 0)], d)), t, 0.25)
        t += d
    for m, tt, d in ((79, 0.4, 0.09), (79, 0.52, 0.09), (79, 0.64, 0.09), (84, 0.76, 0.45)):
        mix(out, mul(osc(midi(m), d, "pulse", 0.25),
                     env([(0, 0), (0.003, 1), (d - 0.02, 0.8), (d, 0)], d)), tt, 0.25)
        mix(out, mul(osc(midi(m - 24), d, "tri"),
                     env([(0, 0), (0.003, 1), (d - 0.02, 0.9), (d, 0)], d)), tt, 0.35)
    return biquad(out, "lp", 6000)


def technology9(rng):
    """Sci-fi: a resonant whoosh that rises and sparkles."""
    d = 1.0
    cut = pitch([(0, 300), (0.8, 5000), (d, 6000)], d)
    w = biquad(noise(d, rng), "bp", cut, 3.0)
    w = mul(w, env([(0, 0), (0.3, 0.6), (0.75, 1), (d, 0)], d))
    tone = mul(osc(pitch([(0, 150), (d, 1200)], d), shape="tri"),
               env([(0, 0), (0.4, 0.3), (0.8, 0.4), (d, 0)], d))
    out = [a * 1.6 + b * 0.4 for a, b in zip(w, tone)]
    out.extend(silence(0.45))
    mix(out, sparkle(rng, 0.6, 2637, 7), 0.8, 0.5)
    return out


def technology10(rng):
    """Typewriter: key clacks, the carriage return and the bell."""
    out = silence(1.65)

    def key(g):
        d = 0.05
        n = mul(biquad(noise(d, rng), "bp", 2500, 1.0), perc(d, 0.005, 0.0005))
        body = mul(osc(pitch([(0, 300), (d, 200)], d)), perc(d, 0.01, 0.0005))
        return [g * (a + 0.8 * b) for a, b in zip(n, body)]

    for t in (0.0, 0.11, 0.19, 0.33, 0.42):
        mix(out, key(rng.uniform(0.7, 1.0)), t)
    t = 0.55
    for k in range(14):
        mix(out, key(0.25), t + k * 0.017)
    mix(out, bell(midi(91), 1.0, 0.7), 0.72, 0.8)
    return out


# --- transport --------------------------------------------------------------

def transport1(rng):
    """Car horn: a friendly two-tone beep-beep."""
    out = silence(0.85)
    for t, d in ((0.0, 0.15), (0.24, 0.4)):
        tone = [a + b for a, b in zip(osc(415, d, "saw"), osc(523, d, "saw"))]
        tone = drive(formants(tone, [(900, 1.5, 1.0), (2000, 2, 0.5)]), 1.5)
        tone = biquad(tone, "lp", 2800)
        mix(out, mul(tone, env([(0, 0), (0.01, 1), (d - 0.03, 1), (d, 0)], d)), t, 0.5)
    return out


def transport2(rng):
    """Bicycle bell: ring-ring."""
    out = silence(1.35)
    parts = ((1.0, 1.0, 0.5), (1.013, 0.8, 0.5), (1.59, 0.5, 0.25),
             (2.13, 0.35, 0.15), (2.9, 0.15, 0.08))

    def ring(t0):
        for k in range(7):
            g = 0.5 + 0.3 * math.sin(math.pi * k / 6)
            mix(out, partials(2300, 0.7, parts, 0.0005), t0 + k * 0.04, g * 0.4)

    ring(0.0)
    ring(0.45)
    return out


def transport3(rng):
    """Train whistle: toot, tooooot, on a bright major chord."""
    out = silence(1.4)
    chord = (midi(69), midi(73), midi(76))

    def toot(d):
        acc = [0.0] * ns(d)
        for f in chord:
            fr = pitch([(0, f * 0.94), (0.07, f), (d, f)], d)
            s = [a + 0.2 * b + 0.1 * c for a, b, c in
                 zip(osc(fr), osc([x * 2 for x in fr]), osc([x * 3 for x in fr]))]
            br = biquad(noise(d, rng), "bp", f * 2, 4)
            for i in range(len(acc)):
                acc[i] += s[i] + 0.25 * br[i]
        return mul(acc, env([(0, 0), (0.05, 1), (d - 0.08, 0.9), (d, 0)], d))

    mix(out, toot(0.25), 0.0)
    mix(out, toot(0.85), 0.36)
    return reverb(out, 0.25, tail=0.0)[:ns(1.4)]


def transport4(rng):
    """Ship: a deep horn, then a rising three-note chime."""
    out = silence(1.75)
    d = 0.9
    horn = [a + 0.7 * b for a, b in zip(osc(vibrato(98, d, 3, 0.003), shape="saw"),
                                        osc(vibrato(147, d, 3, 0.003), shape="saw"))]
    horn = biquad(horn, "lp", env([(0, 200), (0.2, 900), (0.7, 800), (d, 300)], d), 1.2)
    mix(out, mul(horn, env([(0, 0), (0.12, 1), (0.7, 0.9), (d, 0)], d)), 0.0, 0.8)
    for k, m in enumerate((76, 79, 84)):
        mix(out, vibes(midi(m), 0.93 - k * 0.17), 0.82 + k * 0.17, 0.45)
    return reverb(out, 0.2, tail=0.0)[:ns(1.75)]


def transport5(rng):
    """Steam train: chuff-chuff-chuff speeding up, and a short whistle."""
    out = silence(1.7)
    t = 0.0
    gap = 0.2
    k = 0
    while t < 1.05:
        d = 0.14
        c = biquad(noise(d, rng), "bp", 700 if k % 2 == 0 else 900, 1.0)
        c = mul(c, env([(0, 0), (0.005, 1), (0.03, 0.6), (d, 0)], d))
        mix(out, c, t, 0.9 if k % 2 == 0 else 0.6)
        t += gap
        gap = max(0.1, gap * 0.9)
        k += 1
    d = 0.5
    for f in (midi(81), midi(85), midi(88)):
        fr = pitch([(0, f * 0.95), (0.05, f), (d, f)], d)
        mix(out, mul(osc(fr), env([(0, 0), (0.04, 1), (d - 0.1, 0.9), (d, 0)], d)), 1.15, 0.3)
    return out


def transport6(rng):
    """Aeroplane: engines spool up and the plane takes off with a whoosh."""
    d = 1.65
    n = noise(d, rng)
    w = biquad(n, "lp", pitch([(0, 300), (1.0, 2500), (d, 1200)], d), 1.5)
    whine = osc(pitch([(0, 350), (1.1, 1100), (d, 1000)], d), shape="saw")
    whine = biquad(whine, "lp", 2500)
    hum = osc(pitch([(0, 90), (1.2, 160), (d, 150)], d), shape="saw")
    hum = biquad(hum, "lp", 500)
    e = env([(0, 0), (0.5, 0.5), (1.05, 1.0), (1.35, 0.7), (d, 0)], d)
    return mul([0.8 * a + 0.25 * b + 0.35 * c for a, b, c in zip(w, whine, hum)], e)


def transport7(rng):
    """Bus: the door hisses open and the ding-dong chime plays."""
    out = silence(1.55)
    d = 0.3
    hiss = mul(biquad(noise(d, rng), "hp", 3000), env([(0, 0), (0.02, 1), (0.1, 0.6), (d, 0)], d))
    mix(out, hiss, 0.0, 0.25)
    mix(out, vibes(midi(76), 1.2), 0.25, 0.6)
    mix(out, vibes(midi(72), 1.0), 0.55, 0.6)
    return reverb(out, 0.2, tail=0.0)[:ns(1.55)]


def transport8(rng):
    """Siren, cheerful: a short hi-lo two-tone that ends high."""
    out = silence(1.2)
    seq = (79, 84, 79, 84, 79, 86)
    d = 0.17
    pts = []
    for k, m in enumerate(seq):
        pts += [(k * d + 0.015, midi(m)), ((k + 1) * d, midi(m))]
    total = d * len(seq)
    fr = vibrato(pitch(pts, total), total, 7, 0.008)
    s = [0.7 * a + 0.3 * b for a, b in zip(osc(fr, shape="tri"), osc(fr, shape="square"))]
    s = biquad(s, "lp", 2500)
    e = env([(0, 0), (0.02, 1), (total - 0.12, 1), (total, 0)], total)
    mix(out, mul(s, e), 0.0, 0.7)
    return out


def transport9(rng):
    """Racing car: revs through a gear change and zooms past."""
    d = 1.45
    rpm = pitch([(0, 80), (0.5, 210), (0.56, 140), (1.0, 260), (1.1, 270), (d, 190)], d)
    s = [0.6 * a + 0.4 * b for a, b in zip(osc(rpm, shape="saw"),
                                          osc([f * 0.5 for f in rpm], shape="square"))]
    s = drive(s, 1.5)
    s = biquad(s, "lp", [300 + f * 4 for f in rpm], 1.8)
    s = biquad(s, "lp", 2500)
    e = env([(0, 0), (0.1, 0.6), (0.5, 0.9), (0.53, 0.6), (1.05, 1.0), (d, 0)], d)
    return mul(s, e)


def transport10(rng):
    """Tram bell: a heavy double 'ding ding'."""
    out = silence(1.5)
    parts = ((1.0, 1.0, 0.7), (2.32, 0.5, 0.4), (2.95, 0.4, 0.3), (4.2, 0.2, 0.15),
             (5.4, 0.1, 0.08))
    for t, g in ((0.0, 0.8), (0.3, 0.9)):
        mix(out, partials(1050, 1.2, parts, 0.0008), t, g)
        mix(out, mul(biquad(noise(0.02, rng), "bp", 4000, 1), perc(0.02, 0.002)), t, 0.3)
    return out


# ----------------------------------------------------------------------------
# Finishing, file I/O and the check
# ----------------------------------------------------------------------------

def finish(x, fade_in=0.006, fade_out=0.04):
    """Remove DC, fade the edges, normalise, and cap loudness."""
    x = biquad(x, "hp", 30)
    limit = ns(MAX_SECONDS - 0.05)
    x = x[:limit]
    n = len(x)
    fi = ns(fade_in)
    for i in range(fi):
        x[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fi)
    end_fade(x, fade_out)
    peak = max(abs(v) for v in x) or 1.0
    gain = 10 ** (PEAK_DBFS / 20) / peak
    win = ns(0.1)
    loud = max(math.sqrt(sum(v * v for v in x[i:i + win]) / win)
               for i in range(0, max(1, n - win), win // 2))
    cap = 10 ** (LOUD_CAP_DBFS / 20)
    if loud * gain > cap:
        gain = cap / loud
    return [v * gain for v in x]


def read_wav(path):
    with wave.open(path, "rb") as w:
        assert w.getsampwidth() == 2, path
        ch, rate = w.getnchannels(), w.getframerate()
        data = array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        data.byteswap()
    x = [v / 32768.0 for v in data[::ch]]
    if rate != SR:  # linear resampling is plenty for speech
        ratio = rate / SR
        m = int(len(x) / ratio)
        x = [x[min(int(i * ratio), len(x) - 1)] for i in range(m)]
    return x


def write_wav(path, x):
    data = array("h", (max(-32767, min(32767, int(round(v * 32767)))) for v in x))
    if sys.byteorder == "big":
        data.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(data.tobytes())


def builders():
    table = {}
    g = globals()
    for s in SETS:
        for n in range(1, 11):
            if s == "people":
                table[f"{s}{n}"] = (lambda rng, n=n: people(n, rng))
            else:
                table[f"{s}{n}"] = g[f"{s}{n}"]
    return table


def generate(outdir, only=None):
    os.makedirs(outdir, exist_ok=True)
    for name, build in builders().items():
        if only and name not in only:
            continue
        rng = random.Random(name)
        x = finish(build(rng))
        write_wav(os.path.join(outdir, name + ".wav"), x)
        print(f"  wrote {name}.wav", flush=True)


def sox_levels(path):
    """Peak and RMS in dBFS according to `sox FILE -n stat`."""
    r = subprocess.run(["sox", path, "-n", "stat"], capture_output=True, text=True)
    vals = {}
    for line in r.stderr.splitlines():
        if ":" in line:
            k, v = line.rsplit(":", 1)
            try:
                vals[k.strip()] = float(v)
            except ValueError:
                pass
    peak = max(abs(vals.get("Maximum amplitude", 0)), abs(vals.get("Minimum amplitude", 0)))
    rms = vals.get("RMS     amplitude", vals.get("RMS amplitude", 0))

    def db(v):
        return 20 * math.log10(v) if v > 0 else float("-inf")
    return db(peak), db(rms)


def check(outdir):
    problems = []
    total = 0
    durations = []
    have_sox = shutil.which("sox") is not None
    print(f"{'file':<18}{'seconds':>8}{'bytes':>9}{'peak dB':>9}{'rms dB':>8}")
    for s in SETS:
        for n in range(1, 11):
            name = f"{s}{n}.wav"
            path = os.path.join(outdir, name)
            if not os.path.exists(path):
                problems.append(f"{name}: missing")
                continue
            size = os.path.getsize(path)
            total += size
            try:
                with wave.open(path, "rb") as w:
                    ok = (w.getsampwidth() == 2 and w.getcomptype() == "NONE"
                          and w.getnchannels() >= 1)
                    secs = w.getnframes() / w.getframerate()
            except (wave.Error, EOFError) as e:
                problems.append(f"{name}: not a readable WAV ({e})")
                continue
            if not ok:
                problems.append(f"{name}: not 16-bit PCM")
            if secs >= MAX_SECONDS:
                problems.append(f"{name}: {secs:.2f} s is too long")
            durations.append(secs)
            peak = rms = float("nan")
            if have_sox:
                peak, rms = sox_levels(path)
                if not -6.0 <= peak <= -0.5:
                    problems.append(f"{name}: peak {peak:.1f} dBFS out of range")
                if not -35.0 <= rms <= -6.0:
                    problems.append(f"{name}: RMS {rms:.1f} dBFS out of range"
                                    " (silent or too loud?)")
            print(f"{name:<18}{secs:8.2f}{size:9d}{peak:9.1f}{rms:8.1f}")
    print(f"total {total} bytes ({total / 1048576:.2f} MiB) in {len(durations)} files", end="")
    if durations:
        print(f", durations {min(durations):.2f} to {max(durations):.2f} s")
    else:
        print()
    if total >= MAX_TOTAL_BYTES:
        problems.append(f"total size {total} bytes is not under 5 MiB")
    if not have_sox:
        problems.append("sox not found: levels not checked")
    for p in problems:
        print("PROBLEM:", p)
    return 1 if problems else 0


def main(argv):
    if len(argv) < 3 or argv[1] not in ("generate", "check"):
        print(__doc__.strip())
        return 2
    if argv[1] == "generate":
        generate(argv[2], set(argv[3:]) or None)
        return 0
    return check(argv[2])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
