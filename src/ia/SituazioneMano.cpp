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
            m |= Bit(i);
        }
    };
    const int mani = registro.ManiComplete();
    const int chiamante = registro.chiamante;

    imposta(kMano1, mani == 0);
    imposta(kManoAlBuio, mani == 0 && registro.primaManoCoperta == 1);
    imposta(kMano234, mani >= 1 && mani <= 3);
    imposta(kMano56, mani == 4 || mani == 5);
    imposta(kMano7, mani == 6 || mani == 7);

    // Roles and the called card as the record has them, before any trump substitution.
    const bool socioVero = registro.Socio() == giocatore;
    imposta(kSocio, socioVero);
    imposta(kChiamante, !socioVero && chiamante == giocatore);
    imposta(kAvversario, !socioVero && chiamante != giocatore);
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

    imposta(kBriscolaInTavola, carteInTavola >= 1 && vincente.Seme == briscola);
    const int punti = registro.PuntiInTavola();
    imposta(kNessunPuntoInTavola, punti == 0);
    imposta(kPochiPuntiInTavola, punti >= 1 && punti <= 9);
    imposta(kAbbastanzaPuntiInTavola, punti >= 10 && punti <= 19);
    imposta(kMoltiPuntiInTavola, punti >= 20);

    if (carteInTavola >= 1) {
        const int vincitore = registro.Distribuzione(vincente.Indice());
        if (vincitore == chiamante) {
            imposta(kChiamanteStaPrendendo, true);
        } else if (socioPalese >= 0 || socioVero) {
            imposta(kSocioStaPrendendo, vincitore == socio);
            imposta(kAvversarioStaPrendendo, vincitore != socio);
        }
    }

    imposta(kPrimoAGiocare, carteInTavola == 0);
    imposta(kSecondoAGiocare, carteInTavola == 1);
    imposta(kPenultimoAGiocare, carteInTavola == 3);
    imposta(kUltimoAGiocare, carteInTavola == 4);

    imposta(kSuccessivoAlChiamante, giocato(chiamante) && chiamante != giocatore);
    imposta(kPrecedenteAlChiamante, !giocato(chiamante) && chiamante != giocatore);
    if (socioPalese >= 0) {
        imposta(kSuccessivoAlSocio, giocato(socioPalese) && !socioVero);
        imposta(kPrecedenteAlSocio, !giocato(socioPalese) && !socioVero);
    }

    const int turno = registro.turno;
    imposta(kSonoDopoIlChiamante, (turno + 4) % 5 == chiamante);
    imposta(kSonoPrimaDelChiamante, (turno + 1) % 5 == chiamante);
    imposta(kSono2DopoIlChiamante, (turno + 3) % 5 == chiamante);
    imposta(kSono2PrimaDelChiamante, (turno + 2) % 5 == chiamante);

    // One pass over the cards still in a hand.
    int mieBriscole = 0;
    int mieiCarichi = 0;
    int altre = 0;
    bool hoIlTre = false;
    bool hoLAsso = false;
    bool treFuori = false;
    bool assoFuori = false;
    for (int c = 0; c < 40; ++c) {
        if (!registro.InMano(c)) {
            continue;
        }
        const int seme = c / 10;
        const int valore = c % 10;
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
    altreBriscole = altre > 0;
    imposta(kNonRestanoPiuBriscole, altre == 0);
    imposta(kNonHoBriscole, mieBriscole == 0);
    imposta(kHoMolteBriscole, mieBriscole >= 3);
    imposta(kHoMoltiCarichi, mieiCarichi >= 2);
    imposta(kRischioDiFarmiMangiareIlTre, hoIlTre && !hoLAsso && assoFuori);
    imposta(kCercoDiMangiareIlTre, hoLAsso && !hoIlTre && treFuori);

    situazione = m;
}

MascheraPredicati SituazioneMano::Predicati(const Carta& carta) const {
    MascheraPredicati m = situazione;
    const int valore = carta.Valore();
    const int seme = carta.Seme;
    if (valore <= kRe) {
        m |= valore < kFante ? Bit(kGiocaLiscio) : Bit(kGiocaFigure);
    } else {
        m |= Bit(kGiocaCarico);
    }
    if (carta == cartaChiamata) {
        m |= Bit(kSocioSiScopre);
    }
    if (valore == valoreChiamataPrimaMano) {
        m |= Bit(kCartaCopertaPrimaMano);
    }
    const bool prendo =
        carteInTavola >= 1 && RegistroPartita::Confronta(vincente, carta, briscolaUsata) > 0;
    if (seme == briscola) {
        m |= Bit(kBriscola);
    } else if (prendo) {
        m |= Bit(kStrozza);
    }
    if (prendo) {
        m |= Bit(kPrendo);
        // Any card left in another hand that beats this one spoils the take, whoever holds it.
        const bool battibile = (seme >= 0 && seme < 4 && massimoAltri[I(seme)] > valore) ||
                               (seme != briscola && altreBriscole);
        if (!battibile) {
            m |= Bit(kPresaSicura);
        }
    }
    if (seme >= 0 && seme < 4) {
        const int f = forza[I(seme)];
        if (f >= 130) {
            m |= Bit(kSemeMessoBene);
        } else if (f < 55) {
            m |= Bit(kSemeMessoMale);
        }
    }
    return m;
}
