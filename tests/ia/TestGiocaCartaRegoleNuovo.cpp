#include <filesystem>
#include <fstream>
#include <vector>

#include "PartitaDiProva.h"
#include "TavoloDiProva.h"
#include "ia/ErroreFileRegole.h"
#include "ia/ErroreRegole.h"

namespace {

class StrategiaRegole : public TavoloDiProva {
protected:
    // A rules file in the temporary folder, by full path.
    static std::string FileRegole(const std::string& nome, const std::string& contenuto) {
        const auto percorso = PercorsoTemporaneo(nome);
        std::ofstream(percorso) << contenuto;
        return percorso.string();
    }

    // The seat's hand in ascending card index.
    static std::vector<Carta> Mano(int giocatore) {
        std::vector<Carta> mano;
        for (int c = 0; c < 40; ++c) {
            if (R().InMano(c) && R().Distribuzione(c) == giocatore) {
                mano.push_back(Carta::DaIndice(c));
            }
        }
        return mano;
    }

    static int Carichi(const RegistroPartita& r, int giocatore) {
        int n = 0;
        for (int s = 0; s < 4; ++s) {
            n += Ha(r, giocatore, Carta(kTre, s)) ? 1 : 0;
            n += Ha(r, giocatore, Carta(kAsso, s)) ? 1 : 0;
        }
        return n;
    }

    // A deal that meets the condition, a bid, trump Cuori, seat 0 to lead.
    static void Pronti(const std::function<bool(const RegistroPartita&)>& condizione) {
        DistribuisciFinche(condizione);
        Chiama(kAsso, 1, 0);
        R().ImpostaTurno(0);
    }
};

} // namespace

TEST_F(StrategiaRegole, SenzaRegoleGiocaLaPrimaCarta) {
    Pronti([](const RegistroPartita&) { return true; });
    GiocaCartaRegoleNuovo g(0, FileRegole("pentaludo_vuote.txt", "# nessuna regola\n"), 0.0);
    g.Siedi(TavoloDelTest());
    EXPECT_EQ(g.ValutaCarta(Mano(0).back()), 0.0);
    EXPECT_EQ(g.ScegliCarta(), Mano(0).front());
}

TEST_F(StrategiaRegole, ParitaVaAllaCartaConIndiceMinore) {
    // Every liscio scores 5, the rest 0: the first liscio of the hand, whatever precedes it.
    Pronti([](const RegistroPartita& r) {
        return Ha(r, 0, Carta(kAsso, 0)) && Ha(r, 0, Carta(kDue, 1)) && Ha(r, 0, Carta(kDue, 3));
    });
    GiocaCartaRegoleNuovo g(0, FileRegole("pentaludo_lisci.txt", "L 5 GiocaLiscio;"), 0.0);
    g.Siedi(TavoloDelTest());
    Carta atteso;
    for (const Carta& carta : Mano(0)) {
        if (carta.Valore() <= kSette) {
            atteso = carta;
            break;
        }
    }
    EXPECT_EQ(g.ScegliCarta(), atteso);
}

TEST_F(StrategiaRegole, UnaSolaCartaRimasta) {
    Pronti([](const RegistroPartita&) { return true; });
    GiocaCartaRegoleNuovo g(0, FileRegole("pentaludo_tutto_male.txt", "M -100;"), 0.0);
    g.Siedi(TavoloDelTest());
    for (int mano = 0; mano < 7; ++mano) {
        for (int s = 0; s < 5; ++s) {
            Gioca({AltraCarta(s, {})}, (s + 1) % 5);
        }
        R().RaccogliPresa(0);
    }
    R().ImpostaTurno(0);
    ASSERT_EQ(Mano(0).size(), 1u);
    EXPECT_EQ(g.ScegliCarta(), Mano(0).front());
}

TEST_F(StrategiaRegole, PesoPiuOMenoDieciSulCarico) {
    // One Asso among cards without points or with few.
    Pronti(
        [](const RegistroPartita& r) { return Carichi(r, 0) == 1 && Ha(r, 0, Carta(kAsso, 2)); });
    GiocaCartaRegoleNuovo piu(0, FileRegole("pentaludo_piu10.txt", "R 10 GiocaCarico;"), 0.0);
    piu.Siedi(TavoloDelTest());
    EXPECT_EQ(piu.ScegliCarta(), Carta(kAsso, 2));
    GiocaCartaRegoleNuovo meno(0, FileRegole("pentaludo_meno10.txt", "R -10 GiocaCarico;"), 0.0);
    meno.Siedi(TavoloDelTest());
    const std::vector<Carta> mano = Mano(0);
    const Carta primaAltra = mano.front() == Carta(kAsso, 2) ? mano[1] : mano.front();
    EXPECT_EQ(meno.ScegliCarta(), primaAltra);
}

TEST_F(StrategiaRegole, IlRumoreRompeLaParitaSoloSeCE) {
    Pronti([](const RegistroPartita&) { return true; });
    const std::string file = FileRegole("pentaludo_uguali.txt", "U 10;");
    GiocaCartaRegoleNuovo fermo(0, file, 0.0);
    fermo.Siedi(TavoloDelTest());
    // Without noise no random number is drawn.
    ImpostaSemeCasuale(5);
    const int atteso = Casuale(1000);
    ImpostaSemeCasuale(5);
    EXPECT_EQ(fermo.ScegliCarta(), Mano(0).front());
    EXPECT_EQ(Casuale(1000), atteso);
    GiocaCartaRegoleNuovo mosso(0, file, 0.5);
    mosso.Siedi(TavoloDelTest());
    std::vector<int> volte(40);
    for (int i = 0; i < 400; ++i) {
        ++volte[static_cast<std::size_t>(mosso.ScegliCarta().Indice())];
    }
    for (const Carta& carta : Mano(0)) {
        EXPECT_GT(volte[static_cast<std::size_t>(carta.Indice())], 10) << carta.NomeLungo();
    }
}

TEST_F(StrategiaRegole, NomeEFileTrovatoNelleCartelleDeiDati) {
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    Pronti([](const RegistroPartita&) { return true; });
    GiocaCartaRegoleNuovo g(0, "regole.OK.txt", 0.0);
    g.Siedi(TavoloDelTest());
    EXPECT_EQ(g.Nome(), "Migliore regole.OK.txt");
    EXPECT_EQ(g.Dettaglio(), "");
    // The shipped rules tell the cards apart.
    std::vector<double> punteggi;
    for (const Carta& carta : Mano(0)) {
        punteggi.push_back(g.ValutaCarta(carta));
    }
    EXPECT_NE(*std::min_element(punteggi.begin(), punteggi.end()),
              *std::max_element(punteggi.begin(), punteggi.end()));
}

TEST_F(StrategiaRegole, FileMancanteNominaFileECartelle) {
    ImpostaCartellaProgramma("/cartella/del/programma");
    try {
        GiocaCartaRegoleNuovo g(0, "nessuna_regola_qui.txt", 0.0);
        g.Siedi(TavoloDelTest());
        FAIL();
    } catch (const ErroreFileRegole& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Impossibile trovare il file delle regole \"nessuna_regola_qui.txt\" (cartelle "
                  "cercate: ., /cartella/del/programma, " +
                      CartellaDatiInstallati() + ")");
        EXPECT_EQ(e.NomeFile(), "nessuna_regola_qui.txt");
    }
    EXPECT_THROW(GiocaCartaRegoleNuovo(0, "/non/esiste/regole.OK.txt", 0.0), ErroreFileRegole);
}

TEST_F(StrategiaRegole, ErroreNelFileConLaRiga) {
    const std::string file = FileRegole("pentaludo_errata.txt", "A 1 Prendo;\nB 2 Presa;\n");
    try {
        GiocaCartaRegoleNuovo g(0, file, 0.0);
        g.Siedi(TavoloDelTest());
        FAIL();
    } catch (const ErroreRegole& e) {
        EXPECT_STREQ(e.what(), "Predicato Presa Inesistente");
        EXPECT_EQ(e.Riga(), 2);
    }
}

TEST_F(StrategiaRegole, SceltaUgualeAlMassimoDeiPunteggiInPartite) {
    // The choice reads the table once per decision; it must equal the best score of the
    // cards judged one by one.
    ImpostaTipoGiocatori(1);
    std::array<std::unique_ptr<GiocaCartaRegoleNuovo>, 5> regole;
    std::array<GiocaCarta*, 5> giocatori{};
    const std::string file = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";
    for (int s = 0; s < 5; ++s) {
        regole[static_cast<std::size_t>(s)] = std::make_unique<GiocaCartaRegoleNuovo>(s, file, 0.0);
    }
    // A wrapper that checks each decision before playing it.
    class Controllo : public GiocaCarta {
    public:
        explicit Controllo(GiocaCartaRegoleNuovo& g) : GiocaCarta(g.Giocatore()), g(g) {}
        void Siedi(StatoTavolo& tavolo) override {
            GiocaCarta::Siedi(tavolo);
            g.Siedi(tavolo);
        }
        Carta ScegliCarta() override {
            g.ImpostaBriscola(briscola);
            Carta migliore;
            double massimo = -1e50;
            for (const Carta& carta : Mano(giocatore)) {
                const double v = g.ValutaCarta(carta);
                if (v > massimo) {
                    massimo = v;
                    migliore = carta;
                }
            }
            const Carta scelta = g.ScegliCarta();
            EXPECT_EQ(scelta, migliore);
            ++decisioni;
            return scelta;
        }
        std::string Nome() const override { return g.Nome(); }
        int decisioni = 0;

    private:
        GiocaCartaRegoleNuovo& g;
    };
    std::vector<std::unique_ptr<Controllo>> controlli;
    for (int s = 0; s < 5; ++s) {
        controlli.push_back(std::make_unique<Controllo>(*regole[static_cast<std::size_t>(s)]));
        giocatori[static_cast<std::size_t>(s)] = controlli.back().get();
    }
    for (int buio = 0; buio < 2; ++buio) {
        std::unique_ptr<Partita> partita =
            buio != 0 ? std::make_unique<PartitaPrimaManoAlBuio>(TavoloDelTest())
                      : std::make_unique<Partita>(TavoloDelTest());
        for (int n = 0; n < 20; ++n) {
            GiocaPartitaDiProva(TavoloDelTest(), *partita, giocatori);
        }
    }
    int totale = 0;
    for (const auto& c : controlli) {
        totale += c->decisioni;
    }
    EXPECT_EQ(totale, 40 * 40);
}

TEST_F(StrategiaRegole, LeRegoleDistribuiteBattonoIlGiocoACaso) {
    // Over a few hundred deals, each played from every seat, the rules seats must clearly
    // score more than the random ones, both alone against four and four against one.
    ImpostaTipoGiocatori(1);
    const std::string file = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";
    for (int regolati : {1, 4}) {
        StoriaPartite().Azzera();
        ImpostaSemeCasuale(11);
        std::array<std::unique_ptr<GiocaCarta>, 5> posseduti;
        std::array<GiocaCarta*, 5> giocatori{};
        for (int s = 0; s < 5; ++s) {
            if (s < regolati) {
                posseduti[static_cast<std::size_t>(s)] =
                    std::make_unique<GiocaCartaRegoleNuovo>(s, file, 0.0);
            } else {
                posseduti[static_cast<std::size_t>(s)] = std::make_unique<GiocaCartaACaso>(s);
            }
            giocatori[static_cast<std::size_t>(s)] = posseduti[static_cast<std::size_t>(s)].get();
        }
        Partita partita(TavoloDelTest());
        const int partite = 500;
        for (int n = 0; n < partite; ++n) {
            GiocaPartitaDiProva(TavoloDelTest(), partita, giocatori);
        }
        double regole = 0;
        double caso = 0;
        for (int s = 0; s < 5; ++s) {
            (s < regolati ? regole : caso) += StoriaPartite().Totale(s);
        }
        regole /= regolati * partite;
        caso /= (5 - regolati) * partite;
        // The mean score per seat and game swings about 0.1 with chance here.
        EXPECT_GT(regole - caso, 0.2) << regolati << " seggi con le regole";
    }
}
