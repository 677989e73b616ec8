#!/bin/sh
# check-help.sh PROGRAM...: each development program answers --help with its
# usage on standard output and status 0, and reads and writes nothing: run
# in an empty folder, it finds no model file to complain about.
set -u
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
status=0
for program in "$@"; do
    out=$(HEXTOWER_NOTICE=console timeout 10 "$program" --help 2>"$folder.err")
    code=$?
    err=$(cat "$folder.err")
    rm -f "$folder.err"
    case $out in usage:*) ;; *) echo "$program: no usage on --help: $out"; status=1 ;; esac
    [ "$code" = 0 ] || { echo "$program: --help exits with $code"; status=1; }
    [ -z "$err" ] || { echo "$program: --help wrote to stderr: $err"; status=1; }
    [ -z "$(ls -A)" ] || { echo "$program: --help made files: $(ls -A)"; status=1; }
done
exit $status
