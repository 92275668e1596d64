#!/usr/bin/env bash
# Dependencies run one way: every include of a folder under src/ names its own
# folder or a folder of a lower layer. Prints each include that breaks this.
# The binary reader only turns a file into a JSON tree: the driver alone
# calls it, and nothing after the reading knows the input was binary.
set -euo pipefail
cd "$(dirname "$0")/../../src"
layer() {
  case $1 in
    driver) echo 4 ;;
    upgrade|check|binary) echo 3 ;;
    skeleton|skins|animation) echo 2 ;;
    qmltext|diagnostics) echo 1 ;;
    *) echo 0 ;;
  esac
}
status=0
for folder in */; do
  folder=${folder%/}
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")
    [ "$target" = "$folder" ] && continue
    # Writers of one layer may share a helper; nothing reaches a higher layer.
    if [ "$(layer "$target")" -gt "$(layer "$folder")" ] || [ "$(layer "$target")" = 0 ] \
       || { [ "$target" = binary ] && [ "$folder" != driver ]; }; then
      echo "src/$file:$line: $folder must not include $target"
      status=1
    fi
  done < <(grep -rn -E '#include "[a-z_]+/' "$folder" || true)
done
[ $status = 0 ] && echo "layers: every include points down"
exit $status
