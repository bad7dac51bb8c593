#!/usr/bin/env bash
# A short libFuzzer run as part of the tests: builds the fuzz target with clang (address and
# undefined-behaviour sanitizers) in a folder of its own, then fuzzes the reader for a minute
# from a seed corpus of GIFs. A finding fails the test; without clang the test is skipped.
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
cmake --build "$build" --target fuzz_gif >"$build.build.log" 2>&1 ||
    { tail -50 "$build.build.log"; exit 1; }

corpus="$build/short-fuzz-corpus"
mkdir -p "$corpus"
cp "$src"/resources/logo/*.gif "$corpus"/
# A few hand-made streams: the smallest valid image, an interlaced one, an animation.
printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;' >"$corpus/one-pixel.gif"
printf 'GIF89a\x02\x00\x02\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00!\xf9\x04\x05\x0a\x00\x01\x00,\x00\x00\x00\x00\x02\x00\x02\x00@\x02\x03\x84\x1d\x05\x00;' >"$corpus/looping-interlaced.gif"

cd "$build"
# A finding must fail the test: libFuzzer's own exit code (77) is the one ctest takes for "skipped".
"$build/tests/gif/fuzz/fuzz_gif" -max_total_time="$seconds" -rss_limit_mb=1536 -malloc_limit_mb=64 -error_exitcode=1 -print_final_stats=1 "$corpus"
