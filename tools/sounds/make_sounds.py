#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Generates Kelvaro's seven WAV sounds into assets/sounds/ (run with --check to verify them instead).
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

import random  # noqa: E402
from pathlib import Path  # noqa: E402

import check_sounds  # noqa: E402
import music  # noqa: E402
from synth import (biquad, envelope, finish_effect, midi_hz, mix_into, mul,  # noqa: E402
                   noise, pluck, samples, tone, write_wav)

OUT_DIR = Path(__file__).resolve().parents[2] / "assets" / "sounds"


def _voice(note, seconds, shape="pulse", duty=0.5, env=None, **osc):
    n = samples(seconds)
    wave_ = tone(midi_hz(note), n, shape, duty, **osc)
    return mul(wave_, env(n) if env else envelope(n))


def _brass(note, seconds, **osc):
    # Saw plus pulse through a lowpass reads as a small chip-brass section.
    n = samples(seconds)
    saw = tone(midi_hz(note), n, "saw", **osc)
    sq = tone(midi_hz(note) * 1.003, n, "pulse", 0.35, **osc)
    raw = biquad([a * 0.6 + b * 0.4 for a, b in zip(saw, sq)], "lowpass", 3200.0, 0.9)
    return mul(raw, envelope(n, attack=0.012, decay=0.08, sustain=0.75, release=0.05))


def make_ready():
    buf = [0.0] * samples(0.50)
    for i, note in enumerate((72, 76, 79)):
        blip = _voice(note, 0.065, duty=0.25, env=lambda n: envelope(n, 0.002, release=0.015))
        mix_into(buf, blip, samples(0.07 * i), 0.8)
    final = _voice(84, 0.29, duty=0.25, glide_to=midi_hz(86),
                   env=lambda n: pluck(n, tau=0.12, release=0.04),
                   vibrato_depth=0.2, vibrato_rate=9.0, vibrato_delay=0.05)
    sparkle = _voice(96, 0.29, "sine", env=lambda n: pluck(n, tau=0.06, release=0.04))
    mix_into(buf, final, samples(0.21), 0.8)
    mix_into(buf, sparkle, samples(0.21), 0.25)
    return finish_effect(buf, -3.0)


def make_start_fanfare():
    buf = [0.0] * samples(1.30)
    # Three quick pickups, a held step up, then the tonic chord with a little vibrato.
    phrase = [(0.00, 0.09, (67, 60)), (0.10, 0.09, (67, 60)), (0.20, 0.09, (67, 60)),
              (0.30, 0.24, (72, 64)), (0.55, 0.12, (71, 67)), (0.68, 0.60, (72, 76, 79))]
    for start, length, notes in phrase:
        for note in notes:
            held = length > 0.5
            voice = _brass(note, length, vibrato_depth=0.15 if held else 0.0,
                           vibrato_rate=6.0, vibrato_delay=0.12)
            mix_into(buf, voice, samples(start), 0.5)
    return finish_effect(buf, -3.0)


def make_moving():
    rng = random.Random(11)
    n = samples(0.20)
    body = biquad(biquad(noise(n, rng), "bandpass", 650.0, 0.7), "lowpass", 1800.0)
    # Slow random wobble in level makes it read as grit dragging rather than a hiss.
    grain = biquad(noise(n, rng), "lowpass", 35.0, 0.7)
    scale = max(abs(g) for g in grain) or 1.0
    wobble = [0.65 + 0.35 * g / scale for g in grain]
    env = envelope(n, attack=0.03, decay=0.17, sustain=0.0, release=0.0)
    thud = mul(tone(95.0, n, "triangle", glide_to=70.0), pluck(n, tau=0.04, release=0.02))
    x = [b * w * e + 0.25 * t for b, w, e, t in zip(body, wobble, env, thud)]
    return finish_effect(x, -12.0, fade_in=0.004, fade_out=0.01)


def make_hurry_up():
    buf = [0.0] * samples(0.84)
    for rep in range(3):
        for k, note in enumerate((83, 78)):
            beep = _voice(note, 0.12, duty=0.5, env=lambda n: envelope(n, 0.003, release=0.012))
            mix_into(buf, beep, samples(rep * 0.28 + k * 0.125), 0.7)
    # Bare squares are harsh and far louder than the other effects at the same peak.
    return finish_effect(biquad(buf, "lowpass", 3000.0), -8.0)


def make_win():
    buf = [0.0] * samples(1.60)
    run = (72, 76, 79, 84, 79, 84, 88)
    for i, note in enumerate(run):
        blip = _voice(note, 0.085, duty=0.25, env=lambda n: pluck(n, tau=0.07, release=0.015))
        mix_into(buf, blip, samples(0.09 * i), 0.6)
    start = samples(0.09 * len(run))
    for note, duty in ((72, 0.5), (76, 0.25), (79, 0.25), (84, 0.125)):
        held = _voice(note, 0.95, duty=duty, env=lambda n: pluck(n, tau=0.5, release=0.12),
                      vibrato_depth=0.12, vibrato_rate=6.0, vibrato_delay=0.15)
        mix_into(buf, held, start, 0.3)
    return finish_effect(buf, -3.0)


def make_lose():
    buf = [0.0] * samples(1.60)
    # C minor, stepping down and sagging in pitch as it goes.
    steps = [(72, 0.22), (67, 0.22), (63, 0.22)]
    at = 0.0
    for note, length in steps:
        n = samples(length)
        v = tone(midi_hz(note), n, "pulse", 0.5, glide_to=midi_hz(note - 0.4))
        v = mul(v, envelope(n, 0.005, decay=0.1, sustain=0.6, release=0.03))
        mix_into(buf, biquad(v, "lowpass", 2000.0), samples(at), 0.55)
        at += length + 0.02
    n = samples(0.85)
    tail = tone(midi_hz(60), n, "pulse", 0.5, glide_to=midi_hz(53),
                vibrato_depth=0.3, vibrato_rate=5.0, vibrato_delay=0.15)
    under = tone(midi_hz(48), n, "triangle", glide_to=midi_hz(41))
    env = envelope(n, 0.008, decay=0.6, sustain=0.3, release=0.2)
    tail = biquad([a * 0.5 + b * 0.8 for a, b in zip(tail, under)], "lowpass", 1600.0)
    mix_into(buf, mul(tail, env), samples(at), 0.6)
    # Its sustained tail is dense, so a lower peak keeps it level with the other effects.
    return finish_effect(buf, -5.0)


SOUNDS = {
    "ready.wav": make_ready,
    "sfyrixtra.wav": make_start_fanfare,
    "moving.wav": make_moving,
    "hurryup.wav": make_hurry_up,
    "win.wav": make_win,
    "lose.wav": make_lose,
    "music.wav": music.render,
}


def main(argv):
    if "--check" in argv:
        return check_sounds.check_all(OUT_DIR)
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    for name, make in SOUNDS.items():
        write_wav(OUT_DIR / name, make())
        print("wrote", OUT_DIR / name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
