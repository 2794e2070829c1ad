#!/usr/bin/env bash
# Times `drapier-cli pack` against `zip -8 -X` packing the same skin file and its picture, each run as a
# process, start-up included, and prints the sizes, the medians and their ratio for two pictures: a 1 MB
# PNG of noise (goal: a ratio of 1.2 or less), and a file of 64 KiB of noise followed by 2 MiB of zeros
# (goal: a ratio of 1.0 or less and a package no larger than zip's; a decision taken from the start of
# the file alone would store it whole). The ratio with each program's start-up (packing a 100-byte
# picture) taken off both sides is printed too. drapier-cli syncs the package to disk before renaming it
# into place and zip does not, so on a busy disk that wait weighs on drapier-cli's side.
# Usage: bench/pack_vs_zip.sh [PATH/TO/drapier-cli] [RUNS]   (build with -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
cd "$(dirname "$0")/.."

cli=${1:-build/release/src/drapier-cli}
runs=${2:-15}
[ -x "$cli" ] || { echo "pack_vs_zip: no drapier-cli at $cli" >&2; exit 2; }
command -v zip >/dev/null || { echo "pack_vs_zip: zip is not installed" >&2; exit 2; }
cli=$(realpath "$cli")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/plain/plain.ini "$work/plain.ini"
# A 1 MB PNG of noise (hardly compressible, as photographic skin pictures are), under the skin's name.
python3 - "$work/plain.png" <<'PY'
import random, struct, sys, zlib
w, h = 512, 512
rng = random.Random(1)
raw = b"".join(b"\0" + bytes(rng.getrandbits(8) for _ in range(w * 4)) for _ in range(h))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
       chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))
open(sys.argv[1], "wb").write(png)
PY

# 64 KiB of noise, then 2 MiB of zeros, under a copy of the skin that names it.
python3 - "$work" <<'PY'
import random, re, sys
rng = random.Random(2)
with open(sys.argv[1] + "/mixed.png", "wb") as f:
    f.write(bytes(rng.getrandbits(8) for _ in range(64 * 1024)) + bytes(2 * 1024 * 1024))
text = open(sys.argv[1] + "/plain.ini", "rb").read().decode("utf-16")
text = re.sub(r"(?im)^bitmap=.*$", "bitmap=mixed.png", text)
open(sys.argv[1] + "/mixed.ini", "wb").write(text.encode("utf-16"))
PY

export QT_QPA_PLATFORM=offscreen
time_us() { # runs the command once, prints its wall time in microseconds
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { echo "$(($1 / 1000)).$(printf '%03d' $(($1 % 1000))) ms"; }

# Packs DIR/SKIN.ini and its picture RUNS times with each program; sets pack_us and zip_us to the medians
# and leaves the last out.qsk and out.zip.
time_both() {
    local dir=$1 skin=$2 pack=() zipped=() i
    for ((i = 0; i < runs; i++)); do
        rm -f out.qsk out.zip
        pack+=("$(time_us "$cli" pack "$dir/$skin.ini" -o out.qsk)")
        zipped+=("$(time_us zip -q -8 -X out.zip "$dir/$skin.ini" "$dir/$skin.png")")
    done
    pack_us=$(printf '%s\n' "${pack[@]}" | median)
    zip_us=$(printf '%s\n' "${zipped[@]}" | median)
}

cd "$work"
# The start-up of each program: packing a skin whose picture is 100 bytes.
mkdir tiny
cp plain.ini tiny/plain.ini
head -c 100 plain.png >tiny/plain.png
time_both tiny plain
start_pack=$pack_us
start_zip=$zip_us
echo "start-up (100-byte picture): drapier-cli pack $(ms "$start_pack"), zip -8 -X $(ms "$start_zip")"

for skin in plain mixed; do
    time_both . $skin
    echo "$skin.png:"
    echo "  picture bytes:        $(stat -c %s $skin.png)"
    echo "  package bytes:        drapier-cli $(stat -c %s out.qsk), zip $(stat -c %s out.zip)"
    echo "  median of $runs runs:   drapier-cli pack $(ms "$pack_us"), zip -8 -X $(ms "$zip_us")"
    goal=" (goal <= 1.0)"
    [ $skin = plain ] && goal=" (goal <= 1.2)"
    awk -v a="$pack_us" -v b="$zip_us" -v g="$goal" 'BEGIN { printf "  ratio pack/zip:       %.2f%s\n", a / b, g }'
    awk -v a="$pack_us" -v b="$zip_us" -v sa="$start_pack" -v sb="$start_zip" \
        'BEGIN { printf "  less start-up:        %.2f\n", (a - sa) / (b - sb) }'
    if [ $skin = mixed ]; then
        awk -v a="$(stat -c %s out.qsk)" -v b="$(stat -c %s out.zip)" \
            'BEGIN { printf "  size pack/zip:        %.4f (goal <= 1.0)\n", a / b }'
    fi
done
