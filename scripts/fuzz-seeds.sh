#!/usr/bin/env bash
# Writes the fuzzers' seed corpora from the real reference data: small, real files of every
# kind the readers take (a kanji database of a few KanjiVG characters, word libraries of a
# slice of EDICT, the JLPT and abbreviation lists, EDICT lines, the sample document and a
# kanji's record as JSON).
# Usage: scripts/fuzz-seeds.sh BUILD_DIR DATA_DIR OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
data=$(cd "$2" && pwd)
out=$3
tool="$build/tools/brushly-tool/brushly-tool"
kanjivg=$root/.cache/kanjivg/package/dist/orig/main
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$out"/{kanji-db,jlpt,word-library,abbreviations,edict,document,json}

# 一 水 食 日 本 字: kanji of one to nine strokes, with the kana the database always holds.
mkdir "$work/svg"
for file in "$kanjivg"/030[4-9a-f]?.svg "$kanjivg"/{04e00,06c34,098df,065e5,0672c,05b57}.svg; do
    ln -s "$file" "$work/svg/"
done
"$tool" build-kanji-db --kanjivg "$work/svg" --kanjidic /usr/share/edict/kanjidic2.xml.gz \
    --edict /usr/share/edict/edict --out "$work/db" >/dev/null
cp "$work/db/MasterDB.kdb" "$out/kanji-db/six-kanji.kdb"
head -c 8192 "$data/MasterDB.kdb" >"$out/kanji-db/real-start.kdb"

head -n 60 "$data/blyjlptsjis.txt" >"$out/jlpt/start.txt"
cp "$data/edictabbrev.txt" "$out/abbreviations/edictabbrev.txt"
head -n 40 "$data/edict_SJIS.txt" >"$out/edict/start.txt"
sed -n '100000,100040p' "$data/edict_SJIS.txt" >"$out/edict/middle.txt"

# Word libraries of the first 300 EDICT lines, imported as the program imports them.
mkdir "$work/words"
ln -s "$data/MasterDB.kdb" "$work/words/MasterDB.kdb"
head -n 300 "$data/edict_SJIS.txt" >"$work/words/edict_SJIS.txt"
"$tool" import-edict --data "$work/words" >/dev/null
cp "$work/words/CompDBedictdem.kdb2" "$out/word-library/compounds.kdb2"
cp "$work/words/KanaDBedictdem.kdb2" "$out/word-library/kana-words.kdb2"

"$tool" doc --new "$out/document/sample.bly" --data "$data" >/dev/null
"$tool" kanji 水 --json --data "$data" >"$out/json/water.json"
printf '{"strokes": [[[94, 25], [94, 141]], [[41, 72], [70, 90]]], "char": "%s"}\n' "水" \
    >"$out/json/strokes.json"
