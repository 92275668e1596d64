#!/usr/bin/env bash
# Rewrites the expected documents from the current converter. Read the diff
# before committing it: these files are what the tests hold the output to.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=${1:-$here/../../build/src/rigsmith}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for input in "$here"/*.json "$here"/../../examples/hero.json; do
  name=$(basename "$input" .json)
  cp "$input" "$work/$name.json"
  (cd "$work" && "$binary" "$name.json" out.qml >/dev/null 2>&1 && cp out.qml "$here/$name.expected.qml")
  (cd "$work" && "$binary" "$name.json" out.qml packed >/dev/null 2>&1 && cp out.qml "$here/$name.packed.expected.qml")
done
