#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Verifies the generated WAVs are in the format, length and level the game expects.
import sys

sys.dont_write_bytecode = True

import math  # noqa: E402
from pathlib import Path  # noqa: E402

from synth import FULL_SCALE, RATE, read_wav  # noqa: E402

# name: (min seconds, max seconds)
LENGTHS = {
    "ready.wav": (0.3, 0.6),
    "sfyrixtra.wav": (0.7, 1.5),
    "moving.wav": (0.12, 0.3),
    "hurryup.wav": (0.6, 1.2),
    "win.wav": (1.0, 2.0),
    "lose.wav": (1.0, 2.0),
    "music.wav": (20.0, 40.0),
}
MAX_PEAK = 29000           # about -1 dBFS
MAX_DC = 0.001             # fraction of full scale
NEAR_ZERO = 100            # about -50 dBFS: ends this quiet cannot click
AUDIBLE = FULL_SCALE * 0.01  # -40 dBFS
MAX_LEAD_SILENCE = 0.03    # effects must start promptly when triggered
MAX_TAIL_SILENCE = 0.10
MAX_MUSIC_RMS_DB = -12.0   # the music sits under the effects


def _db(v):
    return 20.0 * math.log10(v / FULL_SCALE) if v > 0 else -float("inf")


def _loop_problems(x):
    steps = [abs(b - a) for a, b in zip(x, x[1:])]
    typical = sum(steps) / len(steps)
    jump = abs(x[0] - x[-1])
    # Slope across the seam should match the slope just before it, as anywhere else in the file.
    bend = abs((x[0] - x[-1]) - (x[-1] - x[-2]))
    bends = [abs((c - b) - (b - a)) for a, b, c in zip(x, x[1:], x[2:])]
    typical_bend = sum(bends) / len(bends)
    problems = []
    if jump > typical:
        problems.append("loop jump %d > typical step %.1f" % (jump, typical))
    if bend > 2 * typical_bend:
        problems.append("loop slope break %d > 2 x typical %.1f" % (bend, typical_bend))
    return problems, "loop jump %d (typical step %.1f)" % (jump, typical)


def check_file(path, lo, hi, is_music):
    (rate, channels, width), x = read_wav(path)
    if (rate, channels, width) != (RATE, 1, 2):
        return ["format %d Hz, %d ch, %d bytes" % (rate, channels, width)], path.name
    if not x:
        return ["empty"], path.name
    problems = []
    seconds = len(x) / RATE
    pk = max(abs(v) for v in x)
    rms = math.sqrt(sum(v * v for v in x) / len(x))
    mean = sum(x) / len(x) / FULL_SCALE
    if not lo <= seconds <= hi:
        problems.append("length %.3f s outside %.2f-%.2f" % (seconds, lo, hi))
    if pk > MAX_PEAK:
        problems.append("peak %d > %d" % (pk, MAX_PEAK))
    if abs(mean) > MAX_DC:
        problems.append("DC %.5f" % mean)
    if abs(x[0]) > NEAR_ZERO or abs(x[-1]) > NEAR_ZERO:
        problems.append("ends not silent (%d, %d)" % (x[0], x[-1]))
    extra = ""
    if is_music:
        if _db(rms) > MAX_MUSIC_RMS_DB:
            problems.append("music RMS %.1f dBFS too loud" % _db(rms))
        loop, extra = _loop_problems(x)
        problems += loop
    else:
        loud = [i for i, v in enumerate(x) if abs(v) >= AUDIBLE]
        if not loud or loud[0] / RATE > MAX_LEAD_SILENCE:
            problems.append("slow start")
        elif (len(x) - 1 - loud[-1]) / RATE > MAX_TAIL_SILENCE:
            problems.append("silent tail %.3f s" % ((len(x) - 1 - loud[-1]) / RATE))
    line = "%-14s %6.3f s  peak %6.1f dBFS  RMS %6.1f dBFS  DC %+.5f  %s" % (
        path.name, seconds, _db(pk), _db(rms), mean, extra)
    return problems, line


def check_all(directory):
    failures = 0
    for name, (lo, hi) in LENGTHS.items():
        path = Path(directory) / name
        if not path.exists():
            print("%-14s MISSING" % name)
            failures += 1
            continue
        problems, line = check_file(path, lo, hi, name == "music.wav")
        print(line.rstrip() + ("  FAIL: " + "; ".join(problems) if problems else "  ok"))
        failures += bool(problems)
    return 1 if failures else 0


if __name__ == "__main__":
    root = Path(__file__).resolve().parents[2]
    sys.exit(check_all(Path(sys.argv[1]) if len(sys.argv) > 1 else root / "assets" / "sounds"))
