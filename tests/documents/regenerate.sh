#!/usr/bin/env bash
# Rewrites the expected documents and warning lines from the current
# converter. Read the diff before committing it: these files are what the
# tests hold the output to. Pass input files to regenerate only those.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(realpath "${RIGSMITH:-$here/../../build/src/rigsmith}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
inputs=("$@")
for i in "${!inputs[@]}"; do inputs[$i]=$(realpath "${inputs[$i]}"); done
[ ${#inputs[@]} -gt 0 ] || mapfile -t inputs < <(find "$here" -name '*.json' -not -path '*/equivalence/*' | sort)
[ $# -gt 0 ] || inputs+=("$here/../../examples/hero.json")
for input in "${inputs[@]}"; do
  stem=${input%.json}
  case $input in */examples/hero.json) stem=$here/hero ;; esac
  name=$(basename "$input")
  rm -f "$work"/*
  cp "$input" "$work/$name"
  (cd "$work" && "$binary" "$name" out.qml >/dev/null 2>errors.txt && cp out.qml "$stem.expected.qml")
  (cd "$work" && "$binary" "$name" out.qml packed >/dev/null 2>/dev/null && cp out.qml "$stem.packed.expected.qml")
  grep -F "$name: " "$work/errors.txt" > "$stem.expected.txt" || rm -f "$stem.expected.txt"
done
