#!/usr/bin/env bash
# The layer check must pass on a sound tree and name the offending include on a wrong one.
set -euo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/core" "$tree/human" "$tree/view" "$tree/app"
printf '#include "core/Vec3.h"\n' >"$tree/human/Body.cpp"
printf '#include "view/TavroView.h"\n#include <vector>\n' >"$tree/app/Frame.cpp"
printf '#pragma once\n#include "core/Vec3.h"\n' >"$tree/core/Box.h"
bash "$check" "$tree" || { echo "FAIL: a sound tree was refused"; exit 1; }

printf '#include "core/Vec3.h"\n#include "human/Mannequin.h"\n' >"$tree/core/Bad.cpp"
printf '#include "app/MainFrame.h"\n' >"$tree/view/Back.cpp"
if out=$(bash "$check" "$tree"); then
  echo "FAIL: includes from above were accepted"; exit 1
fi
grep -q "core/Bad.cpp:2: includes \"human/" <<<"$out" || { echo "FAIL: $out"; exit 1; }
grep -q "view/Back.cpp:1: includes \"app/" <<<"$out" || { echo "FAIL: $out"; exit 1; }
[ "$(wc -l <<<"$out")" -eq 2 ] || { echo "FAIL: unexpected reports: $out"; exit 1; }
echo "layer check: sound tree accepted, both wrong includes named"
