#!/usr/bin/env bash
# Makes the default alarm music: an original, gentle music-box waltz in C major
# (about 30 s) with a soft marimba-like accompaniment, synthesised from scratch
# by the embedded python3 (standard library only), then given a light reverb,
# peak-normalised to -3 dBFS and faded out with sox, and encoded by ffmpeg to
# resources/sound/爱的纪念.mp3 (libmp3lame, 128 kbps) and resources/sound/爱的纪念.wma
# (wmav2 in ASF). The generated files are committed, so building never needs
# these tools; rerun this script only to change the music.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out_dir="$root/resources/sound"
name="爱的纪念"

for tool in python3 sox ffmpeg; do
  command -v "$tool" >/dev/null || {
    echo "missing $tool; try: apt-get install -y sox libsox-fmt-all ffmpeg python3" >&2
    exit 1
  }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 - "$work/dry.wav" <<'PY'
import array, math, sys, wave

RATE = 44100
BEAT = 60.0 / 108  # waltz, 3 beats a bar

def hz(note):
    names = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
    semis = names[note[0]] + (1 if "#" in note else 0)
    octave = int(note[-1])
    return 440.0 * 2 ** ((semis + 12 * (octave + 1) - 69) / 12)

# Melody: one bar per line, (note, beats).
melody = [
    [("E5", 1), ("G5", 1), ("C6", 1)],
    [("A5", 1.5), ("G5", .5), ("E5", 1)],
    [("F5", 1), ("A5", 1), ("C6", 1)],
    [("B5", 2), ("G5", 1)],
    [("C6", 1), ("E6", 1), ("D6", .5), ("C6", .5)],
    [("B5", 1.5), ("G5", .5), ("E5", 1)],
    [("A5", 1), ("G5", .5), ("F5", .5), ("A5", 1)],
    [("G5", 3)],
    [("E6", 1), ("D6", .5), ("C6", .5), ("A5", 1)],
    [("C6", 1), ("A5", .5), ("F5", .5), ("A5", 1)],
    [("G5", 1), ("E5", .5), ("G5", .5), ("C6", 1)],
    [("D6", 2), ("B5", 1)],
    [("A5", 1), ("C6", 1), ("F6", 1)],
    [("E6", 1), ("D6", 1), ("B5", 1)],
    [("C6", 3)],
    [("G5", .5), ("C6", .5), ("E6", 2)],
]
# Waltz accompaniment per bar: bass root, then the chord twice.
chords = [
    ("C3", ["E4", "G4", "C5"]), ("A2", ["E4", "A4", "C5"]),
    ("F2", ["F4", "A4", "C5"]), ("G2", ["D4", "G4", "B4"]),
    ("C3", ["E4", "G4", "C5"]), ("E3", ["E4", "G4", "B4"]),
    ("F2", ["F4", "A4", "C5"]), ("G2", ["D4", "F4", "B4"]),
    ("A2", ["E4", "A4", "C5"]), ("F2", ["F4", "A4", "C5"]),
    ("C3", ["E4", "G4", "C5"]), ("G2", ["D4", "G4", "B4"]),
    ("F2", ["F4", "A4", "C5"]), ("G2", ["D4", "F4", "B4"]),
    ("C3", ["E4", "G4", "C5"]), ("C3", ["E4", "G4", "C5"]),
]

bars = len(melody)
total = int((bars * 3 * BEAT + 3.5) * RATE)  # room for the last chord to ring
left = array.array("d", bytes(8 * total))
right = array.array("d", bytes(8 * total))

def add(t0, freq, amp, pan, partials, decay, length):
    """Mix one struck note; partials are (ratio, level, extra decay)."""
    start = int(t0 * RATE)
    n = min(int(length * RATE), total - start)
    gl = amp * math.cos(pan * math.pi / 2)
    gr = amp * math.sin(pan * math.pi / 2)
    attack = int(0.004 * RATE)  # soft onset avoids clicks
    release = int(0.05 * RATE)
    w = [2 * math.pi * freq * r / RATE for r, _, _ in partials]
    k = [math.exp(-(decay + d) / RATE) for _, _, d in partials]
    lv = [l for _, l, _ in partials]
    env = [1.0] * len(partials)
    for i in range(n):
        s = 0.0
        for p in range(len(partials)):
            s += lv[p] * env[p] * math.sin(w[p] * i)
            env[p] *= k[p]
        if i < attack:
            s *= i / attack
        elif i > n - release:
            s *= (n - i) / release
        left[start + i] += s * gl
        right[start + i] += s * gr

# Music-box tine: bright but short upper partials over a ringing fundamental.
BOX = [(1.0, 1.0, 0.0), (2.0, 0.22, 3.0), (3.0, 0.06, 6.0), (5.4, 0.03, 14.0)]
# Marimba-like bar: fundamental plus a quickly fading fourth harmonic.
BAR = [(1.0, 1.0, 0.0), (4.0, 0.12, 18.0)]

t = 0.0
for bar in melody:
    for note, beats in bar:
        add(t, hz(note), 0.30, 0.58, BOX, 1.6, max(beats * BEAT, 0.6) + 1.2)
        t += beats * BEAT

for b, (bass, chord) in enumerate(chords):
    t0 = b * 3 * BEAT
    last = b == bars - 1
    add(t0, hz(bass), 0.30, 0.45, BAR, 1.0 if last else 2.2, 3.5 if last else 3 * BEAT + 0.3)
    if last:
        # Final bar: a slow rolled chord that rings out.
        for j, note in enumerate(chord):
            add(t0 + 0.12 * j, hz(note), 0.11, 0.40, BAR, 1.0, 3.4)
        continue
    for beat in (1, 2):
        for note in chord:
            add(t0 + beat * BEAT, hz(note), 0.075, 0.40, BAR, 4.0, BEAT + 0.25)

peak = max(max(map(abs, left)), max(map(abs, right)))
scale = 0.7 * 32767 / peak  # headroom for reverb; sox sets the final level
pcm = array.array("h", [0] * (2 * total))
for i in range(total):
    pcm[2 * i] = int(round(left[i] * scale))
    pcm[2 * i + 1] = int(round(right[i] * scale))
if sys.byteorder == "big":
    pcm.byteswap()
with wave.open(sys.argv[1], "wb") as f:
    f.setnchannels(2)
    f.setsampwidth(2)
    f.setframerate(RATE)
    f.writeframes(pcm.tobytes())
PY

# Gentle room sound, rounded highs, -3 dBFS peak and a fade to silence;
# -R fixes the dither seed so reruns give the same bytes.
sox -q -R "$work/dry.wav" -b 16 "$work/final.wav" \
  lowpass 9000 reverb 35 50 70 gain -3 norm -3 fade t 0.01 -0 2.5 rate 44100

mkdir -p "$out_dir"
common=(-hide_banner -loglevel error -y -fflags +bitexact -i "$work/final.wav"
        -map_metadata -1 -ar 44100 -ac 2)
ffmpeg "${common[@]}" -c:a libmp3lame -b:a 128k -flags +bitexact \
  -id3v2_version 0 -write_xing 1 "$out_dir/$name.mp3"
ffmpeg "${common[@]}" -c:a wmav2 -b:a 128k -flags +bitexact -f asf "$out_dir/$name.wma"

ls -l "$out_dir/$name.mp3" "$out_dir/$name.wma"
