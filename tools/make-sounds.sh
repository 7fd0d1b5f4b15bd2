#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make-sounds.sh - regenerate Brightsum's reward sounds.
#
# Writes the 50 short sounds that play after a right answer:
#   animals1.wav ... animals10.wav      bird song, cuckoo, frog, ducks, owl,
#                                       cat, crickets, woodpecker, bee, cow
#   music1.wav ... music10.wav          guitar, bells, marimba, xylophone,
#                                       flute, trumpets, drums, harp, organ, piano
#   people1.wav ... people10.wav        spoken praise ("Well done!", "Great job!",
#                                       ...) with a chime, twinkle or clapping
#   technology1.wav ... technology10.wav robot, computer, laser, power-up, modem,
#                                       camera, coins, 8-bit tune, whoosh, typewriter
#   transport1.wav ... transport10.wav  car horn, bicycle bell, train whistle,
#                                       ship horn, steam train, aeroplane, bus
#                                       chime, siren, racing car, tram bell
# Each is 16-bit PCM mono WAV at 22050 Hz, shorter than two seconds, faded in
# and out, peak near -3 dBFS.  The synthesis lives in make_sounds.py beside
# this script (Python 3 standard library only); the spoken praise comes from
# espeak-ng.  Output is repeatable: all randomness is seeded.
#
# Usage: tools/make-sounds.sh [OUTPUT_DIR]     (default: ../data/Sounds
#                                               relative to this script)
#
# Needs python3 and these Debian packages:
#   apt-get install -y espeak-ng sox
# (sox is used for the level check at the end.)  Only developers run this;
# the build and CI use the committed WAV files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../data/Sounds}"

missing=()
for tool in python3 espeak-ng sox; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "make-sounds.sh: missing ${missing[*]}" >&2
    echo "on Debian: apt-get install -y espeak-ng sox python3" >&2
    exit 1
fi

mkdir -p "$out"
out="$(cd "$out" && pwd)"

echo "Generating sounds into $out"
python3 "$here/make_sounds.py" generate "$out"

echo
echo "Checking sounds"
python3 "$here/make_sounds.py" check "$out"
