#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/GiocaCartaProbabilita.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "ia/LicitazioneEsperto.h"
#include "ia/MondiPossibili.h"
#include "ia/OsservatoreTattica.h"
#include "ia/PesiMondi.h"
#include "ia/SimulatorePartita.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/SemaforoSoloComputer.h"
#include "partita/AvanzaPartita.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

const std::string kRegole = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";

SimulatorePartita& Standard() {
    static SimulatorePartita simulatore(kRegole);
    return simulatore;
}

// A game on a record of its own: a deal drawn from seme, seat 1 calls the Tre after seat 0
// opened with the Asso, the caller's best suit is trump, and the standard players play on
// until seat giocatore is to play with at least carte cards played.
RegistroPartita Posizione(std::uint32_t seme, bool alBuio, int carte, int giocatore) {
    GeneratoreCasuale g(seme);
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCasuale(g));
    r.primaManoCoperta = alBuio ? 1 : 0;
    const std::unique_ptr<Partita> p = CreaPartita(alBuio, r);
    struct Decisioni final : DecisioniPartita {
        RegistroPartita& r;
        int carte;
        int giocatore;

        Chiamata Licita(int seggio) {
            const std::array<int, 5> bids = {kAsso, kTre, kPasso, kPasso, kPasso};
            return Chiamata(bids[static_cast<std::size_t>(seggio)]);
        }
        Briscola ScegliBriscola(int chiamante) {
            return Briscola(SimulatorePartita::SemeMigliore(r, chiamante));
        }
        Carta ScegliCarta(int seggio) { return Standard().CartaStandard(r, seggio); }
        bool Continua(const Partita& partita) const {
            return partita.Stato() != StatoPartita::Giocata || r.NumeroCarteGiocate() < carte ||
                   r.turno != giocatore;
        }
    } decisioni{{}, r, carte, giocatore};
    AvanzaPartita(*p, p->Riprendi(), decisioni);
    if (p->Stato() != StatoPartita::Giocata) {
        throw Errore("Il giocatore non gioca più in questa partita");
    }
    return r;
}

// The standard player's own choice, through its strategy at that seat, as the playouts would
// make it for the seat: slower than the simulator's, and the same card.
class GiocatoriStandard {
public:
    GiocatoriStandard() {
        for (int s = 0; s < 5; ++s) {
            giocatori[static_cast<std::size_t>(s)] =
                std::make_unique<GiocaCartaRegoleNuovo>(s, kRegole, 0.0);
        }
    }
    Carta Scegli(const RegistroPartita& registro, int giocatore) {
        GiocaCartaRegoleNuovo& g = *giocatori[static_cast<std::size_t>(giocatore)];
        // Only the caller of a face-down first trick reads it, and only then.
        if (registro.ManiComplete() == 0 && registro.primaManoCoperta == 1 &&
            registro.chiamante == giocatore) {
            g.ImpostaBriscola(Briscola(SimulatorePartita::SemeMigliore(registro, giocatore)));
        }
        return g.ScegliCartaDa(registro);
    }

private:
    std::array<std::unique_ptr<GiocaCartaRegoleNuovo>, 5> giocatori;
};

std::vector<int> Mano(const RegistroPartita& r, int giocatore) {
    std::vector<int> mano;
    for (int c = 0; c < 40; ++c) {
        if (r.InMano(c) && r.Distribuzione(c) == giocatore) {
            mano.push_back(c);
        }
    }
    return mano;
}

std::vector<double> Medie(GiocaCartaEsperto& esperto, const RegistroPartita& r) {
    std::vector<double> medie;
    for (const auto& v : esperto.Valuta(r)) {
        medie.push_back(v.media);
    }
    return medie;
}

// r with two cards of two seats other than giocatore, both still in hand, changing hands.
RegistroPartita ScambiaDueNascoste(const RegistroPartita& r, int giocatore) {
    std::vector<int> altri;
    for (int c = 0; c < 40; ++c) {
        if (r.InMano(c) && r.Distribuzione(c) != giocatore) {
            altri.push_back(c);
        }
    }
    const int a = altri.at(0);
    const auto b = std::find_if(altri.begin(), altri.end(),
                                [&](int c) { return r.Distribuzione(c) != r.Distribuzione(a); });
    if (b == altri.end()) {
        throw Errore("Nessuna carta da scambiare");
    }
    RegistroPartita scambiato = r;
    scambiato.ScambiaCarte(a, *b);
    return scambiato;
}

// A deal drawn from seme, the first bidder seat seme % 5, every seat bidding as the standard
// bidder until seat giocatore's first turn.
RegistroPartita Asta(std::uint32_t seme, bool alBuio, int giocatore) {
    GeneratoreCasuale g(seme);
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCasuale(g));
    r.primaManoCoperta = alBuio ? 1 : 0;
    r.ImpostaTurno(static_cast<int>(seme % 5));
    Partita p(r);
    while (r.turno != giocatore) {
        LicitazioneAPunti licitazione(r.turno);
        licitazione.Siedi(TavoloDelTest());
        licitazione.ValutaManoDa(r);
        Chiamata c = licitazione.LicitaDa(r, g);
        p.Licita(r.turno, c);
    }
    return r;
}

bool operator==(const LicitazioneEsperto::Stima& a, const LicitazioneEsperto::Stima& b) {
    if (a.passo != b.passo || a.offerte.size() != b.offerte.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.offerte.size(); ++k) {
        if (!(a.offerte[k].chiamata == b.offerte[k].chiamata) ||
            a.offerte[k].media != b.offerte[k].media) {
            return false;
        }
    }
    return true;
}

struct Caso {
    std::uint32_t seme;
    bool alBuio;
    int carte;
    int giocatore;
};
const std::vector<Caso> kCasi = {{11, false, 0, 0}, {12, true, 0, 3},   {13, false, 7, 2},
                                 {14, true, 2, 4},  {15, false, 13, 1}, {16, true, 21, 0},
                                 {17, false, 28, 3}};

TEST(GiocaCartaEsperto, ScambiareCarteCheNonVedeNonCambiaLaSuaDecisione) {
    // With the other seats taken for standard players, and for tactical ones.
    for (const bool tattici : {false, true}) {
        for (const Caso& caso : kCasi) {
            SCOPED_TRACE(std::to_string(caso.seme) + (tattici ? " tattici" : " standard"));
            const RegistroPartita r = Posizione(caso.seme, caso.alBuio, caso.carte, caso.giocatore);
            GiocaCartaEsperto esperto(caso.giocatore, kRegole, 12, 99);
            esperto.Siedi(TavoloDelTest());
            std::array<bool, 5> modelli{};
            modelli.fill(tattici);
            modelli[static_cast<std::size_t>(caso.giocatore)] = false;
            esperto.ImpostaTattici(modelli);
            const std::vector<double> prima = Medie(esperto, r);
            ASSERT_EQ(prima.size(), Mano(r, caso.giocatore).size());

            // Two hidden cards of two other seats change hands; then the called card, still in a
            // hand, changes holder.
            const RegistroPartita scambiato = ScambiaDueNascoste(r, caso.giocatore);
            ASSERT_FALSE(scambiato == r);
            EXPECT_EQ(Medie(esperto, scambiato), prima);
            std::vector<int> altri;
            for (int c = 0; c < 40; ++c) {
                if (r.InMano(c) && r.Distribuzione(c) != caso.giocatore) {
                    altri.push_back(c);
                }
            }

            const Carta chiamata = r.CartaChiamata();
            if (chiamata.Definita() && r.InMano(chiamata.Indice()) &&
                r.Distribuzione(chiamata.Indice()) != caso.giocatore) {
                const auto altro = std::find_if(altri.begin(), altri.end(), [&](int c) {
                    return r.Distribuzione(c) != r.Distribuzione(chiamata.Indice());
                });
                ASSERT_NE(altro, altri.end());
                RegistroPartita socioCambiato = r;
                socioCambiato.ScambiaCarte(chiamata.Indice(), *altro);
                ASSERT_NE(socioCambiato.Socio(), r.Socio());
                EXPECT_EQ(Medie(esperto, socioCambiato), prima);
            }
        }
    }
}

TEST(GiocaCartaEsperto, IMondiTengonoCioCheIlGiocatoreVede) {
    for (const Caso& caso : kCasi) {
        SCOPED_TRACE(caso.seme);
        const RegistroPartita r = Posizione(caso.seme, caso.alBuio, caso.carte, caso.giocatore);
        const MondiPossibili possibili(r, caso.giocatore);
        GeneratoreCasuale g(caso.seme);
        for (int i = 0; i < 20; ++i) {
            const RegistroPartita m = possibili.Mondo(g);
            EXPECT_EQ(Mano(m, caso.giocatore), Mano(r, caso.giocatore));
            for (int s = 0; s < 5; ++s) {
                EXPECT_EQ(Mano(m, s).size(), Mano(r, s).size());
                EXPECT_EQ(m.PuntiGiocatore(s), r.PuntiGiocatore(s));
            }
            EXPECT_EQ(m.chiamante, r.chiamante);
            EXPECT_EQ(m.briscola, r.briscola);
            // Replayed from its deal, the world is again itself.
            EXPECT_GT(PesiMondi(possibili, Standard()).Peso(m), 0.0);
        }
    }
}

TEST(MondiPossibili, IlPesoDiUnMondoNonDipendeDaQuelliPesatiPrima) {
    // The weights remember the models' answers from world to world: each weight must still be
    // the one the world gets weighed alone, whichever kind of player the model takes the other
    // seats for. Face-down cards on the table, and late positions where the worlds often share
    // a seat's hand.
    const std::vector<Caso> casi = {{14, true, 2, 4},
                                    {18, true, 3, 1},
                                    {16, true, 21, 0},
                                    {17, false, 28, 3},
                                    {19, false, 33, 2}};
    SimulatorePartita modello(kRegole);
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.seme);
        const RegistroPartita r = Posizione(caso.seme, caso.alBuio, caso.carte, caso.giocatore);
        const MondiPossibili possibili(r, caso.giocatore);
        PesiMondi condivisi(possibili, modello);
        GeneratoreCasuale g(caso.seme);
        int esclusi = 0;
        for (int i = 0; i < 300; ++i) {
            const RegistroPartita m = possibili.Mondo(g);
            for (const bool tattici : {false, true}) {
                modello.ImpostaTattici({tattici, tattici, tattici, tattici, tattici});
                const double peso = condivisi.Peso(m);
                ASSERT_EQ(peso, PesiMondi(possibili, modello).Peso(m)) << i;
                esclusi += peso < 1.0 ? 1 : 0;
            }
        }
        // The play rules worlds out, so the answers compared do matter.
        if (caso.carte > 5) {
            EXPECT_GT(esclusi, 0);
        }
    }
}

TEST(SimulatorePartita, SceglieLaCartaDelGiocatoreStandardODelTattico) {
    // Seats 1 and 3 modelled as tactical players, the others as standard ones: each model
    // plays what the real player of its kind plays (the tactical one with its usual
    // coefficients, as every seating but the third seats it).
    ImpostaTipoGiocatori(2);
    SimulatorePartita modello(kRegole);
    GiocatoriStandard lenti;
    modello.ImpostaTattici({false, true, false, true, false});
    int decisioni = 0;
    int diverse = 0;
    for (std::uint32_t seme = 40; seme < 70; ++seme) {
        for (int carte = 0; carte < 36; carte += 3) {
            const RegistroPartita r =
                Posizione(seme, seme % 2 == 0, carte, static_cast<int>(seme % 5));
            const Carta standard = Standard().CartaStandard(r, r.turno);
            ASSERT_EQ(standard, lenti.Scegli(r, r.turno));
            const Carta tattica = GiocaCartaProbabilita(r.turno, Coefficienti{}).ScegliCartaDa(r);
            ASSERT_EQ(SimulatorePartita::CartaTattica(r, r.turno), tattica);
            ASSERT_EQ(modello.CartaModello(r, r.turno), r.turno % 2 == 1 ? tattica : standard);
            diverse += standard == tattica ? 0 : 1;
            ++decisioni;
        }
    }
    EXPECT_EQ(decisioni, 30 * 12);
    // The two kinds differ often enough for the model's choice to matter.
    EXPECT_GT(diverse, decisioni / 10);
}

TEST(GiocaCartaEsperto, MostraAllaFinestraDiStatoLeCarteConIlLoroValore) {
    struct Registratore : OsservatoreTattica {
        std::string testo;
        NomiCarte nomi;
        const NomiCarte& Nomi() const override { return nomi; }
        void Schema(const std::string& e) override { testo += "S:" + e + "\n"; }
        void Giocatore(int g) override { testo += "G:" + std::to_string(g) + "\n"; }
        void Analisi(const std::string& r) override { testo += "A:" + r + "\n"; }
        void CarteMigliori(const std::string& righe) override { testo += righe; }
        void CartaGiocata(const std::string& nome) override { testo += "C:" + nome + "\n"; }
    } registratore;
    // A window with Italian suits: the cards come in its names, not the built-in ones.
    registratore.nomi.CaricaDaByte("C0=Asso\nC1=Due\nC2=Tre\nC3=Quattro\nC4=Cinque\nC5=Sei\n"
                                   "C6=Sette\nC7=Fante\nC8=Cavallo\nC9=Re\n"
                                   "S0=Coppe\nS1=Denari\nS2=Bastoni\nS3=Spade\n");
    const RegistroPartita r = Posizione(8, false, 6, 2);
    GiocaCartaEsperto esperto(2, kRegole, 6, 1);
    esperto.Siedi(TavoloDelTest());
    // Its models of the tactical seats tell the step window nothing.
    esperto.ImpostaTattici({true, true, false, true, true});
    ImpostaOsservatoreDelTest(&registratore);
    const Carta scelta = esperto.ScegliCartaDa(r);
    ImpostaOsservatoreDelTest(nullptr);
    std::string righe;
    for (const auto& v : esperto.Valuta(r)) {
        char numero[32];
        std::snprintf(numero, sizeof numero, "%.2f ", v.media);
        righe += numero + v.carta.NomeLungo(registratore.nomi) + "\n";
    }
    // The roles as the seat sees them: seat 1 called.
    EXPECT_EQ(registratore.testo.rfind("S:Esperto\nG:2\nA:", 0), 0u) << registratore.testo;
    EXPECT_NE(registratore.testo.find(" Chiamante "), std::string::npos) << registratore.testo;
    // The card chosen ends the decision.
    const std::string fine = "\n" + righe + "C:" + scelta.NomeLungo(registratore.nomi) + "\n";
    ASSERT_GE(registratore.testo.size(), fine.size());
    EXPECT_EQ(registratore.testo.substr(registratore.testo.size() - fine.size()), fine)
        << registratore.testo;
}

TEST(GiocaCartaEsperto, LeSimulazioniNonToccanoLoStatoDelProcesso) {
    AzzeraStatoGlobale(4321);
    Registro() = Posizione(5, true, 3, 2);
    StoriaPartite().RegistraPartita([] {
        RegistroPartita finita = Posizione(6, false, 0, 0);
        Standard().GiocaFinoAllaFine(finita);
        return finita;
    }());
    const RegistroPartita registro = Registro();
    const TipoStoriaPartite storia = StoriaPartite();
    const GeneratoreCasuale generatore = TavoloDelTest().generatore;

    GiocaCartaEsperto esperto(2, kRegole, 8, 1);
    esperto.Siedi(TavoloDelTest());
    esperto.ScegliCartaDa(Posizione(7, false, 9, 2));
    esperto.ScegliCarta();
    EXPECT_TRUE(Registro() == registro);

    // Its bidding, on the table's record.
    LicitazioneEsperto licitazione(2, 8, 1, esperto.Simulatore(), TavoloDelTest().generatore);
    licitazione.Siedi(TavoloDelTest());
    for (const bool alBuio : {false, true}) {
        const RegistroPartita tavolo = Asta(9, alBuio, 2);
        Registro() = tavolo;
        licitazione.ValutaMano();
        licitazione.Licita();
        EXPECT_TRUE(Registro() == tavolo);
    }

    EXPECT_TRUE(StoriaPartite() == storia);
    EXPECT_TRUE(TavoloDelTest().generatore == generatore);
    AzzeraStatoGlobale();
}

TEST(PunteggiPartita, ConcordaConLeRegoleEConLaStoria) {
    TipoStoriaPartite storia;
    for (std::uint32_t seme = 1; seme <= 150; ++seme) {
        RegistroPartita r = Posizione(seme, seme % 2 == 0, 0, 0);
        // Bids of every kind: on a rank, on 61, 71 and 81 points.
        if (seme % 2 == 1) {
            r.chiamata = Chiamata(61 + 10 * static_cast<int>(seme % 3));
        }
        const std::array<int, 5> punteggi = Standard().GiocaFinoAllaFine(r);
        const std::array<int, 5> attesi =
            arbitro::Punteggi(r.chiamante, r.Socio(), r.chiamata.Punti, r.PuntiChiamante());
        EXPECT_EQ(punteggi, attesi);
        EXPECT_EQ(PunteggiPartita(r), punteggi);
        storia.RegistraPartita(r);
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(storia.Punteggio(storia.numeroPartite - 1, s),
                      punteggi[static_cast<std::size_t>(s)]);
        }
    }
}

TEST(GiocaCartaEsperto, StessoSemeStesseDecisioniEStessaSerie) {
    const RegistroPartita r = Posizione(21, false, 4, 1);
    GiocaCartaEsperto uno(1, kRegole, 10, 7);
    uno.Siedi(TavoloDelTest());
    GiocaCartaEsperto due(1, kRegole, 10, 7);
    due.Siedi(TavoloDelTest());
    EXPECT_EQ(Medie(uno, r), Medie(due, r));
    EXPECT_EQ(uno.ScegliCartaDa(r), due.ScegliCartaDa(r));

    // Two experts, who bid by the bold valuation, and one alone, who bids by simulation.
    const auto Serie = [](const std::array<bool, 5>& esperti) {
        AzzeraStatoGlobale(2026);
        ImpostaTipoGiocatori(3);
        OpzioniTavolo opzioni;
        opzioni.fileRegole = kRegole;
        opzioni.logTest = "/dev/null";
        opzioni.esperto = esperti;
        opzioni.budgetEsperto = 4;
        FinestraSilenziosa finestra;
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        SemaforoSoloComputer semaforo(TavoloDelTest(), &finestra, 3, opzioni);
        semaforo.NuovaPartita();
        while (StoriaPartite().numeroPartite < 6) {
            semaforo.Passo();
        }
        TipoStoriaPartite storia = StoriaPartite();
        AzzeraStatoGlobale();
        return storia;
    };
    for (const std::array<bool, 5> esperti :
         {std::array<bool, 5>{true, false, true, false, false},
          std::array<bool, 5>{false, false, false, true, false}}) {
        const TipoStoriaPartite prima = Serie(esperti);
        EXPECT_EQ(prima.numeroPartite, 6);
        EXPECT_TRUE(Serie(esperti) == prima);
    }
}

TEST(GiocaCartaEsperto, GiocateOvvie) {
    // Seat 0 calls the Quattro with Cuori as trump, holds it (it plays alone) and leads; seats
    // 0..3 put 35 points of Fiori and Picche on the table; seat 4, last to play, holds the Asso
    // of trump. It takes when the caller's Asso of Fiori is winning the trick; when another
    // defender's is, the points are its side's already, and it keeps its Asso.
    for (const bool vinceIlChiamante : {true, false}) {
        SCOPED_TRACE(vinceIlChiamante ? "vince il chiamante" : "vince un difensore");
        const Carta asso(kAsso, 2);
        const Carta tre(kTre, 2);
        const std::vector<std::pair<Carta, int>> fisse = {{Carta(kAsso, 0), 4},
                                                          {vinceIlChiamante ? asso : tre, 0},
                                                          {vinceIlChiamante ? tre : asso, 1},
                                                          {Carta(kRe, 3), 2},
                                                          {Carta(kTre, 3), 3}};
        RegistroPartita t;
        t.DistribuisciMani(DistribuzioneCon(fisse));
        Partita p(t);
        for (int s = 0; t.GiocatoriInLicitazione() > 1 || t.chiamante < 0; s = t.turno) {
            Chiamata c(s == 0 ? kQuattro : kPasso);
            p.Licita(s, c);
        }
        p.FineLicitazione();
        p.ImpostaBriscola(Briscola(0));
        for (int s = 0; s < 4; ++s) {
            Carta carta = fisse[static_cast<std::size_t>(s + 1)].first;
            p.Gioca(carta);
        }
        ASSERT_EQ(t.turno, 4);
        ASSERT_EQ(t.PuntiInTavola(), 35);
        ASSERT_EQ(t.Socio(), 0);
        GiocaCartaEsperto esperto(4, kRegole, 16, 3);
        esperto.Siedi(TavoloDelTest());
        const Carta scelta = esperto.ScegliCartaDa(t);
        EXPECT_EQ(t.SuperaVincente(scelta), vinceIlChiamante);
        EXPECT_EQ(scelta == Carta(kAsso, 0), vinceIlChiamante);
    }

    // One card left: that card; and never a card it does not hold.
    for (const Caso& caso : kCasi) {
        const RegistroPartita q = Posizione(caso.seme, caso.alBuio, 35, caso.giocatore);
        GiocaCartaEsperto ultimo(caso.giocatore, kRegole, 4, 3);
        ultimo.Siedi(TavoloDelTest());
        ASSERT_EQ(Mano(q, caso.giocatore).size(), 1u);
        EXPECT_EQ(ultimo.ScegliCartaDa(q).Indice(), Mano(q, caso.giocatore).front());
        const RegistroPartita m = Posizione(caso.seme, caso.alBuio, caso.carte, caso.giocatore);
        const std::vector<int> mano = Mano(m, caso.giocatore);
        EXPECT_EQ(std::count(mano.begin(), mano.end(), ultimo.ScegliCartaDa(m).Indice()), 1);
    }
}

TEST(LicitazioneEsperto, ScambiareCarteCheNonVedeNonCambiaLeSueOfferte) {
    for (const bool tattici : {false, true}) {
        auto modello = std::make_shared<SimulatorePartita>(kRegole);
        for (std::uint32_t seme = 31; seme < 37; ++seme) {
            const int giocatore = static_cast<int>(seme * 3 % 5);
            const bool alBuio = seme % 2 == 0;
            SCOPED_TRACE(std::to_string(seme) + (tattici ? " tattici" : " standard"));
            std::array<bool, 5> modelli{};
            modelli.fill(tattici);
            modelli[static_cast<std::size_t>(giocatore)] = false;
            modello->ImpostaTattici(modelli);
            GeneratoreCasuale punti(seme);
            LicitazioneEsperto esperto(giocatore, 6, 99, modello, punti);
            esperto.Siedi(TavoloDelTest());

            const RegistroPartita asta = Asta(seme, alBuio, giocatore);
            const LicitazioneEsperto::Stima stima = esperto.Valuta(asta);
            ASSERT_FALSE(stima.offerte.empty());
            // Every hidden card dealt anew, as the seat may think it lies.
            GeneratoreCasuale g(seme);
            const RegistroPartita altra = MondiPossibili(asta, giocatore).Mondo(g);
            ASSERT_FALSE(altra == asta);
            EXPECT_TRUE(esperto.Valuta(altra) == stima);

            // Every bid it weighs is one the game takes as it stands, and none calls a card of
            // its own hand under the trump it will name.
            const int briscola = SimulatorePartita::SemeMigliore(asta, giocatore);
            for (const LicitazioneEsperto::Offerta& o : stima.offerte) {
                RegistroPartita dopo = asta;
                Partita p(dopo);
                Chiamata c = o.chiamata;
                p.Licita(giocatore, c);
                EXPECT_EQ(c, o.chiamata);
                EXPECT_NE(dopo.Distribuzione(Carta(o.chiamata.Valore, briscola).Indice()),
                          giocatore);
            }
            const Chiamata scelta = esperto.LicitaDa(asta);
            EXPECT_TRUE(scelta == ChiamataPasso ||
                        std::any_of(stima.offerte.begin(), stima.offerte.end(),
                                    [&](const auto& o) { return o.chiamata == scelta; }));
        }
    }
}

TEST(LicitazioneEsperto, LUltimoInLicitazioneSenzaOfferteOffre) {
    for (std::uint32_t seme = 1; seme < 6; ++seme) {
        GeneratoreCasuale g(seme);
        RegistroPartita r;
        r.DistribuisciMani(DistribuzioneCasuale(g));
        Partita p(r);
        for (int s = 0; s < 4; ++s) {
            Chiamata passo = ChiamataPasso;
            p.Licita(s, passo);
        }
        ASSERT_EQ(r.turno, 4);
        LicitazioneEsperto esperto(4, 4, seme, std::make_shared<SimulatorePartita>(kRegole), g);
        esperto.Siedi(TavoloDelTest());
        Chiamata offerta = esperto.LicitaDa(r);
        ASSERT_FALSE(offerta == ChiamataPasso);
        p.Licita(4, offerta);
        EXPECT_EQ(r.chiamante, 4);
    }
}

TEST(SimulatorePartita, LaLicitazioneSimulataEQuellaDelGiocatoreStandard) {
    // The bids of the expert's games are the standard bidder's own, with the same draws for
    // the points of a points bid; and the game after them is GiocaFinoAllaFine's.
    int aPunti = 0;
    for (std::uint32_t seme = 1; seme <= 80; ++seme) {
        SCOPED_TRACE(seme);
        GeneratoreCasuale g(seme);
        RegistroPartita inizio;
        inizio.DistribuisciMani(DistribuzioneCasuale(g));
        inizio.primaManoCoperta = seme % 2;
        inizio.ImpostaTurno(static_cast<int>(seme % 5));

        AzzeraStatoGlobale(seme);
        Registro() = inizio;
        const std::unique_ptr<Partita> p = CreaPartita(seme % 2 == 1, Registro());
        while (Registro().chiamante < 0 || Registro().GiocatoriInLicitazione() > 1) {
            LicitazioneAPunti licitazione(Registro().turno);
            licitazione.Siedi(TavoloDelTest());
            licitazione.ValutaMano();
            Chiamata c = licitazione.Licita();
            p->Licita(Registro().turno, c);
        }
        p->FineLicitazione();
        RegistroPartita tavolo = Registro();
        AzzeraStatoGlobale();

        RegistroPartita simulato = inizio;
        GeneratoreCasuale estrazioni(seme);
        const std::array<int, 5> punteggi =
            Standard().GiocaDallaLicitazione(simulato, {}, estrazioni);
        ASSERT_EQ(simulato.NumeroLicitazioni(), tavolo.NumeroLicitazioni());
        for (int n = 0; n < tavolo.NumeroLicitazioni(); ++n) {
            int chiT = -1;
            int chiS = -1;
            EXPECT_EQ(simulato.LicitazioneN(n, chiS), tavolo.LicitazioneN(n, chiT));
            EXPECT_EQ(chiS, chiT);
        }
        aPunti += tavolo.chiamata.Punti > 60 ? 1 : 0;
        EXPECT_EQ(Standard().GiocaFinoAllaFine(tavolo), punteggi);
        EXPECT_TRUE(tavolo == simulato);
    }
    EXPECT_GT(aPunti, 0);
}

} // namespace

TEST(GiocaCartaEsperto, APartitaDecisaNonRegalaPunti) {
    // Late in games played on by the standard players, where every card of the expert's hand
    // ends its games alike: it plays the card that leaves its side the most points, and of
    // those the weakest (a trump last, then by rank), not the first card of its hand.
    int decise = 0;
    int regaliEvitati = 0;
    for (std::uint32_t seme = 100; seme < 220; ++seme) {
        const int giocatore = static_cast<int>(seme % 5);
        RegistroPartita r;
        try {
            r = Posizione(seme, seme % 2 == 0, 25 + static_cast<int>(seme % 10), giocatore);
        } catch (const Errore&) {
            continue;
        }
        GiocaCartaEsperto esperto(giocatore, kRegole, 16, seme);
        esperto.Siedi(TavoloDelTest());
        const std::vector<GiocaCartaEsperto::Valutazione> v = esperto.Valuta(r);
        if (v.size() < 2 || std::any_of(v.begin(), v.end(), [&](const auto& x) {
                return x.media != v.front().media;
            })) {
            continue;
        }
        ++decise;
        const Carta scelta = esperto.ScegliCartaDa(r);
        double migliori = -1.0;
        for (const auto& x : v) {
            migliori = std::max(migliori, x.puntiSquadra);
        }
        const auto Forza = [&](const Carta& c) {
            return (c.Seme == r.briscola.SemeGrezzo() ? 10 : 0) + c.ValoreGrezzo();
        };
        int forzaMinima = 100;
        const GiocaCartaEsperto::Valutazione* giocata = nullptr;
        for (const auto& x : v) {
            if (x.puntiSquadra == migliori) {
                forzaMinima = std::min(forzaMinima, Forza(x.carta));
            }
            if (x.carta == scelta) {
                giocata = &x;
            }
        }
        ASSERT_NE(giocata, nullptr) << "seme " << seme;
        EXPECT_EQ(giocata->puntiSquadra, migliori) << "seme " << seme;
        EXPECT_EQ(Forza(scelta), forzaMinima) << "seme " << seme;
        regaliEvitati += v.front().puntiSquadra < migliori ? 1 : 0;
    }
    EXPECT_GE(decise, 10);
    // The first card of the hand would have handed points over in some of them.
    EXPECT_GE(regaliEvitati, 1);
}
