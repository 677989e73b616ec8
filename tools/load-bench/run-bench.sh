#!/usr/bin/env bash
# Generates a 31,000-face mesh and one with four times the faces, and
# measures loading each (from a build in build/, or the folder given).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:-$root/build}/bin"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT

for faces in 31000 124000; do
  "$bin/bench-mesh" "$faces" "$folder/grid$faces.3ds"
  echo "$faces faces:"
  "$bin/load-bench" "$folder/grid$faces.3ds" 200
done
