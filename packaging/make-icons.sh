#!/bin/sh
# make-icons.sh SNAPSHOT OUTDIR: renders the game's menu icons, a close-up
# of the top of a full tower, as OUTDIR/hextower-SIZE.png.  Run it from the
# assets directory under X (`make icons` does both, under Xvfb, so that the
# committed icons come from one renderer).
set -eu
snapshot=$1
out=$2
for size in 48 64 128 256; do
    "$snapshot" "$out/hextower-$size.png" --board full --angle -25 --seed 4 \
        --crop 200,30,420 --size "$size" >/dev/null
done
