#!/usr/bin/env bash
# run-fuzz.sh TARGET SEEDER SECONDS [CORPUS...]: runs one fuzz target built in
# build-fuzz by `make fuzz` for a bounded time, from the seeds its seed
# writer makes, the inputs it found before and any corpus folders given that
# exist.  Fails on any finding; the input that caused it is left in
# build-fuzz/TARGET-artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
target="$1"
seeder="$2"
seconds="$3"
shift 3

mkdir -p "$build/$target-seeds" "$build/$target-corpus" "$build/$target-artifacts"
"$build/bin/$seeder" "$build/$target-seeds"
inputs=("$build/$target-corpus" "$build/$target-seeds")
for corpus in "$@"; do
  if [ -d "$corpus" ]; then
    inputs+=("$corpus")
  fi
done

# Standard output is closed: the model reader names the texture files it
# meets.
HEXTOWER_NOTICE=console "$build/bin/$target" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$build/$target-artifacts/" \
  "${inputs[@]}"
