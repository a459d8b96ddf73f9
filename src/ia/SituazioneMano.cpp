#include "ia/SituazioneMano.h"

#include <algorithm>

#include "partita/RegistroPartita.h"

namespace {

constexpr std::array<int, 10> kForzaValore = {10, 12, 14, 18, 22, 32, 45, 65, 90, 130};

constexpr std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

int SituazioneMano::ForzaSeme(const RegistroPartita& registro, int giocatore, int seme) {
    int somma = 0;
    for (int c = seme * 10; c < seme * 10 + 10; ++c) {
        if (registro.InMano(c) && registro.Distribuzione(c) == giocatore) {
            somma += kForzaValore[I(c % 10)];
        }
    }
    return somma;
}

SituazioneMano::SituazioneMano(const RegistroPartita& registro, int giocatore,
                               const Briscola& briscolaPrevista) {
    MascheraPredicati m = 0;
    auto imposta = [&m](IndicePredicato i, bool vero) {
        if (vero) {
            m |= BitPredicato(i);
        }
    };
    const int mani = registro.ManiComplete();
    const int chiamante = registro.chiamante;

    imposta(kPredMano1, mani == 0);
    imposta(kPredManoAlBuio, mani == 0 && registro.primaManoCoperta == 1);
    imposta(kPredMano234, mani >= 1 && mani <= 3);
    imposta(kPredMano56, mani == 4 || mani == 5);
    imposta(kPredMano7, mani == 6 || mani == 7);

    // Roles and the called card as the record has them, before any trump substitution.
    const bool socioVero = registro.Socio() == giocatore;
    imposta(kPredSocio, socioVero);
    imposta(kPredChiamante, !socioVero && chiamante == giocatore);
    imposta(kPredAvversario, !socioVero && chiamante != giocatore);
    cartaChiamata = registro.CartaChiamata();
    if (mani == 0) {
        valoreChiamataPrimaMano = registro.chiamata.ValoreVerificato();
    }

    // In a face-down first trick the record has no trump yet; the caller reasons with his own.
    briscolaUsata = registro.briscola;
    if (chiamante == giocatore && mani == 0 && registro.primaManoCoperta == 1) {
        briscolaUsata = briscolaPrevista;
    }
    briscola = briscolaUsata.Seme();

    // The called card, the partner and the partner as everyone knows him, under that trump.
    int socio = -1;
    int socioPalese = -1;
    const int valoreChiamata = registro.chiamata.Valore;
    if (valoreChiamata >= 0 && valoreChiamata <= 9 && briscolaUsata.Nominata()) {
        const int indice = briscola * 10 + valoreChiamata;
        socio = registro.Distribuzione(indice);
        socioPalese = registro.InMano(indice) ? -1 : socio;
    }

    // The trick on the table, in order of play.
    carteInTavola = registro.CarteInTavola();
    std::array<bool, 5> haGiocato{};
    const int inizio = mani * 5;
    for (int i = 0; i < carteInTavola; ++i) {
        const Carta carta = registro.CartaGiocata(inizio + i);
        if (RegistroPartita::Confronta(vincente, carta, briscolaUsata) > 0) {
            vincente = carta;
        }
        const int chi = registro.Distribuzione(carta.Indice());
        if (chi >= 0 && chi < 5) {
            haGiocato[I(chi)] = true;
        }
    }
    auto giocato = [&haGiocato](int seat) { return seat >= 0 && seat < 5 && haGiocato[I(seat)]; };

    imposta(kPredBriscolaInTavola, carteInTavola >= 1 && vincente.Seme == briscola);
    const int punti = registro.PuntiInTavola();
    imposta(kPredNessunPuntoInTavola, punti == 0);
    imposta(kPredPochiPuntiInTavola, punti >= 1 && punti <= 9);
    imposta(kPredAbbastanzaPuntiInTavola, punti >= 10 && punti <= 19);
    imposta(kPredMoltiPuntiInTavola, punti >= 20);

    if (carteInTavola >= 1) {
        const int vincitore = registro.Distribuzione(vincente.Indice());
        if (vincitore == chiamante) {
            imposta(kPredChiamanteStaPrendendo, true);
        } else if (socioPalese >= 0 || socioVero) {
            imposta(kPredSocioStaPrendendo, vincitore == socio);
            imposta(kPredAvversarioStaPrendendo, vincitore != socio);
        }
    }

    imposta(kPredPrimoAGiocare, carteInTavola == 0);
    imposta(kPredSecondoAGiocare, carteInTavola == 1);
    imposta(kPredPenultimoAGiocare, carteInTavola == 3);
    imposta(kPredUltimoAGiocare, carteInTavola == 4);

    imposta(kPredSuccessivoAlChiamante, giocato(chiamante) && chiamante != giocatore);
    imposta(kPredPrecedenteAlChiamante, !giocato(chiamante) && chiamante != giocatore);
    if (socioPalese >= 0) {
        imposta(kPredSuccessivoAlSocio, giocato(socioPalese) && !socioVero);
        imposta(kPredPrecedenteAlSocio, !giocato(socioPalese) && !socioVero);
    }

    const int turno = registro.turno;
    imposta(kPredSonoDopoIlChiamante, (turno + 4) % 5 == chiamante);
    imposta(kPredSonoPrimaDelChiamante, (turno + 1) % 5 == chiamante);
    imposta(kPredSono2DopoIlChiamante, (turno + 3) % 5 == chiamante);
    imposta(kPredSono2PrimaDelChiamante, (turno + 2) % 5 == chiamante);

    // One pass over the cards still in a hand.
    int mieBriscole = 0;
    int mieiCarichi = 0;
    int altre = 0;
    bool hoIlTre = false;
    bool hoLAsso = false;
    bool treFuori = false;
    bool assoFuori = false;
    // Suit by suit and rank by rank, in card index order, without a division per card.
    for (int seme = 0; seme < 4; ++seme) {
        for (int valore = 0; valore < 10; ++valore) {
            const int c = seme * 10 + valore;
            if (!registro.InMano(c)) {
                continue;
            }
            const int chi = registro.Distribuzione(c);
            if (chi == giocatore) {
                forza[I(seme)] += kForzaValore[I(valore)];
                if (seme == briscola) {
                    ++mieBriscole;
                    hoIlTre = hoIlTre || valore == kTre;
                    hoLAsso = hoLAsso || valore == kAsso;
                } else if (valore >= kTre) {
                    ++mieiCarichi;
                }
            } else if (chi >= 0 && chi < 5) {
                massimoAltri[I(seme)] =
                    std::max(massimoAltri[I(seme)], static_cast<std::int8_t>(valore));
                if (seme == briscola) {
                    ++altre;
                    treFuori = treFuori || valore == kTre;
                    assoFuori = assoFuori || valore == kAsso;
                }
            }
        }
    }
    altreBriscole = altre > 0;
    imposta(kPredNonRestanoPiuBriscole, altre == 0);
    imposta(kPredNonHoBriscole, mieBriscole == 0);
    imposta(kPredHoMolteBriscole, mieBriscole >= 3);
    imposta(kPredHoMoltiCarichi, mieiCarichi >= 2);
    imposta(kPredRischioDiFarmiMangiareIlTre, hoIlTre && !hoLAsso && assoFuori);
    imposta(kPredCercoDiMangiareIlTre, hoLAsso && !hoIlTre && treFuori);

    situazione = m;
}

MascheraPredicati SituazioneMano::Predicati(const Carta& carta) const {
    MascheraPredicati m = situazione;
    const int valore = carta.Valore();
    const int seme = carta.Seme;
    if (valore <= kRe) {
        m |= valore < kFante ? BitPredicato(kPredGiocaLiscio) : BitPredicato(kPredGiocaFigure);
    } else {
        m |= BitPredicato(kPredGiocaCarico);
    }
    if (carta == cartaChiamata) {
        m |= BitPredicato(kPredSocioSiScopre);
    }
    if (valore == valoreChiamataPrimaMano) {
        m |= BitPredicato(kPredCartaCopertaPrimaMano);
    }
    const bool prendo =
        carteInTavola >= 1 && RegistroPartita::Confronta(vincente, carta, briscolaUsata) > 0;
    if (seme == briscola) {
        m |= BitPredicato(kPredBriscola);
    } else if (prendo) {
        m |= BitPredicato(kPredStrozza);
    }
    if (prendo) {
        m |= BitPredicato(kPredPrendo);
        // Any card left in another hand that beats this one spoils the take, whoever holds it.
        const bool battibile = (seme >= 0 && seme < 4 && massimoAltri[I(seme)] > valore) ||
                               (seme != briscola && altreBriscole);
        if (!battibile) {
            m |= BitPredicato(kPredPresaSicura);
        }
    }
    if (seme >= 0 && seme < 4) {
        const int f = forza[I(seme)];
        if (f >= 130) {
            m |= BitPredicato(kPredSemeMessoBene);
        } else if (f < 55) {
            m |= BitPredicato(kPredSemeMessoMale);
        }
    }
    return m;
}
