#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds, default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in build/fuzz/bin/fuzz_*; do
  echo "== $(basename "$target") =="
  corpus="build/fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  # The archive reader starts from the fixture archives.
  if [ "$(basename "$target")" = fuzz_lha_archive ]; then cp tests/data/lha/*.lzh "$corpus/"; fi
  "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 "$corpus" 2>&1 | tail -2
done
