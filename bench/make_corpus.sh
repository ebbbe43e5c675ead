#!/usr/bin/env bash
# Builds a ~50 MB mixed folder from files every build machine has: headers
# (text, ~26 MB), shared libraries (binary, ~17 MB), a font, compressed
# docs (~4 MB), a Japanese-named folder and an empty one.
# Usage: bench/make_corpus.sh DIR
set -euo pipefail
dir="$1"
rm -rf "$dir"
mkdir -p "$dir/text" "$dir/binary" "$dir/packed" "$dir/日本語フォルダ" "$dir/empty folder"

# Copies files from a list (one per line on stdin) into $1 until $2 bytes.
copy_until() {
  local into="$1" budget="$2" used=0 f size
  while read -r f; do
    size=$(stat -c %s "$f")
    [ $((used + size)) -le "$budget" ] || continue
    mkdir -p "$into/$(dirname "$f")"
    cp "$f" "$into/$f"
    used=$((used + size))
  done
}
find /usr/include -type f -name '*.h*' | sort | copy_until "$dir/text" $((26 * 1024 * 1024))
for lib in libQt6Core.so.6 libQt6Widgets.so.6 libQt6Gui.so.6; do
  cp -L "/usr/lib/x86_64-linux-gnu/$lib" "$dir/binary/"
done
cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$dir/日本語フォルダ/表示フォント.ttf"
find /usr/share/doc -name '*.gz' | sort | copy_until "$dir/packed" $((4 * 1024 * 1024))
echo "corpus: $(du -sm "$dir" | cut -f1) MB, $(find "$dir" -type f | wc -l) files"
