#!/bin/sh
# check-help.sh [--version TEXT] PROGRAM...: each program answers --help with
# its usage on standard output and status 0, and reads and writes nothing:
# run in an empty folder, without a display and with HEXTOWER_DATA naming
# that empty folder, it finds no model file to complain about, and the game
# would end with status 1.  With --version TEXT, each also answers --version
# with TEXT in the same way.
set -u
version=
if [ "${1-}" = --version ]; then
    version=$2
    shift 2
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder" "$folder.err"' EXIT
cd "$folder" || exit 1
status=0
# ask PROGRAM OPTION: its answer in $out; status 0, nothing on standard
# error and no file made.
ask() {
    out=$(env -u DISPLAY HEXTOWER_DATA="$folder" HEXTOWER_NOTICE=console timeout 10 "$1" "$2" 2>"$folder.err")
    code=$?
    err=$(cat "$folder.err")
    [ "$code" = 0 ] || { echo "$1: $2 exits with $code"; status=1; }
    [ -z "$err" ] || { echo "$1: $2 wrote to stderr: $err"; status=1; }
    [ -z "$(ls -A)" ] || { echo "$1: $2 made files: $(ls -A)"; status=1; }
}
for program in "$@"; do
    ask "$program" --help
    case $out in usage:*) ;; *) echo "$program: no usage on --help: $out"; status=1 ;; esac
    if [ -n "$version" ]; then
        ask "$program" --version
        [ "$out" = "$version" ] || { echo "$program: --version says \"$out\", not \"$version\""; status=1; }
    fi
done
exit $status
