#!/usr/bin/env bash
# Speed at scale, measured side by side on this machine and printed as the ratios the goals are set in:
#
#  1. a big sheet: a skin of 5,000 elements (half of them in 50 groups) over a 4096 x 4096 PNG of noise.
#     - the designer's launch until its main window is mapped, against a minimal Qt window and libpng's
#       simplified API decoding the sheet alone:  (designer - window) / decode, goal 1.3 or less;
#     - the designer's peak memory with the skin open: (designer - window) / decoded sheet (4 bytes a
#       pixel), goal 2.5 or less; `drapier-cli dump`'s: (dump - QtCore program) / decoded sheet, goal 1.3
#       or less;
#  2. `drapier-cli --version` and `drapier-cli dump` of the Plain Paper example against a QtCore program
#     that prints one line, processor time (user + system), 20 runs each: goal 2 or less;
#  3. the preview rebuilt after a keystroke against a memcpy of its buffer, from bench_render's own
#     memcpy baseline when it has one: goal 3 or less;
#  4. the alpha Draw of a sprite-like 256 x 256 picture against pixman's OVER (bench_alpha_vs_pixman,
#     built when pixman is installed): Draw's time / pixman's, goal 1.0 or less;
#  5. `drapier-cli pack` against `zip -8 -X` (bench/pack_vs_zip.sh): goal 1.0 or less for the mixed
#     picture, with the package no larger.
#
# Every program is run as a process, start-up included; the runs alternate between the programs compared,
# so that a load that comes and goes weighs on both sides, and the medians are compared. Windows are timed
# on an X display (xvfb-run is used when there is none) by bench/scale/run.cpp, which waits for the first
# top-level window to be mapped and reads the peak memory after it has been open for 1.5 s.
#
# Usage: bench/scale.sh [BUILD] [RUNS]   (BUILD: a Release build folder, default build/release; RUNS for
#        the big sheet, default 5). BENCH_RENDER may name another bench_render program to run for item 3.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
runs=${2:-5}
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "scale: no X display and no xvfb-run" >&2; exit 2; }
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
build=$(realpath "$build")
tools=$build/bench/scale
for program in "$build/src/drapier" "$build/src/drapier-cli" "$tools/scale_run" "$tools/scale_make_skin" \
  "$tools/scale_png_decode" "$tools/scale_qtcore_line" "$tools/scale_minimal_window"; do
  [ -x "$program" ] || { echo "scale: $program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The designer keeps its settings and recovery files under a home of its own here.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
"$tools/scale_make_skin" "$work"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Field F (1 wall ms, 2 processor ms, 3 peak KiB) of one run of the command.
once() { local f=$1; shift; "$tools/scale_run" --runs 1 "$@" | awk -v f="$f" '{ print $f }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g) ? "met" : "NOT met" }'; }

decoded_kib=$((4096 * 4096 * 4 / 1024))
echo "machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo "sheet: 4096 x 4096 PNG of noise with alpha, $(($(stat -c %s "$work/big.png") / 1024)) KiB; decoded $decoded_kib KiB"
echo

echo "1. A big sheet ($runs runs each, alternating)"
decode=() window=() designer=() window_kib=() designer_kib=() dump_kib=() core_kib=()
for _ in $(seq "$runs"); do
  decode+=("$(once 1 -- "$tools/scale_png_decode" "$work/big.png")")
  line=$("$tools/scale_run" --runs 1 --window -- "$tools/scale_minimal_window")
  window+=("$(echo "$line" | awk '{ print $1 }')") window_kib+=("$(echo "$line" | awk '{ print $3 }')")
  line=$("$tools/scale_run" --runs 1 --window -- "$build/src/drapier" "$work/big.ini")
  designer+=("$(echo "$line" | awk '{ print $1 }')") designer_kib+=("$(echo "$line" | awk '{ print $3 }')")
  dump_kib+=("$(once 3 -- "$build/src/drapier-cli" dump "$work/big.ini")")
  core_kib+=("$(once 3 -- "$tools/scale_qtcore_line")")
done 2>/dev/null
m() { printf '%s\n' "$@" | median; }
d=$(m "${decode[@]}") w=$(m "${window[@]}") g=$(m "${designer[@]}")
wk=$(m "${window_kib[@]}") gk=$(m "${designer_kib[@]}") dk=$(m "${dump_kib[@]}") ck=$(m "${core_kib[@]}")
r=$(ratio "$(awk -v g="$g" -v w="$w" 'BEGIN { print g - w }')" "$d")
echo "  libpng decode ${d} ms, minimal window ${w} ms, designer ${g} ms to its window"
echo "  ratio launch (designer - window) / decode: $r   (goal 1.3: $(verdict "$r" 1.3))"
r=$(ratio "$((gk - wk))" "$decoded_kib")
echo "  peak: designer $gk KiB, minimal window $wk KiB"
echo "  ratio memory (designer - window) / sheet:  $r   (goal 2.5: $(verdict "$r" 2.5))"
r=$(ratio "$((dk - ck))" "$decoded_kib")
echo "  peak: drapier-cli dump $dk KiB, QtCore program $ck KiB"
echo "  ratio memory (dump - QtCore) / sheet:      $r   (goal 1.3: $(verdict "$r" 1.3))"
echo

echo "2. The command-line tool's start (20 runs each, alternating; processor time)"
core=() version=() dump=()
for _ in $(seq 20); do
  core+=("$(once 2 -- "$tools/scale_qtcore_line")")
  version+=("$(once 2 -- "$build/src/drapier-cli" --version)")
  dump+=("$(once 2 -- "$build/src/drapier-cli" dump examples/plain/plain.ini)")
done
c=$(m "${core[@]}") v=$(m "${version[@]}") p=$(m "${dump[@]}")
echo "  QtCore program ${c} ms, drapier-cli --version ${v} ms, dump of Plain Paper ${p} ms"
r=$(ratio "$v" "$c")
echo "  ratio --version / QtCore: $r   (goal 2: $(verdict "$r" 2))"
r=$(ratio "$p" "$c")
echo "  ratio dump / QtCore:      $r   (goal 2: $(verdict "$r" 2))"
echo

echo "3. The preview after a keystroke against a memcpy of its buffer"
render=${BENCH_RENDER:-$build/bench/bench_render}
if [ -x "$render" ]; then
  "$render" --benchmark_format=json --benchmark_min_time=0.2 2>/dev/null >"$work/render.json" || true
  python3 - "$work/render.json" <<'PY'
import json, re, sys
try:
    runs = json.load(open(sys.argv[1]))["benchmarks"]
except (OSError, ValueError, KeyError):
    print("  bench_render gave no results"); sys.exit(0)
times = {b["name"]: b["real_time"] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]] for b in runs}
base = [n for n in times if re.search("memcpy", n, re.I)]
if not base:
    print("  bench_render has no memcpy baseline yet: ratio not measured"); sys.exit(0)
typed = [n for n in times if n not in base and re.search("keystroke|typed|title", n, re.I)]
typed = typed or [n for n in times if n in ("Plain", "Rich", "Stack")]
worst = 0.0
for name in typed:
    r = times[name] / times[base[0]]
    worst = max(worst, r)
    print("  ratio %s / %s: %.2f" % (name, base[0], r))
print("  worst: %.2f   (goal 3: %s)" % (worst, "met" if worst <= 3 else "NOT met"))
PY
else
  echo "  no bench_render at $render"
fi
echo

echo "4. The alpha Draw against pixman's OVER"
pixman=$build/bench/bench_alpha_vs_pixman
if [ -x "$pixman" ]; then
  "$pixman" --benchmark_format=json --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>/dev/null >"$work/pixman.json"
  python3 - "$work/pixman.json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
t = {b["run_name"]: b["real_time"] for b in runs if b.get("aggregate_name") == "median"}
r = t["DrapierAlphaDraw"] / t["PixmanOver"]
print("  Draw %.1f us, pixman %.1f us (medians of 5)" % (t["DrapierAlphaDraw"] / 1e3, t["PixmanOver"] / 1e3))
print("  ratio Draw / pixman: %.2f   (goal 1.0: %s)" % (r, "met" if r <= 1.0 else "NOT met"))
PY
else
  echo "  bench_alpha_vs_pixman is not built (pixman is not installed)"
fi
echo

echo "5. Packing against zip (bench/pack_vs_zip.sh)"
if command -v zip >/dev/null; then
  bench/pack_vs_zip.sh "$build/src/drapier-cli" 15 | sed 's/^/  /'
else
  echo "  zip is not installed"
fi
