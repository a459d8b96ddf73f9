#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: the files in their
# places, a desktop entry and AppStream metadata that validate, the headless tool and the game
# itself finding their data when started from another folder.
#
# The game has no "quit after N games": it is started as a D3 series, which appends one line
# to ~/Desktop/test.txt after every game. A line there proves the installed game found its
# rules file (without it the window is never built) and its card set (a missing set stops the
# game at a modal message before the first deal), and played a whole game; the test then ends
# it. Uso: prova-installazione.sh CARTELLA_BUILD
set -euo pipefail
build=$(cd "$1" && pwd)
lavoro=$(mktemp -d)
gioco=
finisci() {
    if [ -n "$gioco" ]; then kill "$gioco" 2>/dev/null || true; wait "$gioco" 2>/dev/null || true; fi
    rm -rf "$lavoro"
}
trap finisci EXIT
errore() { echo "ERRORE: $*" >&2; exit 1; }

prefisso=$lavoro/prefisso
cmake --install "$build" --prefix "$prefisso" >/dev/null
id=org.pentaludo.Pentaludo
for file in bin/pentaludo bin/pentaludo-serie bin/pentaludo-regole \
    share/pentaludo/regole.OK.txt share/pentaludo/manuale/index.html \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
    share/doc/pentaludo/LICENSE share/pentaludo/pagina/index.html \
    share/pentaludo/pagina/js/principale.js share/pentaludo/pagina/carte/Napoletane/AC@2x.png \
    share/pentaludo/pagina/sfondi/PannoVerde.png; do
    [ -e "$prefisso/$file" ] || errore "manca $file nell'installazione"
done
desktop-file-validate "$prefisso/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefisso/share/metainfo/$id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefisso/share/metainfo/$id.metainfo.xml"

# Started elsewhere, nothing of ours in the current folder.
altrove=$lavoro/altrove
casa=$lavoro/casa
mkdir -p "$altrove" "$casa/Desktop"
cd "$altrove"
"$prefisso/bin/pentaludo-regole" "$prefisso/share/pentaludo/regole.OK.txt" >/dev/null
"$prefisso/bin/pentaludo-serie" --tipo 1 --partite 5 --seme 3 >/dev/null ||
    errore "pentaludo-serie installato non gioca"

[ -d "$prefisso/share/pentaludo/Carte" ] || errore "nessun mazzo di carte in share/pentaludo/Carte"

# The installed server finds the installed browser page by itself.
if [ -x "$prefisso/bin/pentaludo-server" ]; then
    timeout 5 "$prefisso/bin/pentaludo-server" --indirizzo 127.0.0.1 --porta 0 \
        --dati "$lavoro/tavoli" >"$lavoro/server" 2>&1 || true
    grep -q "^Pagina per il browser: http://127.0.0.1:" "$lavoro/server" ||
        { cat "$lavoro/server"; errore "il server installato non trova la pagina"; }
fi

# No pauses, so that a game takes a moment. An installed game keeps its options in the user's
# configuration folder, never in bin/, even where bin/ can be written.
opzioni=$casa/.config/pentaludo
mkdir -p "$opzioni"
printf 'AttesaGiocata=0\r\nAttesaMano=0\r\n' >"$opzioni/BriscolaChiamata.ini"
env -u XDG_CONFIG_HOME HOME="$casa" QT_QPA_PLATFORM=offscreen \
    "$prefisso/bin/pentaludo" D3 S7 >"$lavoro/uscita" 2>&1 &
gioco=$!
registro=$casa/Desktop/test.txt
for _ in $(seq 1 600); do
    [ -s "$registro" ] && break
    kill -0 "$gioco" 2>/dev/null || { cat "$lavoro/uscita"; errore "il gioco installato è uscito"; }
    sleep 0.2
done
[ -s "$registro" ] || { cat "$lavoro/uscita"; errore "il gioco installato non ha finito una partita"; }
[ ! -e "$altrove/test.txt" ] || errore "registro scritto nella cartella corrente"
echo "ok: $(wc -l <"$registro") partite giocate dal gioco installato"
