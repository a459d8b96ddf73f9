#include <gtest/gtest.h>

#include "AmbienteMotori.h"
#include "motori/VerificaPartita.h"

namespace {

bool Contiene(const std::vector<std::string>& errori, const std::string& testo) {
    for (const auto& e : errori) {
        if (e.find(testo) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// A game played by hand on a private record: seat 2 calls, every seat plays its lowest card
// left, and the tricks go to their winners except, when given, the last one.
RegistroPartita PartitaAMano(const Chiamata& chiamata, int ultimaPresaA = -1) {
    RegistroPartita r;
    r.Distribuisci(TavoloDelTest().generatore);
    r.chiamata = chiamata;
    r.chiamante = 2;
    r.briscola = Briscola(1);
    int primo = 0;
    for (int mano = 0; mano < 8; ++mano) {
        for (int posizione = 0; posizione < 5; ++posizione) {
            const int giocatore = (primo + posizione) % 5;
            for (int k = 0; k < 8; ++k) {
                const Carta carta = r.CartaInMano(giocatore, k);
                if (carta.Definita()) {
                    r.RegistraGiocata(carta);
                    break;
                }
            }
        }
        primo = r.VincitoreMano();
        r.RaccogliPresa(mano == 7 && ultimaPresaA >= 0 ? ultimaPresaA : primo);
    }
    return r;
}

} // namespace

using VerificaPartita_ = AmbienteMotori;

TEST_F(VerificaPartita_, UnaPartitaCorrettaPassa) {
    for (int seme = 1; seme <= 20; ++seme) {
        ImpostaSemeCasuale(static_cast<std::uint32_t>(seme));
        TipoStoriaPartite storia;
        const RegistroPartita r = PartitaAMano(Chiamata(61 + seme));
        storia.RegistraPartita(r);
        EXPECT_EQ(VerificaPartita(r, storia, 0), std::vector<std::string>{});
    }
}

TEST_F(VerificaPartita_, PresaDatAChiNonLHaVinta) {
    const RegistroPartita giusta = PartitaAMano(Chiamata(kRe));
    ImpostaSemeCasuale(12345);
    const int sbagliato = (giusta.Possessore(giusta.CartaGiocata(39).Indice()) + 1) % 5;
    const RegistroPartita r = PartitaAMano(Chiamata(kRe), sbagliato);
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    EXPECT_TRUE(Contiene(VerificaPartita(r, storia, 0), "mano 8 presa da"));
}

TEST_F(VerificaPartita_, PrimoDiManoSbagliatoPerIlNumeroDellaPartita) {
    const RegistroPartita r = PartitaAMano(Chiamata(kRe));
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    // Game 1 would have been led by seat 1.
    EXPECT_TRUE(Contiene(VerificaPartita(r, storia, 1), "mano 1, carta 1: giocata da 0"));
}

TEST_F(VerificaPartita_, PunteggiCheNonSeguonoLaRegola) {
    const RegistroPartita r = PartitaAMano(Chiamata(80));
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    // The history scored the game with a bid of 80 (multiplier 3 or 4); rescored as a bid of
    // 61 the multiplier is 1 or 2.
    RegistroPartita altraChiamata = r;
    altraChiamata.chiamata = Chiamata(61);
    EXPECT_TRUE(Contiene(VerificaPartita(altraChiamata, storia, 0), "punteggio del giocatore 2"));
    RegistroPartita altroChiamante = r;
    altroChiamante.chiamante = 3;
    EXPECT_TRUE(Contiene(VerificaPartita(altroChiamante, storia, 0), "ruoli nella storia"));
}

TEST_F(VerificaPartita_, PartitaIncompletaORuoliMancanti) {
    RegistroPartita r;
    r.Distribuisci(TavoloDelTest().generatore);
    TipoStoriaPartite storia;
    EXPECT_TRUE(Contiene(VerificaPartita(r, storia, 0), "carte giocate: 0 invece di 40"));
    RegistroPartita senzaBriscola = PartitaAMano(Chiamata(kTre));
    senzaBriscola.briscola = BriscolaIndefinita;
    EXPECT_TRUE(Contiene(VerificaPartita(senzaBriscola, storia, 0), "briscola non nominata"));
    RegistroPartita senzaChiamante = PartitaAMano(Chiamata(kTre));
    senzaChiamante.chiamante = -1;
    EXPECT_TRUE(Contiene(VerificaPartita(senzaChiamante, storia, 0), "chiamante non valido"));
}
