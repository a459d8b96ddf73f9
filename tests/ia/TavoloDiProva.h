#pragma once

#include <gtest/gtest.h>

#include "PercorsoTemporaneo.h"
#include "aiuto/AiutoPartita.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "carte/NomiCarte.h"
#include "comune/Casuale.h"
#include "comune/Percorsi.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "ia/NomiPredicati.h"
#include "ia/SituazioneMano.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

// Small table situations on the process-wide record, for the rule-based player's tests.
class TavoloDiProva : public ::testing::Test {
protected:
    void SetUp() override { Azzera(); }
    void TearDown() override { Azzera(); }

    static void Azzera() { AzzeraStatoGlobale(1); }

    static RegistroPartita& R() { return Registro(); }

    // Deals again and again until the deal meets the condition (the generator is reseeded
    // each time, so the deal found is always the same).
    static void DistribuisciFinche(const std::function<bool(const RegistroPartita&)>& condizione) {
        for (std::uint32_t seme = 1; seme < 2000000; ++seme) {
            ImpostaSemeCasuale(seme);
            R() = RegistroPartita();
            R().Distribuisci(TavoloDelTest().generatore);
            if (condizione(R())) {
                return;
            }
        }
        FAIL() << "nessuna distribuzione adatta";
    }

    static bool Ha(const RegistroPartita& r, int giocatore, const Carta& carta) {
        return r.Distribuzione(carta.Indice()) == giocatore;
    }

    // The lowest card left in the seat's hand that is none of those listed.
    static Carta AltraCarta(int giocatore, std::initializer_list<Carta> escluse) {
        for (int c = 0; c < 40; ++c) {
            const Carta carta = Carta::DaIndice(c);
            if (R().InMano(c) && R().Distribuzione(c) == giocatore &&
                std::find(escluse.begin(), escluse.end(), carta) == escluse.end()) {
                return carta;
            }
        }
        return CartaIndefinita;
    }

    // A bid on a rank, won by chiamante, with the given trump.
    static void Chiama(int valore, int chiamante, int seme) {
        R().chiamata = Chiamata(valore);
        R().chiamante = static_cast<std::int8_t>(chiamante);
        R().briscola = Briscola(seme);
    }

    // Plays the cards in order, then gives the turn to the seat that must decide.
    static void Gioca(std::initializer_list<Carta> carte, int turno) {
        for (const Carta& carta : carte) {
            R().RegistraGiocata(carta);
        }
        R().ImpostaTurno(turno);
    }

    // The predicates that hold when seat plays carta, read back through the player itself:
    // two rules files weigh each predicate by its own power of two, so the score spells them
    // out. They must equal what the reading of the table computes directly.
    static MascheraPredicati Predicati(int giocatore, const Carta& carta,
                                       const Briscola& prevista = BriscolaIndefinita) {
        MascheraPredicati maschera = 0;
        for (int parte = 0; parte < 2; ++parte) {
            GiocaCartaRegoleNuovo giocatore_(giocatore, FilePotenze(parte), 0.0);
            giocatore_.Siedi(TavoloDelTest());
            giocatore_.ImpostaBriscola(prevista);
            const auto valore = static_cast<std::uint64_t>(giocatore_.ValutaCarta(carta));
            maschera |= valore << (30 * parte);
        }
        EXPECT_EQ(maschera, SituazioneMano(R(), giocatore, prevista).Predicati(carta));
        return maschera;
    }

    static bool Vero(MascheraPredicati m, IndicePredicato i) { return (m & BitPredicato(i)) != 0; }

    // The names of the predicates in the mask, for readable failures.
    static std::string Nomi(MascheraPredicati m) {
        std::string nomi;
        for (int i = 0; i < kNumeroPredicati; ++i) {
            if ((m >> i) & 1) {
                nomi += std::string(kNomiPredicati[static_cast<std::size_t>(i)]) + " ";
            }
        }
        return nomi;
    }

private:
    static std::string FilePotenze(int parte) {
        const auto percorso = PercorsoTemporaneo("potenze_" + std::to_string(parte) + ".txt");
        std::ofstream file(percorso);
        for (int i = 30 * parte; i < std::min(30 * parte + 30, int{kNumeroPredicati}); ++i) {
            file << "R" << i << " " << (std::int64_t{1} << (i - 30 * parte)) << " "
                 << kNomiPredicati[static_cast<std::size_t>(i)] << ";\n";
        }
        return percorso.string();
    }
};
