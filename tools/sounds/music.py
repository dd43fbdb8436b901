# SPDX-License-Identifier: GPL-3.0-or-later
# The in-play background tune: sixteen bars of bass, arpeggio, lead and drums that loop seamlessly.
import math
import random

from synth import (RATE, biquad, db_to_gain, envelope, midi_hz, mix_into, mul,
                   noise, peak, pluck, rms, tone)

# A whole number of samples per sixteenth keeps every note boundary (and the loop point) on a sample.
STEP = 2756  # ~120 BPM
STEPS_PER_BAR = 16
TARGET_RMS_DB = -16.0
MAX_PEAK_DB = -1.5

# One chord per half bar; names map to (bass root, arpeggio tones).
CHORDS = {
    "C": (48, (60, 64, 67)),
    "Am": (45, (57, 60, 64)),
    "F": (41, (57, 60, 65)),
    "G": (43, (59, 62, 67)),
    "Em": (40, (59, 64, 67)),
}
PROGRESSION = [
    ("C", "C"), ("Am", "Am"), ("F", "F"), ("G", "G"),
    ("C", "C"), ("Am", "Am"), ("F", "G"), ("C", "C"),
    ("F", "F"), ("G", "G"), ("Em", "Em"), ("Am", "Am"),
    ("F", "F"), ("G", "G"), ("C", "Am"), ("G", "G"),
]

# Lead line as (midi note or None for a rest, length in sixteenths); each bar sums to 16.
MELODY = [
    [(76, 4), (79, 2), (76, 2), (72, 4), (74, 2), (76, 2)],
    [(72, 4), (69, 4), (76, 6), (None, 2)],
    [(77, 4), (81, 2), (77, 2), (72, 4), (77, 2), (76, 2)],
    [(74, 4), (71, 2), (74, 2), (79, 6), (None, 2)],
    [(76, 2), (77, 2), (79, 4), (84, 4), (79, 4)],
    [(81, 4), (79, 2), (76, 2), (72, 4), (76, 4)],
    [(77, 2), (76, 2), (74, 2), (72, 2), (74, 2), (67, 2), (71, 2), (74, 2)],
    [(72, 12), (None, 4)],
    [(81, 4), (84, 4), (81, 2), (79, 2), (77, 4)],
    [(79, 4), (74, 4), (71, 2), (74, 2), (79, 4)],
    [(76, 4), (79, 2), (83, 2), (79, 4), (76, 4)],
    [(81, 6), (79, 2), (76, 4), (72, 4)],
    [(77, 2), (79, 2), (81, 4), (84, 4), (81, 4)],
    [(83, 4), (81, 2), (79, 2), (74, 4), (71, 4)],
    [(72, 4), (76, 4), (81, 4), (76, 4)],
    [(74, 4), (71, 2), (72, 2), (74, 6), (None, 2)],
]

ARP_ORDER = (0, 1, 2, 1)
BASS_PATTERN = (0, 0, 7, 12)  # per eighth note within a half bar


def _note(freq, steps, shape, duty, env_fn, **osc):
    n = steps * STEP
    return mul(tone(freq, n, shape, duty, **osc), env_fn(n))


def _lead(buf):
    step = 0
    for bar in MELODY:
        for note, length in bar:
            if note is not None:
                n = length * STEP
                osc = tone(midi_hz(note), n, "pulse", 0.25, vibrato_depth=0.12,
                           vibrato_rate=5.0, vibrato_delay=0.18)
                env = envelope(n, attack=0.008, decay=0.15, sustain=0.7, release=0.04)
                mix_into(buf, mul(osc, env), step * STEP, 0.26)
            step += length


def _arpeggio(buf):
    for bar, halves in enumerate(PROGRESSION):
        for s in range(STEPS_PER_BAR):
            _, tones = CHORDS[halves[s // 8]]
            note = tones[ARP_ORDER[s % 4]] + (12 if s % 8 >= 4 else 0)
            wave_ = _note(midi_hz(note), 1, "pulse", 0.125,
                          lambda n: pluck(n, tau=0.05, release=0.01))
            mix_into(buf, wave_, (bar * STEPS_PER_BAR + s) * STEP, 0.09)


def _bass(buf):
    for bar, halves in enumerate(PROGRESSION):
        for e in range(8):
            root, _ = CHORDS[halves[e // 4]]
            note = root + BASS_PATTERN[e % 4]
            wave_ = _note(midi_hz(note), 2, "triangle", 0.5,
                          lambda n: envelope(n, attack=0.004, decay=0.12, sustain=0.55,
                                             release=0.03))
            mix_into(buf, wave_, (bar * STEPS_PER_BAR + e * 2) * STEP, 0.42)


def _drum_kit():
    rng = random.Random(7)
    n = STEP
    kick = tone(140.0, n, "sine", glide_to=45.0)
    kick = mul(kick, pluck(n, attack=0.001, tau=0.06, release=0.02))
    body = mul(tone(190.0, n, "triangle"), pluck(n, attack=0.001, tau=0.03, release=0.02))
    snap = biquad(noise(n, rng), "bandpass", 2200.0, 0.8)
    snare = [b * 0.5 + s * 1.6 for b, s in
             zip(body, mul(snap, pluck(n, attack=0.001, tau=0.05, release=0.02)))]
    hat = biquad(noise(n, rng), "highpass", 7000.0, 0.7)
    hat = mul(hat, pluck(n, attack=0.001, tau=0.015, release=0.02))
    return kick, snare, hat


def _drums(buf):
    kick, snare, hat = _drum_kit()
    for bar in range(len(PROGRESSION)):
        fill = bar in (7, 15)
        for s in range(STEPS_PER_BAR):
            at = (bar * STEPS_PER_BAR + s) * STEP
            if s in (0, 8) or (s == 10 and bar % 2):
                mix_into(buf, kick, at, 0.55)
            if s in (4, 12):
                mix_into(buf, snare, at, 0.22)
            elif fill and s in (13, 14, 15):
                mix_into(buf, snare, at, 0.10 + 0.03 * (s - 13))
            if s % 2 == 0:
                mix_into(buf, hat, at, 0.10 if s % 4 == 2 else 0.06)


def _dc_block(x, pole=0.995):
    # Run twice around the loop so the filter state at the start matches the state at the end.
    n = len(x)
    y = 0.0
    prev = x[-1]
    out = [0.0] * n
    for _ in range(2):
        for i in range(n):
            y = x[i] - prev + pole * y
            prev = x[i]
            out[i] = y
    return out


def render():
    total = len(PROGRESSION) * STEPS_PER_BAR * STEP
    buf = [0.0] * total
    _bass(buf)
    _arpeggio(buf)
    _lead(buf)
    _drums(buf)
    buf = _dc_block(buf)
    # Aim for the RMS target but never let beat-aligned hits push the peak too close to full scale.
    g = min(db_to_gain(TARGET_RMS_DB) / rms(buf), db_to_gain(MAX_PEAK_DB) / peak(buf))
    return [v * g for v in buf]


if __name__ == "__main__":
    x = render()
    print(len(x) / RATE, "s", 20 * math.log10(max(abs(v) for v in x)), "dB peak")
