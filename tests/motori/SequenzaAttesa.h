#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "motori/FinestraSilenziosa.h"
#include "partita/RegistroPartita.h"

// The notifications a whole game must produce, rebuilt from scratch from the finished record
// and the bids actually notified.
inline std::vector<EventoFinestra> SequenzaAttesa(const RegistroPartita& r,
                                                  const std::vector<EventoFinestra>& chiamate,
                                                  int umano, bool alBuio) {
    std::vector<EventoFinestra> attesi;
    attesi.push_back({EventoFinestra::kDistribuzione, umano, {}, {}, {}, 0});
    for (const EventoFinestra& c : chiamate) {
        attesi.push_back(c);
    }
    attesi.push_back({EventoFinestra::kFineLicitazione, -1, {}, {}, {}, 0});
    std::array<int, 5> presi{};
    for (int mano = 0; mano < 8; ++mano) {
        if (mano == 0 && !alBuio) {
            attesi.push_back({EventoFinestra::kBriscola, -1, {}, {}, r.briscola, 0});
        }
        int vincitore = -1;
        int puntiMano = 0;
        for (int posizione = 0; posizione < 5; ++posizione) {
            int giocatore = -1;
            Carta carta;
            r.CartaGiocata(mano, posizione, giocatore, carta);
            carta.Coperta = alBuio && mano == 0 && carta.ValoreGrezzo() == r.chiamata.Valore;
            attesi.push_back({EventoFinestra::kCartaGiocata, giocatore, carta, {}, {}, 0});
            for (int s = 0; s < 5; ++s) {
                attesi.push_back({EventoFinestra::kPunti, s, {}, {}, {}, presi[std::size_t(s)]});
            }
            vincitore = r.Possessore(carta.Indice());
            puntiMano += carta.Punti();
        }
        if (mano == 0 && alBuio) {
            attesi.push_back({EventoFinestra::kBriscola, -1, {}, {}, r.briscola, 0});
        }
        attesi.push_back({EventoFinestra::kManoRaccolta, vincitore, {}, {}, {}, 0});
        presi[static_cast<std::size_t>(vincitore)] += puntiMano;
    }
    attesi.push_back({EventoFinestra::kFinePartita, -1, {}, {}, {}, 0});
    return attesi;
}

inline std::string Descrivi(const EventoFinestra& e) {
    return "tipo " + std::to_string(e.tipo) + " giocatore " + std::to_string(e.giocatore) +
           " carta " + std::to_string(e.carta.Seme) + "/" + std::to_string(e.carta.ValoreGrezzo()) +
           (e.carta.Coperta ? " coperta" : "") + " chiamata " + std::to_string(e.chiamata.Valore) +
           "/" + std::to_string(e.chiamata.Punti) + " briscola " +
           std::to_string(e.briscola.SemeGrezzo()) + " punti " + std::to_string(e.punti);
}

inline bool Uguali(const EventoFinestra& a, const EventoFinestra& b) {
    return a.tipo == b.tipo && a.giocatore == b.giocatore && a.carta == b.carta &&
           a.carta.Coperta == b.carta.Coperta && a.chiamata == b.chiamata &&
           a.briscola == b.briscola && a.punti == b.punti;
}

inline void ConfrontaSequenze(const std::vector<EventoFinestra>& osservati,
                              const std::vector<EventoFinestra>& attesi) {
    const std::size_t n = std::min(osservati.size(), attesi.size());
    for (std::size_t i = 0; i < n; ++i) {
        ASSERT_TRUE(Uguali(osservati[i], attesi[i]))
            << "notifica " << i << ": " << Descrivi(osservati[i]) << " invece di "
            << Descrivi(attesi[i]);
    }
    ASSERT_EQ(osservati.size(), attesi.size());
}

// The bids of the game: checks that they follow the rules of the bidding, and returns them.
inline std::vector<EventoFinestra> VerificaLicitazione(const std::vector<EventoFinestra>& eventi,
                                                       const RegistroPartita& r, int primo) {
    std::vector<EventoFinestra> chiamate;
    for (const EventoFinestra& e : eventi) {
        if (e.tipo == EventoFinestra::kChiamata) {
            chiamate.push_back(e);
        }
    }
    std::array<bool, 5> inGioco{true, true, true, true, true};
    Chiamata migliore;
    int chiamante = -1;
    int turno = primo;
    for (const EventoFinestra& c : chiamate) {
        EXPECT_EQ(c.giocatore, turno);
        EXPECT_TRUE(inGioco[static_cast<std::size_t>(turno)]);
        if (c.chiamata.Valore == kPasso) {
            inGioco[static_cast<std::size_t>(turno)] = false;
        } else {
            EXPECT_TRUE(Supera(c.chiamata, migliore));
            migliore = c.chiamata;
            chiamante = turno;
        }
        do {
            turno = (turno + 1) % 5;
        } while (!inGioco[static_cast<std::size_t>(turno)]);
    }
    int rimasti = 0;
    for (bool b : inGioco) {
        rimasti += b ? 1 : 0;
    }
    EXPECT_EQ(rimasti, 1);
    EXPECT_EQ(migliore, r.chiamata);
    EXPECT_EQ(chiamante, r.chiamante);
    return chiamate;
}
