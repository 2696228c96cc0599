#!/usr/bin/env bash
# Fuzzes the import, scene build and page painting (fuzz_document) and the
# EMF/WMF picture conversion (fuzz_picture) with libFuzzer under ASan and
# UBSan, both targets at once, for SECONDS each (default 600). Findings are
# kept and the run goes on.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
# Builds in build-fuzz/ with clang. Each target's new inputs go to
# build-fuzz/corpus/TARGET, crashes to build-fuzz/artifacts/TARGET, its log to
# build-fuzz/TARGET.log. Seeds are the sample drawings in
# ../shared/fixtures/visio (when present) and tests/data/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_document fuzz_picture)

scripts/install-deps.sh --fuzz

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DPLANDRAW_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

fixtures=../shared/fixtures/visio
seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/fuzz_document" "$seeds/fuzz_picture"
cp tests/data/fuzz/document/* "$seeds/fuzz_document/" 2>/dev/null || true
cp tests/data/fuzz/picture/* "$seeds/fuzz_picture/" 2>/dev/null || true
if [ -d "$fixtures" ]; then
    # Small drawings only: large seeds slow every run down.
    find "$fixtures" -maxdepth 1 -type f \( -name '*.vsd' -o -name '*.vsdx' -o -name '*.vdx' \) \
        -size -80k -exec cp {} "$seeds/fuzz_document/" \;
    # Stored (uncompressed) copies of the .vsdx files let mutations reach the
    # XML, and their pictures seed the picture converter.
    python3 - "$fixtures" "$seeds" <<'PY'
import pathlib, sys, zipfile
fixtures, seeds = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
for path in sorted(fixtures.glob('*.vsdx')):
    try:
        with zipfile.ZipFile(path) as source:
            if path.stat().st_size < 80 * 1024:
                with zipfile.ZipFile(seeds / 'fuzz_document' / ('stored-' + path.name), 'w',
                                     zipfile.ZIP_STORED) as stored:
                    for item in source.infolist():
                        stored.writestr(item.filename, source.read(item.filename))
            for item in source.infolist():
                name = item.filename.lower()
                if (name.endswith('.emf') or name.endswith('.wmf')) and item.file_size < 64 * 1024:
                    target = seeds / 'fuzz_picture' / (path.stem + '-' + pathlib.Path(name).name)
                    target.write_bytes(source.read(item.filename))
    except (zipfile.BadZipFile, OSError) as error:
        print(f'fuzz.sh: skipped {path.name}: {error}', file=sys.stderr)
PY
fi

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"

pids=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    # A child process per run of inputs, so one finding does not end the session.
    options=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1
             -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -max_len=131072
             -print_final_stats=1 -artifact_prefix="$artifacts/")
    [ "$target" = fuzz_document ] && options+=(-dict=fuzz/visio.dict)
    echo "fuzz.sh: $target for ${seconds}s, log in $build/$target.log"
    nice -n 10 "$build/fuzz/$target" "${options[@]}" "$corpus" "$seeds/$target" \
        >"$build/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then
        echo "fuzz.sh: ${targets[$i]} stopped on a finding; see $build/${targets[$i]}.log" >&2
        status=1
    fi
done
for target in "${targets[@]}"; do
    grep -E '^#[0-9]+' "$build/$target.log" | tail -n 1 || true
    grep -E '^stat::' "$build/$target.log" || true
done
exit $status
