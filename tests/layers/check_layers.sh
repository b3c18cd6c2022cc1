#!/usr/bin/env bash
# Fails when a source includes a header of a layer above its own, or of a
# peer: the layers are
#   core/text < core/app < core/display < core/editing < core/dialogs
#   < core/check, core/project (peers) < the whole core (engine_commands)
#   < platform < cli, gui (peers: the command-line tool reads pictures
#   through the platform too)
# A call upwards would also fail to link in the tests of the lower layer;
# this catches header-only uses as well.
set -euo pipefail
src=${1:?usage: check_layers.sh SRC_DIR}
cd "$src"

rank() {
  case "$1" in
    core/text) echo 0 ;;
    core/app) echo 1 ;;
    core/display) echo 2 ;;
    core/editing) echo 3 ;;
    core/dialogs) echo 4 ;;
    core/check | core/project) echo 5 ;;
    core) echo 6 ;;
    platform) echo 7 ;;
    cli | gui) echo 8 ;;
    *) echo 99 ;;
  esac
}

# The layer a path belongs to: core/<folder>, or the top folder.
layer_of() {
  case "$1" in
    core/*/*) local rest=${1#core/}; echo "core/${rest%%/*}" ;;
    core/*) echo core ;;
    *) echo "${1%%/*}" ;;
  esac
}

bad=0
while IFS= read -r file; do
  from=$(layer_of "$file")
  from_rank=$(rank "$from")
  while IFS= read -r header; do
    to=$(layer_of "$header")
    to_rank=$(rank "$to")
    [ "$to_rank" = 99 ] && continue
    if [ "$to_rank" -gt "$from_rank" ] || { [ "$to_rank" = "$from_rank" ] && [ "$to" != "$from" ]; }; then
      echo "$file includes $header ($to is not below $from)"
      bad=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find core cli platform gui -name '*.h' -o -name '*.cpp' | sort)
[ "$bad" = 0 ] && echo "every include goes down the layers"
exit "$bad"
