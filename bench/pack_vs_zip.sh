#!/usr/bin/env bash
# Times `drapier-cli pack` against `zip -8 -X` packing the same skin file and a 1 MB PNG, each run as a
# process, and prints the medians and their ratio (goal: 1.2 or less).
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

export QT_QPA_PLATFORM=offscreen
time_us() { # runs the command once, prints its wall time in microseconds
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

cd "$work"
pack=()
zipped=()
for ((i = 0; i < runs; i++)); do
    rm -f out.qsk out.zip
    pack+=("$(time_us "$cli" pack plain.ini -o out.qsk)")
    zipped+=("$(time_us zip -q -8 -X out.zip plain.ini plain.png)")
done
pack_us=$(printf '%s\n' "${pack[@]}" | median)
zip_us=$(printf '%s\n' "${zipped[@]}" | median)
echo "png bytes:              $(stat -c %s plain.png)"
echo "package bytes:          drapier-cli $(stat -c %s out.qsk), zip $(stat -c %s out.zip)"
echo "median of $runs runs:     drapier-cli pack $((pack_us / 1000)).$(printf '%03d' $((pack_us % 1000))) ms," \
    "zip -8 -X $((zip_us / 1000)).$(printf '%03d' $((zip_us % 1000))) ms"
awk -v a="$pack_us" -v b="$zip_us" 'BEGIN { printf "ratio pack/zip:         %.2f (goal <= 1.2)\n", a / b }'
