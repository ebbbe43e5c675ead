#!/usr/bin/env bash
# Packs and unpacks a ~50 MB mixed folder with the archiver library and with
# the outside LHA programs, side by side, and prints time, size and peak
# memory of each. Not part of the tests. Needs a built tree (scripts/build.sh)
# and /usr/bin/time.
#   bench/lha_bench.sh [WORKDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
work="${1:-$(mktemp -d)}"
unlha="$PWD/build/default/bin/tolvane-unlha"
bench/make_corpus.sh "$work/corpus"
bytes=$(find "$work/corpus" -type f -printf '%s\n' | awk '{s+=$1} END {print s}')

measure() {  # label, command...
  local label="$1"; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1
  read -r secs kb <"$work/time"
  printf '%-28s %7.2f s %8.1f MB/s %8d KB peak' "$label" "$secs" \
    "$(echo "$bytes / 1048576 / $secs" | bc -l)" "$kb"
}

echo "input: $bytes bytes"
rm -f "$work/ours.lzh" "$work/jlha.lzh"
measure "pack: ours (-lh5-)" "$unlha" "A -+ -x1 -r2 -gm1 \"$work/ours.lzh\" \"$work/corpus\\\" \"\""
echo "  $(stat -c %s "$work/ours.lzh") bytes"
measure "pack: jlha (-lh5-)" sh -c "cd '$work/corpus' && jlha cyq '$work/jlha.lzh' ."
echo "  $(stat -c %s "$work/jlha.lzh") bytes"
measure "size: gzip -6 (tar)" sh -c "tar -C '$work/corpus' -cf - . | gzip -6 > '$work/corpus.tgz'"
echo "  $(stat -c %s "$work/corpus.tgz") bytes"

for tool in ours lhasa 7z; do
  rm -rf "$work/out-$tool"; mkdir -p "$work/out-$tool"
  case $tool in
    ours) measure "unpack: ours" "$unlha" "X \"$work/ours.lzh\" \"$work/out-ours/\"" ;;
    lhasa) measure "unpack: lhasa" sh -c "cd '$work/out-lhasa' && lhasa xq '$work/ours.lzh'" ;;
    7z) measure "unpack: 7z" 7z x -y "-o$work/out-7z" "$work/ours.lzh" ;;
  esac
  echo
done
diff -r "$work/corpus" "$work/out-ours" && echo "ours unpacked the corpus byte for byte"
