# SPDX-License-Identifier: GPL-3.0-or-later
# Tiny sample-level synthesiser (oscillators, envelopes, filters, WAV output) for Kelvaro's sounds.
import math
import struct
import wave

RATE = 22050
FULL_SCALE = 32767
TWO_PI = 2.0 * math.pi


def samples(seconds):
    return int(round(seconds * RATE))


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def db_to_gain(db):
    return 10.0 ** (db / 20.0)


def _blep(t, dt):
    # PolyBLEP step correction: at 22 kHz a naive square folds loud aliases back into the audible band.
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def tone(freq, length, shape="pulse", duty=0.5, glide_to=None,
         vibrato_depth=0.0, vibrato_rate=5.5, vibrato_delay=0.0):
    """`length` samples of an oscillator; pitch may glide exponentially to glide_to (Hz)."""
    out = [0.0] * length
    phase = 0.0
    ratio = 1.0 if glide_to is None else glide_to / freq
    delay = samples(vibrato_delay)
    dc = 2.0 * duty - 1.0  # an asymmetric pulse carries DC; subtract it so notes don't thump
    for i in range(length):
        f = freq * ratio ** (i / length) if glide_to is not None else freq
        if vibrato_depth and i >= delay:
            ramp = min(1.0, (i - delay) / (0.15 * RATE))
            lfo = math.sin(TWO_PI * vibrato_rate * (i - delay) / RATE)
            f *= 2.0 ** (vibrato_depth * ramp * lfo / 12.0)
        dt = f / RATE
        if shape == "pulse":
            v = 1.0 if phase < duty else -1.0
            v += _blep(phase, dt)
            v -= _blep((phase - duty) % 1.0, dt)
            v -= dc
        elif shape == "saw":
            v = 2.0 * phase - 1.0 - _blep(phase, dt)
        elif shape == "triangle":
            v = 1.0 - 4.0 * abs(phase - 0.5)
        else:
            v = math.sin(TWO_PI * phase)
        out[i] = v
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
    return out


def noise(length, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(length)]


def envelope(length, attack=0.005, decay=0.0, sustain=1.0, release=0.02):
    """ADSR gains whose first and last values are exactly zero, so notes butt together without clicks."""
    r = min(samples(release), length)
    a = min(samples(attack), length - r)
    d = samples(decay)
    out = [0.0] * length
    for i in range(length):
        if i < a:
            g = i / a
        elif d and i < a + d:
            g = 1.0 - (1.0 - sustain) * (i - a) / d
        else:
            g = sustain
        if i >= length - r:
            g *= (length - 1 - i) / max(1, r - 1)
        out[i] = g
    return out


def pluck(length, attack=0.002, tau=0.08, release=0.01):
    """Fast attack, exponential decay, forced to zero at the end."""
    env = envelope(length, attack=attack, release=release)
    a = samples(attack)
    for i in range(a, length):
        env[i] *= math.exp(-(i - a) / (tau * RATE))
    return env


def mul(a, b):
    return [x * y for x, y in zip(a, b)]


def mix_into(dest, src, offset=0, gain=1.0, wrap=False):
    n = len(dest)
    for i, v in enumerate(src):
        j = offset + i
        if j >= n:
            if not wrap:
                break
            j %= n
        dest[j] += v * gain


def biquad(x, kind, freq, q=0.707):
    """RBJ cookbook biquad (lowpass, highpass or bandpass)."""
    w = TWO_PI * freq / RATE
    cw, alpha = math.cos(w), math.sin(w) / (2.0 * q)
    if kind == "lowpass":
        b = [(1 - cw) / 2, 1 - cw, (1 - cw) / 2]
    elif kind == "highpass":
        b = [(1 + cw) / 2, -(1 + cw), (1 + cw) / 2]
    else:
        b = [alpha, 0.0, -alpha]
    a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    b0, b1, b2 = b[0] / a0, b[1] / a0, b[2] / a0
    a1, a2 = a1 / a0, a2 / a0
    out = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(x):
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, y
        out[i] = y
    return out


def peak(x):
    return max(abs(v) for v in x)


def rms(x):
    return math.sqrt(sum(v * v for v in x) / len(x))


def finish_effect(x, peak_db=-3.0, fade_in=0.003, fade_out=0.008, floor_db=-60.0):
    """Trim silent tail, fade both ends, zero the mean and normalise the peak."""
    floor = peak(x) * db_to_gain(floor_db)
    end = len(x)
    while end > 1 and abs(x[end - 1]) < floor:
        end -= 1
    x = x[:end]
    n = len(x)
    fi, fo = max(2, samples(fade_in)), max(2, samples(fade_out))
    window = [1.0] * n
    for i in range(fi):
        window[i] = i / (fi - 1)
    for i in range(fo):
        window[n - 1 - i] = min(window[n - 1 - i], i / (fo - 1))
    x = mul(x, window)
    # Remove DC shaped by the window so the faded ends stay at exactly zero.
    c = sum(x) / sum(window)
    x = [v - c * w for v, w in zip(x, window)]
    g = db_to_gain(peak_db) / peak(x)
    return [v * g for v in x]


def write_wav(path, x):
    ints = [max(-FULL_SCALE, min(FULL_SCALE, int(round(v * FULL_SCALE)))) for v in x]
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(ints), *ints))


def read_wav(path):
    with wave.open(str(path), "rb") as w:
        params = (w.getframerate(), w.getnchannels(), w.getsampwidth())
        raw = w.readframes(w.getnframes())
    if params[2] != 2:
        return params, []
    return params, list(struct.unpack("<%dh" % (len(raw) // 2), raw))
