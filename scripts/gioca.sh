#!/usr/bin/env bash
# Builds everything and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/costruisci.sh build
if [ -x build/src/finestre/pentaludo ]; then
    exec build/src/finestre/pentaludo "$@"
fi


