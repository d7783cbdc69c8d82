#!/usr/bin/env bash
# Reads a 24-bit 4000 x 3000 BMP file and writes it again through
# `mirv convert` (BMP to BMP), and decodes the same file with netpbm's
# bmptopnm, whole process against whole process, in one run; prints both
# times and their ratio.
# usage: bench/mirv_vs_netpbm.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
mirv="$(cd "$build" && pwd)/bin/mirv"
for tool in convert bmptopnm; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
convert -size 4000x3000 plasma:fractal -type TrueColor BMP3:in.bmp
export QT_QPA_PLATFORM=offscreen

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 2 --runs 10 --export-json results.json \
    "$mirv convert in.bmp out.bmp" "bmptopnm -quiet in.bmp" --output=null >/dev/null
  python3 - <<'PY'
import json
r = json.load(open("results.json"))["results"]
m, n = r[0]["mean"] * 1000, r[1]["mean"] * 1000
print(f"mirv convert BMP->BMP: {m:.1f} ms   bmptopnm: {n:.1f} ms   ratio mirv/bmptopnm: {m / n:.2f}")
PY
  exit 0
fi

# Without hyperfine: mean of 10 runs each.
time_ms() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq 1 10); do "$@" >/dev/null; done
  end=$(date +%s%N)
  echo $(( (end - start) / 10000000 ))
}
a=$(time_ms "$mirv" convert in.bmp out.bmp)
b=$(time_ms bmptopnm -quiet in.bmp)
echo "mirv convert BMP->BMP: ${a} ms   bmptopnm: ${b} ms   ratio mirv/bmptopnm: $(echo "scale=2; $a / $b" | bc)"
