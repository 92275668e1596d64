#!/usr/bin/env bash
# Builds the consumer project against rigsmith's CMake package, from the
# build folder or from an install into a temporary prefix, and checks what
# rigsmith_add_skeletons() promises; the consumer compiles the resource file
# with the given Qt's rcc.
# Usage: check_package.sh build|install <rigsmith build folder> <work folder> <Qt major>
set -euo pipefail
mode=$1 build=$(cd "$2" && pwd) work=$3 qt=$4
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work" && mkdir -p "$work"
cp -r "$(dirname "$0")/consumer" "$work/src"  # touched below: never the source tree
if [ "$mode" = install ]; then
  cmake --install "$build" --prefix "$work/prefix" >/dev/null
  find=(-DCMAKE_PREFIX_PATH="$work/prefix") package=$work/prefix/lib/cmake/rigsmith
else
  find=(-Drigsmith_DIR="$build") package=$build
fi
configure() { cmake -S "$work/src" -B "$work/out" "${find[@]}" -DCONSUMER_QT="$qt" "$@" >/dev/null; }
configure
grep -qx "rigsmith_DIR:[A-Z]*=$package" "$work/out/CMakeCache.txt" || fail "package not taken from $package"

q=$work/out/qml
cmake --build "$work/out" 2>&1 | tee "$work/build.log"
grep -q "goblin.json: warning:" "$work/build.log" || fail "the goblin's warning is not in the build output"
for f in Hero.qml Goblin.qml hero_images/head.png hero_images/parts/arm.png; do
  [ -f "$q/$f" ] || fail "$f missing"
  grep -qx "    <file>$f</file>" "$q/game_art.qrc" || fail "$f not in game_art.qrc"
done
grep -q 'imageFolder: "hero_images"' "$q/Hero.qml" || fail "image folder of Hero.qml is not hero_images"
[ "$(cat "$work/out/qml_files.txt")" = "$q/Hero.qml;$q/Goblin.qml;$q/Imp.qml" ] || fail "game_art_QML_FILES"
grep -q 'imageFolder: "imp_images"' "$q/Imp.qml" || fail "a .skel.bytes file is not named as the command line names it"
grep -q "^Qt${qt}Core_DIR:" "$work/out/CMakeCache.txt" || fail "the consumer did not use Qt $qt"
[ -f "$work/out/libgame_resources.a" ] || fail "the resource file did not compile with Qt $qt"

sleep 1 && touch "$work/stamp"
touch "$work/src/art/hero.json"
printf 'new head\n' > "$work/src/art/hero_images/head.png"
printf 'eye\n' > "$work/src/art/hero_images/eye.png"
cmake --build "$work/out"
[ "$q/Hero.qml" -nt "$work/stamp" ] || fail "Hero.qml not converted again"
[ "$q/Goblin.qml" -nt "$work/stamp" ] && fail "Goblin.qml converted again for nothing"
cmp "$q/hero_images/head.png" "$work/src/art/hero_images/head.png" || fail "changed image not copied"
[ -f "$q/hero_images/eye.png" ] && grep -q "<file>hero_images/eye.png</file>" "$q/game_art.qrc" \
  || fail "added image not copied and listed"

# A changed command converts everything again, so the earlier document comes
# from a STRICT build too: of a goblin without the id clash.
sed -i 's/arm_1/hand/g' "$work/src/art/goblin.json"
configure -DCONSUMER_STRICT=ON
cmake --build "$work/out" >/dev/null || fail "STRICT build of clean skeletons failed"
cp "$q/Goblin.qml" "$work/Goblin.before"
cp "$(dirname "$0")/consumer/art/goblin.json" "$work/src/art/goblin.json"
cmake --build "$work/out" > "$work/strict.log" 2>&1 && fail "STRICT build passed on the goblin"
grep -q "Stopped by --strict" "$work/strict.log" || fail "no --strict message in the build output"
cmp "$q/Goblin.qml" "$work/Goblin.before" && [ ! "$q/Goblin.qml" -nt "$work/Goblin.before" ] \
  || fail "STRICT touched the earlier Goblin.qml"
echo "cmake package ($mode): all checks passed"
