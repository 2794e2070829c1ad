#!/usr/bin/env bash
# Catalogues 200 packages with `drapier-cli catalogue` at one and at two threads, and side by side the
# baseline: standard tools doing comparable work per package (`unzip -p` of the skin's PNG piped into
# ImageMagick's convert making a 300 by 150 thumbnail). Prints packages per second and the ratio
# (goal: 10 or more, both on one thread).
# Usage: bench/catalogue_vs_convert.sh [PATH/TO/drapier-cli] [RUNS]   (build with /work/tools/dbuild release)
# CONVERT=... picks the convert program (default: ImageMagick's own binary when it can be found).
set -euo pipefail
cd "$(dirname "$0")/.."

cli=${1:-build/release/src/drapier-cli}
runs=${2:-3}
packages=200
[ -x "$cli" ] || { echo "catalogue_vs_convert: no drapier-cli at $cli" >&2; exit 2; }
command -v unzip >/dev/null || { echo "catalogue_vs_convert: unzip is not installed" >&2; exit 2; }
convert=${CONVERT:-$(command -v convert-im6.q16 || command -v magick || command -v convert || true)}
[ -n "$convert" ] || { echo "catalogue_vs_convert: ImageMagick is not installed (apt-get install imagemagick)" >&2; exit 2; }
cli=$(realpath "$cli")
examples=$(realpath examples)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/pkgs" "$work/thumbs"
# The example note skins in turn, packed as the export packs them (the stack example is a stack skin,
# which the catalogue does not show as a note).
kinds=(plain rich)
for kind in "${kinds[@]}"; do
    "$cli" pack "$examples/$kind/$kind.ini" -o "$work/$kind.qsk"
done
for ((i = 0; i < packages; i++)); do
    cp "$work/${kinds[$((i % 2))]}.qsk" "$work/pkgs/$(printf 'skin%03d.qsk' "$i")"
done

export QT_QPA_PLATFORM=offscreen
now_us() { echo $(($(date +%s%N) / 1000)); }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
clean() { rm -f "$work"/pkgs/*.png "$work"/pkgs/*.not "$work"/pkgs/_db.db; }

catalogue_us() { # jobs
    local times=() start
    for ((r = 0; r < runs; r++)); do
        clean
        start=$(now_us)
        "$cli" catalogue "$work/pkgs" --jobs "$1" --quiet >/dev/null
        times+=($(($(now_us) - start)))
    done
    printf '%s\n' "${times[@]}" | median
}

baseline_us() {
    local times=() start p
    for ((r = 0; r < runs; r++)); do
        rm -f "$work"/thumbs/*
        start=$(now_us)
        for p in "$work"/pkgs/*.qsk; do
            unzip -p "$p" '*.png' | "$convert" png:- -resize 300x150 "$work/thumbs/$(basename "$p" .qsk).png"
        done
        times+=($(($(now_us) - start)))
    done
    printf '%s\n' "${times[@]}" | median
}

one=$(catalogue_us 1)
two=$(catalogue_us 2)
base=$(baseline_us)
rate() { awk -v n="$packages" -v us="$1" 'BEGIN { printf "%.1f", n / (us / 1e6) }'; }
echo "packages:                       $packages (median of $runs runs, whole processes)"
echo "drapier-cli catalogue --jobs 1: $(rate "$one") packages/s"
echo "drapier-cli catalogue --jobs 2: $(rate "$two") packages/s"
echo "unzip -p | $(basename "$convert") -resize:   $(rate "$base") packages/s"
awk -v a="$one" -v b="$base" 'BEGIN { printf "ratio, one thread:             %.1f (goal >= 10)\n", b / a }'
awk -v a="$two" -v b="$base" 'BEGIN { printf "ratio, two threads:             %.1f\n", b / a }'
