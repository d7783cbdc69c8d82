#!/usr/bin/env bash
# Times the ARC module (through the corax command) against the real arc and
# nomarch programs on the same files in one run, and prints ratios.
#
#   bench/arc_vs_peers.sh <build directory> [work directory]
#
# Extraction of 10 MB of text and 10 MB of binary data per method (stored,
# crunched, squashed; the methods that arc writes for files of that size),
# compression (corax add against arc a / arc aq), compressed sizes, and the
# listing of an archive of 2000 members. Uses hyperfine when installed.
set -euo pipefail

build=${1:?usage: arc_vs_peers.sh <build directory> [work directory]}
build=$(cd "$build" && pwd)
corax="$build/bin/corax"
work=${2:-$(mktemp -d "${TMPDIR:-/tmp}/arc-bench-XXXXXX")}
mkdir -p "$work"
cd "$work"
export CORAX_MODULE_PATH="$build/lib"

for program in arc nomarch python3; do
  command -v "$program" >/dev/null || { echo "arc_vs_peers: $program is not installed" >&2; exit 1; }
done
[ -x "$corax" ] || { echo "arc_vs_peers: $corax not built" >&2; exit 1; }
runs=${RUNS:-5}

# The inputs: words in lines, and structured binary records (both 10 MB,
# the same bytes on every run).
python3 - <<'PY'
import struct
state = 2463534242
def rnd():
    global state
    state = (state * 1103515245 + 12345) & 0x7fffffff
    return state >> 8
words = [w.encode() for w in ("archive member header method stored packed squeezed crunched "
         "squashed the of and to in is that for with as on by this file data table code bits "
         "listing extract append delete name size date time ratio buffer reader writer").split()]
out = bytearray()
while len(out) < 10 * 1024 * 1024:
    line = b" ".join(words[rnd() % len(words)] for _ in range(4 + rnd() % 9))
    out += line + (b".\r\n" if rnd() % 3 else b",\r\n")
open("TEXT.TXT", "wb").write(out[:10 * 1024 * 1024])
out = bytearray()
i = 0
while len(out) < 10 * 1024 * 1024:
    out += struct.pack("<IIHHd8s", i, rnd() % 5000, rnd() % 16, 0x5A5A, i * 0.25,
                       b"REC%05d" % (rnd() % 100000))
    i += 1
open("BINARY.BIN", "wb").write(out[:10 * 1024 * 1024])
names = []
for n in range(2000):
    names.append("F%07d.TXT" % n)
PY
mkdir -p many
python3 -c "
import os
for n in range(2000):
    open('many/F%07d.TXT' % n, 'wb').write(b'member %d of many\r\n' % n * (1 + n % 7))
"

size_of() { stat -c %s "$1"; }

# Archives per method, written by arc (stored, crunched, squashed) and by
# the module (squashed, its method for files of this size).
# (arc keeps archive names to 8.3, hence the short names: T/B for text and
# binary, S stored, A arc's own choice, Q squashed, M the module.)
for f in TEXT.TXT BINARY.BIN; do
  b=${f:0:1}
  rm -f "$b"?.ARC
  arc as "${b}S.ARC" "$f" >/dev/null
  arc a "${b}A.ARC" "$f" >/dev/null
  arc aq "${b}Q.ARC" "$f" >/dev/null
  "$corax" add "$work/${b}M.ARC" "$f" -C "$work" >/dev/null
done

method_of() { python3 -c "import sys; d=open(sys.argv[1],'rb').read(2); print(d[1])" "$1"; }

declare -A mean
time_cmd() {  # time_cmd <key> <prepare> <command>
  local key=$1 prepare=$2 command=$3
  if command -v hyperfine >/dev/null; then
    hyperfine -N --style none --warmup 1 --runs "$runs" --prepare "$prepare" \
      --export-json "$work/$key.json" "$command" >/dev/null 2>&1 || \
    hyperfine --style none --warmup 1 --runs "$runs" --prepare "$prepare" \
      --export-json "$work/$key.json" "$command" >/dev/null 2>&1
    mean[$key]=$(python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['results'][0]['median'])" "$work/$key.json")
  else
    local best=
    for _ in $(seq "$runs"); do
      bash -c "$prepare"
      local t0 t1
      t0=$(date +%s%N); bash -c "$command" >/dev/null 2>&1; t1=$(date +%s%N)
      local s; s=$(python3 -c "print(($t1-$t0)/1e9)")
      if [ -z "$best" ] || python3 -c "import sys; sys.exit(0 if $s < $best else 1)"; then best=$s; fi
    done
    mean[$key]=$best
  fi
}
ratio() { python3 -c "import sys; print('%.2f' % (float(sys.argv[1]) / float(sys.argv[2])))" "$1" "$2"; }
ms() { python3 -c "import sys; print('%.1f ms' % (float(sys.argv[1]) * 1000))" "$1"; }

echo "== extraction (median of $runs runs; ratio = peer time / corax time)"
printf '%-8s %6s %12s %12s %12s %9s %9s\n' archive method corax "arc x" nomarch "arc/cx" "nomarch/cx"
for a in TS TA TQ TM BS BA BQ BM; do
  arch="$work/$a.ARC"
  prep="rm -rf $work/x && mkdir $work/x"
  time_cmd "cx_$a" "$prep" "$corax extract $arch -C $work/x"
  time_cmd "arc_$a" "$prep" "bash -c 'cd $work/x && arc xo $arch'"
  time_cmd "nom_$a" "$prep" "bash -c 'cd $work/x && nomarch $arch'"
  printf '%-8s %6s %12s %12s %12s %9s %9s\n' "$a" "$(method_of "$arch")" "$(ms "${mean[cx_$a]}")" \
    "$(ms "${mean[arc_$a]}")" "$(ms "${mean[nom_$a]}")" \
    "$(ratio "${mean[arc_$a]}" "${mean[cx_$a]}")" "$(ratio "${mean[nom_$a]}" "${mean[cx_$a]}")"
done

echo
echo "== compression (ratio = arc time / corax time)"
printf '%-12s %12s %12s %12s %9s %9s\n' input "corax add" "arc a" "arc aq" "a/cx" "aq/cx"
for f in TEXT.TXT BINARY.BIN; do
  prep="rm -f $work/C.ARC"
  time_cmd "cxa_$f" "$prep" "$corax add $work/C.ARC $f -C $work"
  time_cmd "arca_$f" "$prep" "bash -c 'cd $work && arc a C.ARC $f'"
  time_cmd "arcq_$f" "$prep" "bash -c 'cd $work && arc aq C.ARC $f'"
  printf '%-12s %12s %12s %12s %9s %9s\n' "$f" "$(ms "${mean[cxa_$f]}")" "$(ms "${mean[arca_$f]}")" \
    "$(ms "${mean[arcq_$f]}")" "$(ratio "${mean[arca_$f]}" "${mean[cxa_$f]}")" \
    "$(ratio "${mean[arcq_$f]}" "${mean[cxa_$f]}")"
done

echo
echo "== compressed sizes (ratio = corax size / arc size)"
# 10 MB files: squashed by the module; arc's squashed (aq) and its own choice (a).
for f in T B; do
  m=$(size_of "${f}M.ARC"); q=$(size_of "${f}Q.ARC"); b=$(size_of "${f}A.ARC")
  printf '%-10s module %9d  arc aq %9d (%s)  arc a %9d (%s)\n' "$f" "$m" "$q" "$(ratio "$m" "$q")" "$b" "$(ratio "$m" "$b")"
done
# Crunched (method 8): files of 100..12287 bytes, cut from the text.
mkdir -p crunch && rm -f crunch/*
python3 -c "
d=open('TEXT.TXT','rb').read()
for n in range(200):
    open('crunch/C%04d.TXT' % n,'wb').write(d[n*9000:n*9000+1000+n*50])
"
rm -f CRM.ARC CRA.ARC
"$corax" add "$work/CRM.ARC" '*.TXT' -C "$work/crunch" >/dev/null
(cd crunch && arc a ../CRA.ARC ./*.TXT >/dev/null)
m=$(size_of CRM.ARC); a=$(size_of CRA.ARC)
printf 'crunched  module %9d  arc a  %9d (%s)\n' "$m" "$a" "$(ratio "$m" "$a")"

echo
echo "== listing an archive of 2000 members"
rm -f MANY.ARC
"$corax" add "$work/MANY.ARC" '*.TXT' -C "$work/many" >/dev/null
time_cmd list_cx "true" "$corax list $work/MANY.ARC"
time_cmd list_arc "true" "arc l $work/MANY.ARC"
time_cmd list_nom "true" "nomarch -l $work/MANY.ARC"
printf 'corax list %s   arc l %s (%s)   nomarch -l %s (%s)\n' "$(ms "${mean[list_cx]}")" \
  "$(ms "${mean[list_arc]}")" "$(ratio "${mean[list_arc]}" "${mean[list_cx]}")" \
  "$(ms "${mean[list_nom]}")" "$(ratio "${mean[list_nom]}" "${mean[list_cx]}")"
echo
echo "work directory: $work"
