#!/usr/bin/env bash
# Configures and builds the project into the folder given (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
cartella=${1:-build}
shift || true
bash scripts/dipendenze.sh
cmake -S . -B "$cartella" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$cartella" -j2
