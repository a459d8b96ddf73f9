#pragma once

#include <initializer_list>

#include "SupportoPartita.h"
#include "carte/InsiemeCarte.h"
#include "ia/SituazioneTattica.h"

inline InsiemeCarte Insieme(std::initializer_list<Carta> carte) {
    InsiemeCarte insieme;
    for (const Carta& carta : carte) {
        insieme += carta;
    }
    return insieme;
}

// A situation with trump Cuori: the deciding seat, the caller, the partner it believes in.
inline SituazioneTattica Situazione(int io, int chiamante, int socio,
                                    std::initializer_list<Carta> mano,
                                    std::initializer_list<Carta> ignote, int mani = 0) {
    SituazioneTattica s;
    s.io = io;
    s.chiamante = chiamante;
    s.socio = socio;
    s.briscola = Briscola(kCuori);
    s.ImpostaMano(Insieme(mano));
    s.ImpostaIgnote(Insieme(ignote));
    s.mani = mani;
    return s;
}

// The cards already on the table: how many, who is winning with which card, their points.
inline void Tavola(SituazioneTattica& s, int carte, int vincitore, const Carta& vincente,
                   int punti) {
    s.carteInTavola = carte;
    s.vincitore = vincitore;
    s.vincente = vincente;
    s.puntiTavola = punti;
}
