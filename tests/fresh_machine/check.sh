#!/usr/bin/env bash
# The README's two commands in both orders, each in a fresh clone on a machine
# from which the test-only packages have just been removed: `make test` must
# install them and pass either way. Needs root and apt; the packages are
# installed again on exit, whatever happens.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
# Those of the Qt that the Makefile picks here (QT=5 or 6 in the environment
# chooses, as for make).
packages=$(make -s -C "$repo" test-packages)
work=$(mktemp -d)
export DEBIAN_FRONTEND=noninteractive
trap 'apt-get install -y $packages >/dev/null; rm -rf "$work"' EXIT

in_fresh_clone() {  # <first target> <second target>
  apt-get remove -y $packages >/dev/null
  git clone -q --no-hardlinks "$repo" "$work/$1-$2"
  SECONDS=0
  make -C "$work/$1-$2" "$1"
  make -C "$work/$1-$2" "$2"
  echo "fresh machine: make $1 && make $2 passed in $SECONDS s"
}
in_fresh_clone run test
in_fresh_clone test run
