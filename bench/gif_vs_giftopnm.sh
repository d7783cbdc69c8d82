#!/usr/bin/env bash
# Decodes 4000 x 3000 GIF files of 256 colours with `mirv info` (reads the
# whole picture into a DIB and prints its size) and with netpbm's giftopnm
# (output discarded), whole process against whole process, in one run per
# file; prints both times and their ratio, and with hyperfine also the
# ratio of the CPU times, which a busy machine disturbs less. Two pictures:
# a smooth plasma, whose long runs give long LZW strings, and the same
# plasma with noise and dithering, closer to a photograph, whose short
# strings give many more codes.
# usage: bench/gif_vs_giftopnm.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
mirv="$(cd "$build" && pwd)/bin/mirv"
for tool in convert giftopnm; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
convert -seed 1 -size 4000x3000 plasma:fractal -depth 8 ppm:plasma.ppm
convert plasma.ppm +dither -colors 256 smooth.gif
convert plasma.ppm -attenuate 0.4 +noise Gaussian -dither FloydSteinberg -colors 256 noisy.gif
rm plasma.ppm
export QT_QPA_PLATFORM=offscreen
"$mirv" info smooth.gif >/dev/null || { echo "mirv cannot read the GIF file"; exit 1; }

report() {  # name, file size, mirv ms, giftopnm ms[, mirv CPU ms, giftopnm CPU ms]
  python3 - "$@" <<'PY'
import sys
name, size, m, g = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
line = f"{name:7} ({size / 1e6:.1f} MB): mirv info {m:.1f} ms   giftopnm {g:.1f} ms   ratio mirv/giftopnm {m / g:.2f}"
if len(sys.argv) > 6:
    mc, gc = float(sys.argv[5]), float(sys.argv[6])
    line += f"   (CPU user+sys: {mc:.1f} ms / {gc:.1f} ms = {mc / gc:.2f})"
print(line)
PY
}

for picture in smooth noisy; do
  size=$(stat -c %s "$picture.gif")
  if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 2 --runs 10 --export-json "$picture.json" \
      "$mirv info $picture.gif" "giftopnm $picture.gif" --output=null >/dev/null
    read -r m g mc gc < <(python3 -c "import json, sys; r = json.load(open(sys.argv[1]))['results']; \
print(*(x * 1000 for x in (r[0]['mean'], r[1]['mean'], r[0]['user'] + r[0]['system'], r[1]['user'] + r[1]['system'])))" \
      "$picture.json")
    report "$picture" "$size" "$m" "$g" "$mc" "$gc"
  else
    # Without hyperfine: mean of 10 runs each.
    time_ms() {
      local start end
      start=$(date +%s%N)
      for _ in $(seq 1 10); do "$@" >/dev/null; done
      end=$(date +%s%N)
      echo $(( (end - start) / 10000000 ))
    }
    m=$(time_ms "$mirv" info "$picture.gif")
    g=$(time_ms giftopnm "$picture.gif")
    report "$picture" "$size" "$m" "$g"
  fi
done
