#!/bin/sh
# The committed picture sets are what the generator makes from the current
# tables: a renamed champion or a changed cost or recipe must come with new
# artwork. Needs the generator's font; without it there is nothing to compare.
set -eu
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
if [ ! -f "$font" ]; then
  echo "font $font not installed; picture sets not compared"
  exit 0
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$font" "$out" "$out/sheet.png" >/dev/null
for set in champion_portraits champion_icons item_pictures item_icons; do
  if ! cmp -s "$out/$set.bin" "$VEX_SOURCE_DIR/assets/pictures/$set.bin"; then
    echo "assets/pictures/$set.bin is stale: run make_picture_sets (tools/picture_sets)"
    exit 1
  fi
done
echo "picture sets match the tables"
