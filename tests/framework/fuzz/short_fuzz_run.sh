#!/usr/bin/env bash
# A short libFuzzer run of the layout loader as part of the tests: builds the fuzz target with
# clang (address and undefined-behaviour sanitizers) in a folder of its own, then fuzzes for a
# minute from a seed corpus made of every layout in the project. A finding fails the test;
# without clang the test is skipped.
#   short_fuzz_run.sh SOURCE_DIR BUILD_DIR [SECONDS]
set -euo pipefail
src=$1
build=$2
seconds=${3:-60}

if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: skipped"
    exit 77
fi

cmake -S "$src" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGUIDE_BUILD_FUZZERS=ON >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target fuzz_layout >"$build.build.log" 2>&1 ||
    { tail -50 "$build.build.log"; exit 1; }

# The seeds: every layout of the project, loaded onto the target's plain form. Its root class
# is a TForm, and it has none of the windows' event handlers, so those lines are left out.
corpus="$build/short-fuzz-corpus"
mkdir -p "$corpus"
find "$src/resources" "$src/gallery" -name '*.layout' -print0 |
    while IFS= read -r -d '' layout; do
        name=$(basename "$(dirname "$layout")")-$(basename "$layout")
        sed -E -e '0,/^object /s/^object ([A-Za-z0-9_]+): [A-Za-z0-9_]+/object \1: TForm/' \
            -e '/^[[:space:]]*On[A-Za-z]+ = /d' "$layout" >"$corpus/$name"
    done

cd "$build"
# libFuzzer's own error exit code is 77, which the test takes for "skipped": a finding must
# fail it.
export LSAN_OPTIONS="suppressions=$src/tests/framework/fuzz/lsan.supp"
"$build/tests/framework/fuzz/fuzz_layout" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -timeout=30 -max_len=65536 -error_exitcode=1 -print_final_stats=1 "$corpus"
