#!/usr/bin/env bash
# Decodes a 4000 x 3000 8-bit run-length coded PCX file (a plasma picture
# reduced to 256 colours by ImageMagick) with `mirv info` and with netpbm's
# pcxtoppm, whole process against whole process, in one run; prints both
# times and their ratio.
# usage: bench/pcx_vs_pcxtoppm.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
mirv="$(cd "$build" && pwd)/bin/mirv"
for tool in convert pcxtoppm hyperfine; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
convert -size 4000x3000 -seed 1 plasma:fractal -colors 256 -type Palette PCX:in.pcx
export QT_QPA_PLATFORM=offscreen
"$mirv" info in.pcx | grep -q 'depth: 8 bits' || { echo "mirv cannot read the picture"; exit 1; }

hyperfine -N --warmup 2 --runs 10 --export-json results.json \
  "$mirv info in.pcx" "pcxtoppm in.pcx" --output=null >/dev/null
python3 - <<'PY'
import json
r = json.load(open("results.json"))["results"]
m, n = r[0]["mean"] * 1000, r[1]["mean"] * 1000
print(f"mirv info PCX: {m:.1f} ms   pcxtoppm: {n:.1f} ms   ratio pcxtoppm/mirv: {n / m:.2f}")
PY
