#!/usr/bin/env bash
# Builds everything and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/costruisci.sh build
if [ -x build/src/finestre/pentaludo ]; then
    exec build/src/finestre/pentaludo "$@"
fi
echo
echo "La finestra del gioco non c'è ancora: sono pronti il motore di gioco e gli strumenti in build/src/strumenti."
