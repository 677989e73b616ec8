#!/usr/bin/env bash
# Runs the model reader's fuzz target (built in build-fuzz by `make fuzz`)
# for a bounded time, from the synthetic seeds and the shared corpus of real
# model files.  Fails on any finding; the input that caused it is left in
# build-fuzz/fuzz-artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-120}"

mkdir -p "$build/fuzz-seeds" "$build/fuzz-corpus" "$build/fuzz-artifacts"
"$build/bin/fuzz-seeds" "$build/fuzz-seeds"
inputs=("$build/fuzz-corpus" "$build/fuzz-seeds")
if [ -d "$root/../shared/corpus/3ds" ]; then
  inputs+=("$root/../shared/corpus/3ds")
fi

# Standard output is closed: the reader names the texture files it meets.
HEXTOWER_NOTICE=console "$build/bin/fuzz-model" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
  "${inputs[@]}"
