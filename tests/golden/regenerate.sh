#!/bin/sh
# Rewrites the golden CSV files from samples/caches.gpx with the command-line converter.
# Usage: tests/golden/regenerate.sh [BUILD_DIR]   (default: build)
# Review every changed line with `git diff` before committing: the files are the
# reference the tests hold the engine to, not a record of what it happens to print.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target corvane-cli >/dev/null
cli="$build/cli/corvane-cli"

for link in cachemate website; do
    for hints in off on; do
        name=$link
        set -- --icons '\MM Icons\' --name 'Corvid Kate' --link "$link" --encoding windows-1252 --force --quiet
        if [ "$hints" = on ]; then
            name=$link-hints
            set -- "$@" --hints
        fi
        "$cli" "$@" "$root/samples/caches.gpx" "$root/tests/golden/$name.csv"
    done
done

# Icons by cache type: the sample, the child waypoints of a pocket query's -wpts file, and
# caches in the other states and of the other types.
for sample in caches child-waypoints states; do
    name=type-$sample
    "$cli" --icons '\MM Icons\' --name 'Corvid Kate' --kinds type --encoding windows-1252 --force --quiet \
        "$root/samples/$sample.gpx" "$root/tests/golden/$name.csv"
done
