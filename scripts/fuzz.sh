#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz, and runs each for the seconds given (default 60)
# from its seed corpus fuzz/corpus/<target>/ (which stays as it is: what the fuzzer finds goes
# to build-fuzz/corpus/). A failing input is kept in build-fuzz/artefatti/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
secondi=${1:-60}
bash scripts/dipendenze.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPENTALUDO_FUZZ=ON -DPENTALUDO_TESTS=OFF -DPENTALUDO_BENCH=OFF -DPENTALUDO_FINESTRE=OFF \
    -DPENTALUDO_WERROR="${PENTALUDO_WERROR:-OFF}"
cmake --build build-fuzz -j2 --target pentaludo_fuzz
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
rm -rf build-fuzz/artefatti
mkdir -p build-fuzz/artefatti
for sorgente in fuzz/fuzz-*.cpp; do
    nome=$(basename "$sorgente" .cpp)
    mkdir -p "build-fuzz/corpus/$nome"
    echo "== $nome: $secondi secondi"
    stato=0
    build-fuzz/fuzz/"$nome" -max_total_time="$secondi" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="build-fuzz/artefatti/$nome-" \
        "build-fuzz/corpus/$nome" "fuzz/corpus/$nome" > "build-fuzz/$nome.log" 2>&1 || stato=$?
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)|^Done ' \
        "build-fuzz/$nome.log" || true
    if [ "$stato" -ne 0 ]; then
        tail -n 60 "build-fuzz/$nome.log"
        echo "$nome: il fuzzer ha trovato un errore (l'ingresso è in build-fuzz/artefatti/)"
        exit 1
    fi
done
# One line a CI log reader understands: every target ran its time without a finding.
echo "fuzz: $(ls fuzz/fuzz-*.cpp | wc -l) passed, 0 failed"
