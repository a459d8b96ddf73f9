#!/usr/bin/env bash
# Builds everything and starts the game; the arguments go to the game (D1, S1234, ...).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/costruisci.sh build
exec build/src/finestre/pentaludo "$@"
