#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/GiocatoriNotati.h"
#include "motori/Serie.h"
#include "motori/Tavolo.h"
#include "notazione/LeggiNotazione.h"
#include "notazione/PartitaNotata.h"
#include "notazione/RigiocaPartita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

const std::string kRegole = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";

struct Giocata {
    RegistroPartita registro;
    std::array<int, 5> punteggi{};
};

// Games played at a real table of the seating, as the series and the window play them: each
// game's record as it stands when the game is over, and the scores its history gave it.
std::vector<Giocata> GiocaAlTavolo(int tipo, bool alBuio, int partite, std::uint32_t seme,
                                   std::string& testo, const OpzioniTavolo& base = {}) {
    OpzioniTavolo opzioni = base;
    opzioni.fileRegole = kRegole;
    opzioni.logTest = "/dev/null";
    FinestraSilenziosa finestra;
    Tavolo tavolo(tipo, seme, &finestra, opzioni);
    finestra.ImpostaGeneratore(&tavolo.Stato().generatore);
    tavolo.Driver().ImpostaManoAlBuio(alBuio);
    const std::array<GiocatoreNotato, 5> giocatori = GiocatoriDelTavolo(tavolo.Manager());
    const TipoStoriaPartite& storia = tavolo.Stato().storia;
    std::vector<Giocata> giocate;
    tavolo.Driver().NuovaPartita();
    while (storia.numeroPartite < partite) {
        const int prima = storia.numeroPartite;
        tavolo.Passo();
        if (storia.numeroPartite == prima) {
            continue;
        }
        Giocata g{tavolo.Stato().registro, {}};
        for (int s = 0; s < 5; ++s) {
            g.punteggi[static_cast<std::size_t>(s)] = storia.Punteggio(prima, s);
        }
        testo += NotazionePartita(g.registro, giocatori, prima);
        giocate.push_back(g);
        if (!tavolo.Driver().InCorso() && !tavolo.Driver().RipartenzaAutomatica()) {
            tavolo.Driver().NuovaPartita();
        }
    }
    return giocate;
}

} // namespace

TEST(Notazione, LePartiteLetteERigiocateSonoQuelleGiocate) {
    // Every seating, both variants, and a table with an expert and a random player: written,
    // read back and played again, each game gives the record and the scores of the game itself.
    struct Caso {
        int tipo;
        bool alBuio;
        int partite;
        bool altri;
    };
    const std::vector<Caso> casi = {
        {0, true, 500, false},  {0, false, 500, false}, {1, true, 500, false},
        {1, false, 500, false}, {2, true, 500, false},  {2, false, 500, false},
        {3, true, 500, false},  {3, false, 500, false}, {3, true, 20, true}};
    for (const Caso& caso : casi) {
        SCOPED_TRACE("tipo " + std::to_string(caso.tipo) + (caso.alBuio ? " al buio" : ""));
        OpzioniTavolo opzioni;
        if (caso.altri) {
            opzioni.esperto = {true, false, false, false, false};
            opzioni.casuale = {false, false, true, false, false};
            opzioni.budgetEsperto = 4;
        }
        std::string testo = IntestazioneNotazione();
        const std::vector<Giocata> giocate =
            GiocaAlTavolo(caso.tipo, caso.alBuio, caso.partite, 77 + caso.tipo, testo, opzioni);
        std::vector<PartitaNotata> lette;
        ASSERT_NO_THROW(lette = LeggiNotazione(testo));
        ASSERT_EQ(lette.size(), giocate.size());
        std::string riscritto = IntestazioneNotazione();
        for (std::size_t n = 0; n < lette.size(); ++n) {
            const RegistroPartita rigiocato = RigiocaPartita(lette[n]);
            ASSERT_TRUE(rigiocato == giocate[n].registro) << "partita " << n;
            ASSERT_EQ(PunteggiPartita(rigiocato), giocate[n].punteggi) << "partita " << n;
            EXPECT_EQ(lette[n].numero, static_cast<long long>(n));
            EXPECT_EQ(lette[n].manoAlBuio, caso.alBuio);
            riscritto += TestoPartita(lette[n]);
        }
        EXPECT_EQ(riscritto, testo);
        if (caso.altri) {
            EXPECT_EQ(lette[0].giocatori[0].tipo, "esperto");
            EXPECT_EQ(lette[0].giocatori[2].tipo, "casuale");
        }
        if (caso.tipo == 0) {
            EXPECT_EQ(lette[0].giocatori[4].tipo, "umano");
            EXPECT_EQ(lette[0].giocatori[0].tipo, "standard");
        }
        if (caso.tipo == 2) {
            EXPECT_EQ(lette[0].giocatori[1].tipo, "tattico");
        }
    }
}

TEST(Notazione, NomiEOfferteConSemeTornanoComeScritti) {
    std::string testo;
    const std::vector<Giocata> giocate = GiocaAlTavolo(1, false, 1, 5, testo);
    RegistroPartita registro = giocate[0].registro;
    // A person's bid may name the suit of the card it calls.
    registro.chiamata.Seme = 2;
    std::array<GiocatoreNotato, 5> giocatori;
    for (int s = 0; s < 5; ++s) {
        giocatori[static_cast<std::size_t>(s)] = {"umano", "Anna\tdi Sopra " + std::to_string(s)};
    }
    giocatori[3].nome = "  Zoë\r\n ";
    const PartitaNotata nota = NotaPartita(registro, giocatori, 12);
    const std::vector<PartitaNotata> lette = LeggiNotazione(TestoPartita(nota));
    ASSERT_EQ(lette.size(), 1u);
    EXPECT_EQ(lette[0], nota);
    EXPECT_EQ(lette[0].giocatori[0].nome, "Anna di Sopra 0");
    EXPECT_EQ(lette[0].giocatori[3].nome, "Zoë");
    EXPECT_TRUE(RigiocaPartita(lette[0]) == registro);
    EXPECT_THROW(NotaPartita(registro.InizioDelGioco(), giocatori), Errore);
    giocatori[1].tipo = "due parole";
    EXPECT_THROW(NotaPartita(registro, giocatori), Errore);
}

TEST(Notazione, UnFileMalformatoDiceLaSuaRiga) {
    std::string testo;
    GiocaAlTavolo(1, true, 2, 11, testo);
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) {
        righe.push_back(riga);
    }
    // The line (from 0) of the first line that begins with prefisso.
    const auto Riga = [&](const std::string& prefisso) {
        for (std::size_t i = 0; i < righe.size(); ++i) {
            if (righe[i].rfind(prefisso, 0) == 0) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "nessuna riga " << prefisso;
        return 0;
    };
    const auto Parole = [&](int i) {
        std::vector<std::string> parole;
        std::istringstream riga(righe[static_cast<std::size_t>(i)]);
        for (std::string p; riga >> p;) {
            parole.push_back(p);
        }
        return parole;
    };
    const auto Unisci = [](const std::vector<std::string>& parole) {
        std::string riga;
        for (const std::string& p : parole) {
            riga += (riga.empty() ? "" : " ") + p;
        }
        return riga;
    };
    const int fine = Riga("punteggi");
    struct Caso {
        const char* nome;
        // Changes the lines; returns the line (from 0) the error must name.
        std::function<int(std::vector<std::string>&)> guasta;
        const char* messaggio;
    };
    const std::vector<Caso> casi = {
        {"parola sconosciuta",
         [&](auto& r) {
             r.insert(r.begin() + 3, "mossa 1 2");
             return 3;
         },
         "parola sconosciuta: mossa"},
        {"prima della partita",
         [&](auto& r) {
             r.insert(r.begin(), "variante normale");
             return 0;
         },
         "fuori da una partita"},
        {"codice di carta",
         [&](auto& r) {
             const int i = Riga("carte 2");
             r[static_cast<std::size_t>(i)].replace(8, 2, "XZ");
             return i;
         },
         "Codice di carta sconosciuto: XZ"},
        {"sette carte",
         [&](auto& r) {
             const int i = Riga("carte 1");
             r[static_cast<std::size_t>(i)].resize(r[static_cast<std::size_t>(i)].size() - 3);
             return i;
         },
         "deve avere otto carte, non 7"},
        {"carta data due volte",
         [&](auto& r) {
             const int i = Riga("carte 3");
             auto p = Parole(i);
             p[3] = Parole(Riga("carte 0"))[2];
             r[static_cast<std::size_t>(i)] = Unisci(p);
             return i;
         },
         "carta distribuita due volte"},
        {"licitazione fuori turno",
         [&](auto& r) {
             const int i = Riga("licita") + 1;
             auto p = Parole(i);
             p[1] = std::to_string((std::stoi(p[1]) + 1) % 5);
             r[static_cast<std::size_t>(i)] = Unisci(p);
             return i;
         },
         "Tocca licitare al giocatore"},
        {"offerta che non supera",
         [&](auto& r) {
             const int i = Riga("licita");
             r.insert(r.begin() + i + 1,
                      "licita " + std::to_string((std::stoi(Parole(i)[1]) + 1) % 5) + " A");
             // The first bid stands at Asso or higher: an Asso does not go over it.
             r[static_cast<std::size_t>(i)] = "licita " + Parole(i)[1] + " A";
             return i + 1;
         },
         "non supera"},
        {"licitazione sconosciuta",
         [&](auto& r) {
             const int i = Riga("licita");
             r[static_cast<std::size_t>(i)] = "licita " + Parole(i)[1] + " 130";
             return i;
         },
         "Licitazione non valida: 130"},
        {"carta che il giocatore non ha",
         [&](auto& r) {
             const int i = Riga("presa 3");
             auto p = Parole(i);
             std::swap(p[3], p[4]);
             r[static_cast<std::size_t>(i)] = Unisci(p);
             return i;
         },
         "non ha in mano"},
        {"chi apre la presa",
         [&](auto& r) {
             const int i = Riga("presa 5");
             auto p = Parole(i);
             p[2] = std::to_string((std::stoi(p[2]) + 2) % 5);
             r[static_cast<std::size_t>(i)] = Unisci(p);
             return i;
         },
         "La presa 5 la apre il giocatore"},
        {"prese fuori ordine",
         [&](auto& r) {
             std::swap(r[static_cast<std::size_t>(Riga("presa 4"))],
                       r[static_cast<std::size_t>(Riga("presa 6"))]);
             return Riga("presa 4");
         },
         "attesa la presa 4, non la 6"},
        {"carta chiamata sbagliata",
         [&](auto& r) {
             const int i = Riga("chiamata");
             const std::string vera = Parole(i)[1];
             r[static_cast<std::size_t>(i)] =
                 std::string("chiamata ") + (vera == "AC" ? "2C" : "AC");
             return i;
         },
         "La carta chiamata è "},
        {"punteggi sbagliati",
         [&](auto& r) {
             r[static_cast<std::size_t>(fine)] = "punteggi 1 1 1 1 -4";
             return fine;
         },
         "I punteggi della partita sono"},
        {"briscola mancante",
         [&](auto& r) {
             r.erase(r.begin() + Riga("briscola"));
             return fine - 1;
         },
         "manca la briscola"},
        {"file troncato",
         [&](auto& r) {
             r.resize(static_cast<std::size_t>(Riga("presa 6")));
             return static_cast<int>(r.size()) - 1;
         },
         "finisce senza i punteggi"},
        {"nuova partita prima dei punteggi",
         [&](auto& r) {
             r.erase(r.begin() + fine);
             return Riga("partita 1") - 1;
         },
         "finisce senza i punteggi"},
        {"riga troppo lunga",
         [&](auto& r) {
             r[1] += std::string(kLunghezzaMassimaRiga, 'x');
             return 1;
         },
         "riga troppo lunga"},
        {"giocatore fuori dal tavolo",
         [&](auto& r) {
             r[2] = "giocatore 5 standard Nessuno";
             return 2;
         },
         "giocatore non valido: 5"},
    };
    CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        std::vector<std::string> guaste = righe;
        const int attesa = caso.guasta(guaste) + 1;
        std::string guasto;
        for (const std::string& r : guaste) {
            guasto += r + '\n';
        }
        try {
            LeggiNotazione(guasto);
            ADD_FAILURE() << "nessun errore";
        } catch (const ErroreNotazione& e) {
            EXPECT_EQ(e.Riga(), attesa) << e.what();
            EXPECT_NE(std::string(e.what()).find(caso.messaggio), std::string::npos) << e.what();
        }
        // The same from a file, with CR LF line ends: the message names it.
        std::string crlf;
        for (const std::string& r : guaste) {
            crlf += r + "\r\n";
        }
        const std::string file = cartella.File("guasto.txt");
        ScriviByte(file, crlf);
        try {
            LeggiFileNotazione(file, [](const PartitaNotata&) {});
            ADD_FAILURE() << "nessun errore dal file";
        } catch (const ErroreNotazione& e) {
            EXPECT_EQ(e.Posizione().rfind(file + " riga " + std::to_string(attesa) + ": ", 0), 0u)
                << e.Posizione();
        }
    }
    EXPECT_THROW(LeggiFileNotazione(cartella.File("assente.txt"), [](const PartitaNotata&) {}),
                 Errore);
    EXPECT_THROW(LeggiFileNotazione(cartella.Percorso().string(), [](const PartitaNotata&) {}),
                 Errore);
}

TEST(Notazione, LaSerieRegistraOgniPartitaNellOrdineQualunqueSiaIlNumeroDiFili) {
    CartellaTemporanea cartella;
    for (const int tipo : {0, 2}) {
        SCOPED_TRACE(tipo);
        std::string uno;
        for (const int fili : {1, 3}) {
            OpzioniSerie opzioni;
            opzioni.tipo = tipo;
            opzioni.partite = 47;
            opzioni.seme = 99;
            opzioni.fili = fili;
            opzioni.tavolo.fileRegole = kRegole;
            opzioni.tavolo.logTest = "/dev/null";
            Serie serie(opzioni);
            std::ostringstream uscita;
            serie.Registra(&uscita);
            const EsitoSerie esito = serie.Gioca();
            ASSERT_EQ(esito.errore, "");
            EXPECT_FALSE(esito.registrazioneFallita);
            // Every game once, in order, with the scores the series counted.
            std::array<long long, 5> totali{};
            long long numero = 0;
            LeggiNotazione(uscita.str(), [&](const PartitaNotata& p) {
                EXPECT_EQ(p.numero, numero++);
                for (std::size_t s = 0; s < 5; ++s) {
                    totali[s] += p.punteggi[s];
                }
            });
            EXPECT_EQ(numero, 47);
            for (int s = 0; s < 5; ++s) {
                EXPECT_EQ(totali[static_cast<std::size_t>(s)],
                          serie.Storia().totale[static_cast<std::size_t>(s)]);
            }
            if (fili == 1) {
                uno = uscita.str();
            } else if (tipo != 0) {
                // Computer-only games do not depend on the threads: nor does their record.
                EXPECT_EQ(uscita.str(), uno);
            }
        }
    }
}
