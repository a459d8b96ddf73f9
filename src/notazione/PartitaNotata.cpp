#include "notazione/PartitaNotata.h"

#include <algorithm>

#include "carte/CodiceCarta.h"
#include "comune/Errore.h"
#include "notazione/TestoLicitazione.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// A name fits on its line: control characters become blanks, blanks at either end go.
std::string NomeSuUnaRiga(const std::string& nome) {
    std::string esito = nome;
    std::replace_if(
        esito.begin(), esito.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }, ' ');
    const auto inizio = esito.find_first_not_of(' ');
    if (inizio == std::string::npos) {
        return {};
    }
    return esito.substr(inizio, esito.find_last_not_of(' ') - inizio + 1);
}

bool ParolaSola(const std::string& testo) {
    return !testo.empty() && std::none_of(testo.begin(), testo.end(), [](char c) {
        return static_cast<unsigned char>(c) <= 0x20 || c == '\x7f';
    });
}

void ScriviBriscola(std::string& testo, const PartitaNotata& partita) {
    testo += "briscola " + CodiceSeme(partita.briscola.Seme()) + '\n';
    testo += "chiamata " + CodiceCarta(partita.chiamata) + '\n';
}

} // namespace

PartitaNotata NotaPartita(const RegistroPartita& registro,
                          const std::array<GiocatoreNotato, 5>& giocatori, long long numero) {
    if (!registro.PartitaFinita()) {
        throw Errore("La partita non è finita: non si può annotare");
    }
    PartitaNotata partita;
    partita.numero = numero;
    for (std::size_t s = 0; s < 5; ++s) {
        if (!ParolaSola(giocatori[s].tipo)) {
            throw Errore("Tipo di giocatore non valido: \"" + giocatori[s].tipo + "\"");
        }
        partita.giocatori[s] = {giocatori[s].tipo, NomeSuUnaRiga(giocatori[s].nome)};
    }
    partita.manoAlBuio = registro.primaManoCoperta == 1;
    for (int c = 0; c < 40; ++c) {
        partita.distribuzione[static_cast<std::size_t>(c)] = registro.Distribuzione(c);
    }
    int ultimaOfferta = -1;
    for (int n = 0; n < registro.NumeroLicitazioni(); ++n) {
        LicitazioneNotata licitazione;
        licitazione.chiamata = registro.LicitazioneN(n, licitazione.giocatore);
        if (licitazione.chiamata.Valore != kPasso) {
            ultimaOfferta = n;
        }
        partita.licitazioni.push_back(licitazione);
    }
    // The record keeps the suit of the standing bid alone, which is the last one made.
    if (ultimaOfferta >= 0) {
        partita.licitazioni[static_cast<std::size_t>(ultimaOfferta)].chiamata = registro.chiamata;
    }
    partita.briscola = registro.briscola;
    partita.chiamata = registro.CartaChiamata();
    for (int n = 0; n < 40; ++n) {
        PresaNotata& presa = partita.prese[static_cast<std::size_t>(n / 5)];
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        if (n % 5 == 0) {
            presa.primo = giocatore;
        }
        presa.carte[static_cast<std::size_t>(n % 5)] = carta;
    }
    partita.punteggi = PunteggiPartita(registro);
    return partita;
}

std::string TestoPartita(const PartitaNotata& partita) {
    std::string testo = "partita " + std::to_string(partita.numero) + '\n';
    for (int s = 0; s < 5; ++s) {
        const GiocatoreNotato& g = partita.giocatori[static_cast<std::size_t>(s)];
        testo += "giocatore " + std::to_string(s) + ' ' + g.tipo +
                 (g.nome.empty() ? "" : " " + g.nome) + '\n';
    }
    testo += std::string("variante ") + (partita.manoAlBuio ? "mano-al-buio" : "normale") + '\n';
    for (int s = 0; s < 5; ++s) {
        testo += "carte " + std::to_string(s);
        for (int c = 0; c < 40; ++c) {
            if (partita.distribuzione[static_cast<std::size_t>(c)] == s) {
                testo += ' ' + CodiceCarta(Carta::DaIndice(c));
            }
        }
        testo += '\n';
    }
    for (const LicitazioneNotata& l : partita.licitazioni) {
        testo +=
            "licita " + std::to_string(l.giocatore) + ' ' + TestoLicitazione(l.chiamata) + '\n';
    }
    // The trump is written where it was named: before the first trick, or after it when that
    // trick is played face down.
    if (!partita.manoAlBuio) {
        ScriviBriscola(testo, partita);
    }
    for (std::size_t t = 0; t < 8; ++t) {
        const PresaNotata& presa = partita.prese[t];
        testo += "presa " + std::to_string(t + 1) + ' ' + std::to_string(presa.primo);
        for (const Carta& carta : presa.carte) {
            testo += ' ' + CodiceCarta(carta);
        }
        testo += '\n';
        if (t == 0 && partita.manoAlBuio) {
            ScriviBriscola(testo, partita);
        }
    }
    testo += "punteggi";
    for (const int p : partita.punteggi) {
        testo += ' ' + std::to_string(p);
    }
    return testo + "\n\n";
}

std::string NotazionePartita(const RegistroPartita& registro,
                             const std::array<GiocatoreNotato, 5>& giocatori, long long numero) {
    return TestoPartita(NotaPartita(registro, giocatori, numero));
}

std::string IntestazioneNotazione() {
    return "# Pentaludo: partite di Briscola Chiamata\n\n";
}
