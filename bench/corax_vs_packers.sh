#!/usr/bin/env bash
# Lists and extracts one ARJ and one TAR archive through corax and through the
# packer directly, in one run on the same files, and prints the time ratios.
# usage: bench/corax_vs_packers.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
corax="$(cd "$build" && pwd)/bin/corax"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
for i in $(seq 1 200); do head -c $((i * 100)) /dev/urandom | base64 > "f$i.txt"; done
arj a -y bench.arj f*.txt >/dev/null
tar -cf bench.tar f*.txt
mkdir -p out

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 3 --export-markdown results.md \
    "$corax list bench.arj" "arj l -y bench.arj" \
    "$corax list bench.tar" "tar -t -v -f bench.tar" >/dev/null
  cat results.md
  exit 0
fi

# Without hyperfine: mean of 20 runs each.
time_ms() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq 1 20); do "$@" >/dev/null; done
  end=$(date +%s%N)
  echo $(( (end - start) / 20000000 ))
}
a=$(time_ms "$corax" list bench.arj); b=$(time_ms arj l -y bench.arj)
c=$(time_ms "$corax" list bench.tar); d=$(time_ms tar -t -v -f bench.tar)
echo "corax list ARJ ${a} ms, arj l ${b} ms"
echo "corax list TAR ${c} ms, tar -tvf ${d} ms"
