#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 600),
# both at once, starting from the seed corpus. New inputs go to fuzz/runs/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
"$root/scripts/deps.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DTESSELO_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" -j"$(nproc)"
pids=()
for name in sheet declarations; do
    mkdir -p "$root/fuzz/runs/$name"
    "$root/build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$root/fuzz/runs/$name-" "$root/fuzz/runs/$name" \
        "$root/fuzz/corpus/$name" >"$root/fuzz/runs/$name.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
tail -n 3 "$root"/fuzz/runs/*.log
exit $status
