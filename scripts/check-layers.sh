#!/usr/bin/env bash
# Checks that every source file includes headers only from its own layer or the layers below it.
# Prints each offending include as "file:line: include" and exits 1 when there is one.
# Usage: check-layers.sh [SRC_DIR]   (default: the repository's src/)
set -euo pipefail
src=${1:-"$(cd "$(dirname "$0")/.." && pwd)/src"}

# The layers from the ground up; folders on one line stand side by side and may use each other.
layers=(
  "core"
  "human anthro biomech draw"
  "io"
  "document"
  "render"
  "anim"
  "cli view"
  "app"
)

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

status=0
while IFS= read -r -d '' file; do
  folder=${file#"$src"/}
  folder=${folder%%/*}
  [[ -n ${rank[$folder]+set} ]] || { echo "$file: folder '$folder' is in no layer"; status=1; continue; }
  while IFS=: read -r line target; do
    [[ -n ${rank[$target]+set} ]] || continue
    if (( rank[$target] > rank[$folder] )) || { [[ $folder == cli || $folder == view ]] && [[ $target != "$folder" ]] && (( rank[$target] == rank[$folder] )); }; then
      echo "$file:$line: includes \"$target/...\" from a layer above \"$folder\""
      status=1
    fi
  done < <(grep -no '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z0-9_]*/' "$file" | sed -E 's/^([0-9]+):.*"([a-z0-9_]+)\/$/\1:\2/')
done < <(find "$src" -mindepth 2 \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
exit $status
