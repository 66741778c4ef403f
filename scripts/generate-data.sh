#!/usr/bin/env bash
# Generates the reference data (MasterDB.kdb, blyjlptsjis.txt, edict_SJIS.txt,
# edictabbrev.txt and the word libraries built from EDICT) into data/ or $BRUSHLY_DATA_DIR,
# when it is missing or was made by other generator sources. KanjiVG (and hanzi-writer-data, for the writing evaluation) are
# fetched from npm once into .cache/; KANJIDIC2 and EDICT come from Debian's packages.
# Usage: scripts/generate-data.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
data=${BRUSHLY_DATA_DIR:-$root/data}
kanjivg_version=2.0.2
cache=$root/.cache/kanjivg
kanjivg=$cache/package/dist/orig/main

# Unpacks an npm package into a cache folder once (again when its version changes).
fetch_npm() {
    local package=$1 version=$2 folder=$3 tarball
    grep -qs "\"version\": \"$version\"" "$folder/package/package.json" && return 0
    echo "Fetching $package $version from npm"
    rm -rf "$folder"
    mkdir -p "$folder"
    tarball=$(cd "$folder" && npm pack --silent "$package@$version")
    (cd "$folder" && tar xzf "$tarball" && rm "$tarball")
}

fetch_npm @madcat/kanjivg "$kanjivg_version" "$cache"
# Independent handwriting for the writing evaluation and its tests: another font's stroke
# medians (hanzi-writer-data, Arphic Public License).
fetch_npm hanzi-writer-data 2.0.1 "$root/.cache/hwd"

# The generator's sources (with the recogniser it types strokes with) and inputs: the data is
# made again whenever one of them changes.
fingerprint=$(cat "$root"/tools/kanjidb/*.h "$root"/tools/kanjidb/*.cpp "$root"/src/reference/*.h \
    "$root"/src/reference/*.cpp "$root"/src/lookup/*.h "$root"/src/lookup/*.cpp \
    "$root"/src/handwriting/CStrokeRecogniser.* "$root"/src/handwriting/CPointerSampler.* "$root"/src/handwriting/StrokeMeasures.* \
    "$root"/src/handwriting/StrokeGeometry.* |
    sha1sum | cut -d' ' -f1)-$kanjivg_version
mkdir -p "$data"
if [ ! -f "$data/MasterDB.kdb" ] || [ "$(cat "$data/generator.stamp" 2>/dev/null)" != "$fingerprint" ]; then
    "$build/tools/brushly-tool/brushly-tool" build-kanji-db --kanjivg "$kanjivg" \
        --kanjidic /usr/share/edict/kanjidic2.xml.gz --edict /usr/share/edict/edict --out "$data" |
        tee "$data/kanji-db-report.txt"
    echo "$fingerprint" >"$data/generator.stamp"
fi

# The dictionary files, made again when their tools or the kanji database change.
edict_fingerprint=$( (cat "$root"/tools/edictprep/*.h "$root"/tools/edictprep/*.cpp \
    "$root"/src/dictionary/*.h "$root"/src/dictionary/*.cpp; echo "$fingerprint") | sha1sum | cut -d' ' -f1)
if [ ! -f "$data/edict_SJIS.txt" ] || [ "$(cat "$data/edict.stamp" 2>/dev/null)" != "$edict_fingerprint" ]; then
    "$build/tools/brushly-tool/brushly-tool" prepare-edict --edict /usr/share/edict/edict --out "$data" |
        tee "$data/edict-report.txt"
    rm -f "$data/CompDBedictdem.kdb2" "$data/KanaDBedictdem.kdb2"
    echo "$edict_fingerprint" >"$data/edict.stamp"
fi
# The word libraries built from EDICT, as the program builds them on its first start.
if [ ! -f "$data/CompDBedictdem.kdb2" ] || [ ! -f "$data/KanaDBedictdem.kdb2" ]; then
    "$build/tools/brushly-tool/brushly-tool" import-edict --data "$data"
fi
