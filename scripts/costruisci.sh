#!/usr/bin/env bash
# Configures and builds the project into the folder given (default: build). PENTALUDO_WERROR=ON
# in the environment turns warnings into errors (CI does); PENTALUDO_TIPO_BUILD chooses the
# build type (default RelWithDebInfo; CI builds Release, whose -O3 warns the most).
set -euo pipefail
cd "$(dirname "$0")/.."
cartella=${1:-build}
shift || true
bash scripts/dipendenze.sh
cmake -S . -B "$cartella" -DCMAKE_BUILD_TYPE="${PENTALUDO_TIPO_BUILD:-RelWithDebInfo}" \
    -DPENTALUDO_WERROR="${PENTALUDO_WERROR:-OFF}" "$@"
cmake --build "$cartella" -j2
