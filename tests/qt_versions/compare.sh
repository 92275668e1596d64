#!/usr/bin/env bash
# Runs two rigsmith binaries (one built with Qt 5, one with Qt 6) over the
# same inputs, in normal and packed mode, and compares what each run gives:
# the document, the messages, the warning lines and the exit status. The
# inputs: every whole-document and equivalence case, the example, the hostile
# inputs, the load test's and the CMake consumer's skeletons, the binary
# readers' cases (3.x binaries and the JSON trees of every binary case), the
# fuzz corpus (JSON and binary) and, with a generator, 2.x and 4.2 skeletons (JSON and
# binary) of 1 and 4 MB. Prints each difference and how many inputs were compared.
# Usage: compare.sh <rigsmith A> <rigsmith B> [generate_skeleton]
set -euo pipefail
[ $# -ge 2 ] || { echo "Usage: $0 <rigsmith A> <rigsmith B> [generate_skeleton]"; exit 2; }
a=$(realpath "$1") b=$(realpath "$2") generator=${3:+$(realpath "$3")}
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

inputs=()
while IFS= read -r -d '' file; do inputs+=("$file"); done < <(
  find "$repo/tests/documents" "$repo/tests/hostile" "$repo/tests/qmlload/corpus" \
       "$repo/tests/cmake/consumer/art" "$repo/tests/binary" "$repo/tests/binary3x" \
       "$repo/fuzz/corpus" -type f \
       \( -name '*.json' -o -name '*.skel.bytes' -o -path "$repo/fuzz/corpus/*" \) -print0 | sort -z)
inputs+=("$repo/examples/hero.json")
# The 3.x binary cases are written in hex with comments.
mkdir "$work/binary3x"
for hex in "$repo"/tests/binary3x/*/*.hex; do
  skel=$work/binary3x/$(basename "${hex%.hex}").skel
  sed 's/#.*//' "$hex" | xxd -r -p > "$skel"
  inputs+=("$skel")
done
if [ -n "$generator" ]; then
  mkdir "$work/generated"
  for size in 1000000 4000000; do
    for layout in 2.x 4.2; do
      "$generator" "$work/generated/gen_${layout}_$size.json" $size 7 --layout $layout >/dev/null
      inputs+=("$work/generated/gen_${layout}_$size.json")
    done
    "$generator" "$work/generated/gen_curves_$size.json" $size 7 --layout 4.2 --channel-curves >/dev/null
    "$generator" "$work/generated/gen_one_$size.json" $size 7 --layout 4.2 --one-animation >/dev/null
    "$generator" "$work/generated/gen_$size.skel" $size 7 --layout 4.2-binary >/dev/null
    inputs+=("$work/generated/gen_curves_$size.json" "$work/generated/gen_one_$size.json"
             "$work/generated/gen_$size.skel")
  done
fi

# One run in its own folder, the input under its own name (the image folder
# and the warning lines name it): status, messages, warnings, document.
run() {  # <binary> <folder> <input> [packed]
  local binary=$1 folder=$2 input=$3 name status=0
  name=$(basename "$input")
  mkdir -p "$folder" && cp "$input" "$folder/$name"
  (cd "$folder" && "$binary" "$name" out.qml ${4:-} >stdout 2>stderr) || status=$?
  echo "$status" > "$folder/status"
  rm "$folder/$name"
}

compared=0 differences=0
for input in "${inputs[@]}"; do
  for mode in "" packed; do
    rm -rf "$work/a" "$work/b"
    run "$a" "$work/a" "$input" $mode
    run "$b" "$work/b" "$input" $mode
    if ! diff -r "$work/a" "$work/b" >"$work/diff" 2>&1; then
      differences=$((differences + 1))
      echo "DIFFERS: ${input#"$repo"/} ${mode:-normal}"
      head -20 "$work/diff"
    fi
  done
  compared=$((compared + 1))
done
echo "qt versions: compared $compared inputs (normal and packed: $((compared * 2)) runs each)," \
     "$differences differences"
[ "$differences" = 0 ]
