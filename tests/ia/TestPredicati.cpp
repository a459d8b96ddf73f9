#include "TavoloDiProva.h"

namespace {

constexpr int kCuori = 0;
constexpr int kQuadri = 1;
constexpr int kFiori = 2;
constexpr int kPicche = 3;
constexpr int kQuattro = 1;
constexpr int kCinque = 2;
constexpr int kSei = 3;
constexpr int kDonna = 6;

Carta C(int valore, int seme) {
    return Carta(valore, seme);
}

class PredicatiSulTavolo : public TavoloDiProva {};

} // namespace

TEST_F(PredicatiSulTavolo, PrimoAGiocare) {
    // Seat 0 leads; seat 2 called the Asso of Cuori, trump, held by seat 3.
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kRe, kFiori)) && Ha(r, 3, C(kAsso, kCuori));
    });
    Chiama(kAsso, 2, kCuori);
    R().ImpostaTurno(0);
    const MascheraPredicati m = Predicati(0, C(kRe, kFiori));
    EXPECT_TRUE(Vero(m, kPredPrimoAGiocare)) << Nomi(m);
    EXPECT_TRUE(Vero(m, kPredNessunPuntoInTavola));
    EXPECT_TRUE(Vero(m, kPredAvversario));
    EXPECT_TRUE(Vero(m, kPredMano1));
    EXPECT_TRUE(Vero(m, kPredGiocaFigure));
    EXPECT_TRUE(Vero(m, kPredPrecedenteAlChiamante));
    EXPECT_TRUE(Vero(m, kPredSono2PrimaDelChiamante));
    for (IndicePredicato i :
         {kPredPrendo, kPredStrozza, kPredPresaSicura, kPredBriscolaInTavola,
          kPredChiamanteStaPrendendo, kPredSocioStaPrendendo, kPredAvversarioStaPrendendo,
          kPredSecondoAGiocare, kPredPenultimoAGiocare, kPredUltimoAGiocare, kPredManoAlBuio,
          kPredSuccessivoAlChiamante, kPredSuccessivoAlSocio, kPredPrecedenteAlSocio,
          kPredChiamante, kPredSocio, kPredBriscola, kPredSocioSiScopre}) {
        EXPECT_FALSE(Vero(m, i)) << kNomiPredicati[static_cast<std::size_t>(i)];
    }
}

TEST_F(PredicatiSulTavolo, PosizioneNellaPresa) {
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kDue, kFiori)) && Ha(r, 1, C(kSei, kFiori)) &&
               Ha(r, 2, C(kSette, kFiori)) && Ha(r, 3, C(kCinque, kFiori)) &&
               Ha(r, 4, C(kDue, kQuadri));
    });
    Chiama(kAsso, 0, kCuori);
    R().ImpostaTurno(0);
    EXPECT_TRUE(Vero(Predicati(0, C(kDue, kFiori)), kPredPrimoAGiocare));
    Gioca({C(kDue, kFiori)}, 1);
    EXPECT_TRUE(Vero(Predicati(1, C(kSei, kFiori)), kPredSecondoAGiocare));
    Gioca({C(kSei, kFiori)}, 2);
    // Third to play: none of the four places.
    const MascheraPredicati terzo = Predicati(2, C(kSette, kFiori));
    for (IndicePredicato i :
         {kPredPrimoAGiocare, kPredSecondoAGiocare, kPredPenultimoAGiocare, kPredUltimoAGiocare}) {
        EXPECT_FALSE(Vero(terzo, i)) << Nomi(terzo);
    }
    Gioca({C(kSette, kFiori)}, 3);
    EXPECT_TRUE(Vero(Predicati(3, C(kCinque, kFiori)), kPredPenultimoAGiocare));
    Gioca({C(kCinque, kFiori)}, 4);
    const MascheraPredicati ultimo = Predicati(4, C(kDue, kQuadri));
    EXPECT_TRUE(Vero(ultimo, kPredUltimoAGiocare));
    EXPECT_TRUE(Vero(ultimo, kPredSuccessivoAlChiamante));
    EXPECT_FALSE(Vero(ultimo, kPredPrecedenteAlChiamante));
}

TEST_F(PredicatiSulTavolo, BriscolaTagliaUnLiscioEStrozzoConUnaCartaPiuAlta) {
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kRe, kFiori)) && Ha(r, 1, C(kDue, kCuori)) &&
               Ha(r, 1, C(kAsso, kFiori)) && Ha(r, 1, C(kFante, kFiori)) &&
               Ha(r, 1, C(kTre, kPicche));
    });
    Chiama(kTre, 3, kCuori);
    Gioca({C(kRe, kFiori)}, 1);
    const MascheraPredicati taglio = Predicati(1, C(kDue, kCuori));
    EXPECT_TRUE(Vero(taglio, kPredBriscola)) << Nomi(taglio);
    EXPECT_TRUE(Vero(taglio, kPredPrendo));
    EXPECT_FALSE(Vero(taglio, kPredStrozza));
    EXPECT_TRUE(Vero(taglio, kPredPochiPuntiInTavola));
    EXPECT_FALSE(Vero(taglio, kPredBriscolaInTavola));
    const MascheraPredicati strozzo = Predicati(1, C(kAsso, kFiori));
    EXPECT_TRUE(Vero(strozzo, kPredStrozza)) << Nomi(strozzo);
    EXPECT_TRUE(Vero(strozzo, kPredPrendo));
    EXPECT_FALSE(Vero(strozzo, kPredBriscola));
    EXPECT_TRUE(Vero(strozzo, kPredGiocaCarico));
    // A lower card of the led suit and a card of another plain suit do not take.
    EXPECT_FALSE(Vero(Predicati(1, C(kFante, kFiori)), kPredPrendo));
    EXPECT_FALSE(Vero(Predicati(1, C(kTre, kPicche)), kPredPrendo));
}

TEST_F(PredicatiSulTavolo, BriscolaInTavolaEChiVincePerPrimo) {
    // Plain lead, an Asso of another plain suit, then a low trump: the trump leads the trick.
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kSei, kFiori)) && Ha(r, 1, C(kAsso, kPicche)) &&
               Ha(r, 2, C(kQuattro, kCuori)) && Ha(r, 3, C(kCinque, kCuori)) &&
               Ha(r, 3, C(kTre, kCuori)) && Ha(r, 3, C(kAsso, kCuori)) == false;
    });
    Chiama(kAsso, 0, kCuori);
    Gioca({C(kSei, kFiori), C(kAsso, kPicche), C(kQuattro, kCuori)}, 3);
    const MascheraPredicati m = Predicati(3, C(kCinque, kCuori));
    EXPECT_TRUE(Vero(m, kPredBriscolaInTavola)) << Nomi(m);
    EXPECT_TRUE(Vero(m, kPredAbbastanzaPuntiInTavola));
    EXPECT_TRUE(Vero(m, kPredPrendo));
    EXPECT_FALSE(Vero(m, kPredStrozza));
    EXPECT_FALSE(Vero(Predicati(3, C(kTre, kPicche)), kPredPrendo));
}

TEST_F(PredicatiSulTavolo, PresaSicuraGuastataDaUnaManoCheHaGiaGiocato) {
    // Seat 0 leads and keeps the Asso of trumps; seat 1's Tre of trumps takes but is not safe.
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kRe, kFiori)) && Ha(r, 0, C(kAsso, kCuori)) &&
               Ha(r, 1, C(kTre, kCuori)) && Ha(r, 2, C(kDue, kQuadri));
    });
    Chiama(kRe, 2, kCuori);
    Gioca({C(kRe, kFiori)}, 1);
    const MascheraPredicati tre = Predicati(1, C(kTre, kCuori));
    EXPECT_TRUE(Vero(tre, kPredPrendo)) << Nomi(tre);
    EXPECT_FALSE(Vero(tre, kPredPresaSicura));
    EXPECT_TRUE(Vero(tre, kPredRischioDiFarmiMangiareIlTre));
}

TEST_F(PredicatiSulTavolo, PresaSicuraQuandoLAssoDiBriscolaEUscito) {
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kRe, kFiori)) && Ha(r, 0, C(kAsso, kCuori)) && Ha(r, 1, C(kTre, kCuori));
    });
    Chiama(kRe, 2, kCuori);
    // First trick: seat 0 plays the Asso of trumps, the others a card that is not needed.
    Gioca({C(kAsso, kCuori)}, 1);
    for (int s = 1; s < 5; ++s) {
        Gioca({AltraCarta(s, {C(kTre, kCuori)})}, s + 1);
    }
    R().RaccogliPresa();
    Gioca({C(kRe, kFiori)}, 1);
    const MascheraPredicati tre = Predicati(1, C(kTre, kCuori));
    EXPECT_TRUE(Vero(tre, kPredPresaSicura)) << Nomi(tre);
    EXPECT_FALSE(Vero(tre, kPredRischioDiFarmiMangiareIlTre));
    EXPECT_TRUE(Vero(tre, kPredMano234));
    EXPECT_FALSE(Vero(tre, kPredMano1));
}

TEST_F(PredicatiSulTavolo, RuoliEChiamataScoperta) {
    // Seat 1 calls the Re of Quadri, held by seat 3.
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 3, C(kRe, kQuadri)) && Ha(r, 3, C(kDue, kFiori)) &&
               Ha(r, 1, C(kSei, kFiori)) && Ha(r, 4, C(kDue, kPicche));
    });
    Chiama(kRe, 1, kQuadri);
    R().ImpostaTurno(3);
    const MascheraPredicati socio = Predicati(3, C(kRe, kQuadri));
    EXPECT_TRUE(Vero(socio, kPredSocio)) << Nomi(socio);
    EXPECT_FALSE(Vero(socio, kPredAvversario));
    EXPECT_TRUE(Vero(socio, kPredSocioSiScopre));
    EXPECT_TRUE(Vero(socio, kPredBriscola));
    EXPECT_TRUE(Vero(socio, kPredSono2DopoIlChiamante));
    EXPECT_FALSE(Vero(Predicati(3, C(kDue, kFiori)), kPredSocioSiScopre));
    R().ImpostaTurno(1);
    const MascheraPredicati chiamante = Predicati(1, C(kSei, kFiori));
    EXPECT_TRUE(Vero(chiamante, kPredChiamante)) << Nomi(chiamante);
    EXPECT_FALSE(Vero(chiamante, kPredPrecedenteAlChiamante));
    EXPECT_FALSE(Vero(chiamante, kPredSuccessivoAlChiamante));
    R().ImpostaTurno(4);
    EXPECT_TRUE(Vero(Predicati(4, C(kDue, kPicche)), kPredAvversario));
}

TEST_F(PredicatiSulTavolo, ChiamanteConLaCartaChiamataESocio) {
    DistribuisciFinche([](const RegistroPartita& r) { return Ha(r, 2, C(kAsso, kPicche)); });
    Chiama(kAsso, 2, kPicche);
    R().ImpostaTurno(2);
    const MascheraPredicati m = Predicati(2, C(kAsso, kPicche));
    EXPECT_TRUE(Vero(m, kPredSocio)) << Nomi(m);
    EXPECT_FALSE(Vero(m, kPredChiamante));
    EXPECT_FALSE(Vero(m, kPredAvversario));
}

TEST_F(PredicatiSulTavolo, ChiStaPrendendo) {
    // Seat 0 called the Tre of Fiori, held by seat 2. Seat 4 decides each time.
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kSette, kQuadri)) && Ha(r, 1, C(kAsso, kQuadri)) &&
               Ha(r, 2, C(kTre, kFiori));
    });
    Chiama(kTre, 0, kFiori);
    const Carta quarto = AltraCarta(4, {});
    const Carta terzo = AltraCarta(3, {C(kAsso, kFiori)});
    // The caller is winning.
    Gioca({C(kSette, kQuadri)}, 4);
    EXPECT_TRUE(Vero(Predicati(4, quarto), kPredChiamanteStaPrendendo));
    // An opponent who does not know the partner, with a non-caller winning: none of three.
    Gioca({C(kAsso, kQuadri)}, 4);
    const MascheraPredicati ignoto = Predicati(4, quarto);
    for (IndicePredicato i :
         {kPredChiamanteStaPrendendo, kPredSocioStaPrendendo, kPredAvversarioStaPrendendo}) {
        EXPECT_FALSE(Vero(ignoto, i)) << Nomi(ignoto);
    }
    // The true partner knows: an opponent is winning.
    R().ImpostaTurno(2);
    EXPECT_TRUE(Vero(Predicati(2, AltraCarta(2, {})), kPredAvversarioStaPrendendo));
    // The partner reveals himself with the called card, which takes the trick.
    Gioca({C(kTre, kFiori)}, 3);
    const MascheraPredicati palese = Predicati(3, terzo);
    EXPECT_TRUE(Vero(palese, kPredSocioStaPrendendo)) << Nomi(palese);
    EXPECT_TRUE(Vero(palese, kPredSuccessivoAlSocio));
    EXPECT_TRUE(Vero(palese, kPredSuccessivoAlChiamante));
    EXPECT_TRUE(Vero(palese, kPredBriscolaInTavola));
    EXPECT_TRUE(Vero(palese, kPredMoltiPuntiInTavola)) << "11 + 10";
    EXPECT_FALSE(Vero(palese, kPredPrendo));
    Gioca({terzo}, 4);
    const MascheraPredicati ultimo = Predicati(4, quarto);
    EXPECT_TRUE(Vero(ultimo, kPredSocioStaPrendendo));
    EXPECT_TRUE(Vero(ultimo, kPredSonoPrimaDelChiamante));
}

TEST_F(PredicatiSulTavolo, AvversarioStaPrendendoConSocioPalese) {
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kSette, kQuadri)) && Ha(r, 1, C(kAsso, kQuadri)) &&
               Ha(r, 2, C(kTre, kFiori)) && Ha(r, 2, C(kDue, kQuadri)) &&
               Ha(r, 3, C(kQuattro, kQuadri)) && Ha(r, 2, C(kCinque, kPicche));
    });
    Chiama(kTre, 0, kFiori);
    // First trick: the partner plays the called card; second trick: an opponent leads.
    Gioca({C(kTre, kFiori)}, 3);
    for (int s = 3; s < 7; ++s) {
        Gioca({AltraCarta(s % 5, {C(kSette, kQuadri), C(kAsso, kQuadri), C(kDue, kQuadri),
                                  C(kQuattro, kQuadri), C(kCinque, kPicche)})},
              (s + 1) % 5);
    }
    R().RaccogliPresa(2);
    Gioca({C(kAsso, kQuadri)}, 2);
    const MascheraPredicati socio = Predicati(2, C(kDue, kQuadri));
    EXPECT_TRUE(Vero(socio, kPredAvversarioStaPrendendo)) << Nomi(socio);
    EXPECT_TRUE(Vero(socio, kPredPrecedenteAlChiamante));
    EXPECT_FALSE(Vero(socio, kPredPrecedenteAlSocio)) << "the partner himself";
    R().ImpostaTurno(3);
    const MascheraPredicati avversario = Predicati(3, C(kQuattro, kQuadri));
    EXPECT_TRUE(Vero(avversario, kPredAvversarioStaPrendendo)) << Nomi(avversario);
    EXPECT_TRUE(Vero(avversario, kPredPrecedenteAlSocio));
    EXPECT_TRUE(Vero(avversario, kPredPrecedenteAlChiamante));
}

TEST_F(PredicatiSulTavolo, PuntiInTavola) {
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kDue, kFiori)) && Ha(r, 1, C(kFante, kFiori)) &&
               Ha(r, 2, C(kRe, kQuadri)) && Ha(r, 2, C(kSette, kQuadri)) &&
               Ha(r, 3, C(kTre, kPicche)) && Ha(r, 4, C(kDue, kQuadri));
    });
    Chiama(kAsso, 0, kCuori);
    Gioca({C(kDue, kFiori)}, 1);
    EXPECT_TRUE(Vero(Predicati(1, C(kFante, kFiori)), kPredNessunPuntoInTavola));
    Gioca({C(kFante, kFiori)}, 2);
    EXPECT_TRUE(Vero(Predicati(2, C(kRe, kQuadri)), kPredPochiPuntiInTavola));
    Gioca({C(kSette, kQuadri)}, 3);
    Gioca({C(kTre, kPicche)}, 4);
    const MascheraPredicati dodici = Predicati(4, C(kDue, kQuadri));
    EXPECT_TRUE(Vero(dodici, kPredAbbastanzaPuntiInTavola)) << Nomi(dodici);
    EXPECT_FALSE(Vero(dodici, kPredPochiPuntiInTavola));
    EXPECT_FALSE(Vero(dodici, kPredMoltiPuntiInTavola));
}

TEST_F(PredicatiSulTavolo, CarteInManoDiTutti) {
    // Seat 0 holds the Due, the Tre and the Re of a suit (not its Asso, which seat 3 holds) and
    // two carichi of other suits; that suit becomes trump.
    int seme = -1;
    DistribuisciFinche([&seme](const RegistroPartita& r) {
        for (int s = 0; s < 4; ++s) {
            int carichi = 0;
            for (int altro = 0; altro < 4; ++altro) {
                carichi += altro != s && Ha(r, 0, C(kTre, altro)) ? 1 : 0;
                carichi += altro != s && Ha(r, 0, C(kAsso, altro)) ? 1 : 0;
            }
            if (Ha(r, 0, C(kDue, s)) && Ha(r, 0, C(kTre, s)) && Ha(r, 0, C(kRe, s)) &&
                Ha(r, 3, C(kAsso, s)) && carichi == 2) {
                seme = s;
                return true;
            }
        }
        return false;
    });
    Chiama(kDue, 4, seme);
    R().ImpostaTurno(0);
    const MascheraPredicati m = Predicati(0, C(kRe, seme));
    EXPECT_TRUE(Vero(m, kPredHoMolteBriscole)) << Nomi(m);
    EXPECT_TRUE(Vero(m, kPredHoMoltiCarichi));
    EXPECT_TRUE(Vero(m, kPredRischioDiFarmiMangiareIlTre));
    EXPECT_FALSE(Vero(m, kPredCercoDiMangiareIlTre));
    EXPECT_FALSE(Vero(m, kPredNonHoBriscole));
    EXPECT_FALSE(Vero(m, kPredNonRestanoPiuBriscole));
    // Seat 3, with the Asso of trumps while the Tre is out.
    R().ImpostaTurno(3);
    const MascheraPredicati asso = Predicati(3, C(kAsso, seme));
    EXPECT_TRUE(Vero(asso, kPredCercoDiMangiareIlTre)) << Nomi(asso);
    EXPECT_FALSE(Vero(asso, kPredRischioDiFarmiMangiareIlTre));
    // Playing the Tre: once it is on the table the Asso's owner no longer hunts it.
    Gioca({C(kTre, seme)}, 3);
    EXPECT_FALSE(Vero(Predicati(3, C(kAsso, seme)), kPredCercoDiMangiareIlTre));
}

TEST_F(PredicatiSulTavolo, NonRestanoPiuBriscoleQuandoSonoTutteMie) {
    // Seat 0 holds six Cuori; the other four are played out in the first trick.
    std::array<int, 4> fuori{};
    DistribuisciFinche([&fuori](const RegistroPartita& r) {
        int mie = 0;
        int altre = 0;
        std::array<bool, 5> seggi{};
        for (int v = 0; v < 10; ++v) {
            const int chi = r.Distribuzione(v);
            if (chi == 0) {
                ++mie;
            } else if (!seggi[static_cast<std::size_t>(chi)]) {
                seggi[static_cast<std::size_t>(chi)] = true;
                fuori[static_cast<std::size_t>(altre++)] = v;
            } else {
                return false;
            }
        }
        return mie == 6;
    });
    Chiama(kDue, 0, kCuori);
    Gioca({AltraCarta(0, {C(0, 0), C(1, 0), C(2, 0), C(3, 0), C(4, 0), C(5, 0), C(6, 0), C(7, 0),
                          C(8, 0), C(9, 0)})},
          1);
    for (int s = 1; s < 5; ++s) {
        const int v = fuori[static_cast<std::size_t>(s - 1)];
        Gioca({C(v, kCuori)}, s + 1);
    }
    R().RaccogliPresa(1);
    R().ImpostaTurno(0);
    const Carta mia = AltraCarta(0, {});
    const MascheraPredicati m = Predicati(0, mia);
    EXPECT_TRUE(Vero(m, kPredNonRestanoPiuBriscole)) << Nomi(m);
    EXPECT_TRUE(Vero(m, kPredHoMolteBriscole));
}

TEST_F(PredicatiSulTavolo, ForzaDelSeme) {
    // Only the Asso of a suit: 130, well placed. Due, Quattro, Cinque: 36, badly placed.
    // Re and Fante: 97, neither.
    struct Caso {
        std::vector<int> valori;
        bool bene;
        bool male;
        int forza;
    };
    for (const Caso& caso :
         {Caso{{kAsso}, true, false, 130}, Caso{{kDue, 1, 2}, false, true, 36},
          Caso{{kFante, kRe}, false, false, 97}, Caso{{kTre, kRe}, true, false, 155},
          Caso{{kDonna, kDue}, false, false, 55}, Caso{{kFante, kSette}, false, true, 54}}) {
        int seme = -1;
        DistribuisciFinche([&caso, &seme](const RegistroPartita& r) {
            for (int s = 0; s < 4; ++s) {
                bool uguale = true;
                for (int v = 0; v < 10 && uguale; ++v) {
                    const bool voluto =
                        std::find(caso.valori.begin(), caso.valori.end(), v) != caso.valori.end();
                    uguale = Ha(r, 0, C(v, s)) == voluto;
                }
                if (uguale) {
                    seme = s;
                    return true;
                }
            }
            return false;
        });
        Chiama(kAsso, 1, (seme + 1) % 4);
        R().ImpostaTurno(0);
        EXPECT_EQ(SituazioneMano::ForzaSeme(R(), 0, seme), caso.forza);
        const MascheraPredicati m = Predicati(0, C(caso.valori[0], seme));
        EXPECT_EQ(Vero(m, kPredSemeMessoBene), caso.bene) << caso.forza;
        EXPECT_EQ(Vero(m, kPredSemeMessoMale), caso.male) << caso.forza;
    }
}

TEST_F(PredicatiSulTavolo, PrimaManoAlBuioVistaDalChiamanteEDagliAltri) {
    // Seat 1 calls the Asso and will name Cuori; seat 3 holds the Asso of Cuori and leads it
    // face down. The record has no trump yet.
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 3, C(kAsso, kCuori)) && Ha(r, 1, C(kDue, kCuori)) &&
               Ha(r, 1, C(kAsso, kQuadri)) && Ha(r, 2, C(kTre, kCuori)) &&
               Ha(r, 2, C(kDue, kFiori));
    });
    Chiama(kAsso, 1, kCuori);
    R().briscola = BriscolaAssente;
    R().primaManoCoperta = 1;
    const std::initializer_list<Carta> tenute = {C(kDue, kCuori), C(kAsso, kQuadri),
                                                 C(kTre, kCuori), C(kDue, kFiori)};
    Gioca({C(kAsso, kCuori), AltraCarta(4, tenute), AltraCarta(0, tenute)}, 1);

    const Briscola cuori(kCuori);
    const MascheraPredicati chiamante = Predicati(1, C(kDue, kCuori), cuori);
    EXPECT_TRUE(Vero(chiamante, kPredChiamante)) << Nomi(chiamante);
    EXPECT_TRUE(Vero(chiamante, kPredManoAlBuio));
    EXPECT_TRUE(Vero(chiamante, kPredBriscola));
    EXPECT_TRUE(Vero(chiamante, kPredBriscolaInTavola));
    EXPECT_TRUE(Vero(chiamante, kPredSocioStaPrendendo)) << "the called card is on the table";
    EXPECT_TRUE(Vero(chiamante, kPredSuccessivoAlSocio));
    EXPECT_FALSE(Vero(chiamante, kPredSocioSiScopre));
    EXPECT_FALSE(Vero(chiamante, kPredNonHoBriscole));
    const MascheraPredicati assoQuadri = Predicati(1, C(kAsso, kQuadri), cuori);
    EXPECT_TRUE(Vero(assoQuadri, kPredCartaCopertaPrimaMano)) << Nomi(assoQuadri);
    EXPECT_FALSE(Vero(assoQuadri, kPredPrendo));

    // Another seat sees no trump at all in this trick.
    R().ImpostaTurno(2);
    const MascheraPredicati altro = Predicati(2, C(kTre, kCuori), cuori);
    EXPECT_TRUE(Vero(altro, kPredAvversario)) << Nomi(altro);
    EXPECT_TRUE(Vero(altro, kPredManoAlBuio));
    EXPECT_TRUE(Vero(altro, kPredNonHoBriscole));
    EXPECT_TRUE(Vero(altro, kPredNonRestanoPiuBriscole));
    for (IndicePredicato i : {kPredBriscola, kPredBriscolaInTavola, kPredHoMolteBriscole,
                              kPredRischioDiFarmiMangiareIlTre, kPredCercoDiMangiareIlTre,
                              kPredPrendo, kPredSocioStaPrendendo, kPredAvversarioStaPrendendo,
                              kPredChiamanteStaPrendendo, kPredSocioSiScopre}) {
        EXPECT_FALSE(Vero(altro, i)) << kNomiPredicati[static_cast<std::size_t>(i)];
    }
    EXPECT_FALSE(Vero(Predicati(2, C(kDue, kFiori), cuori), kPredPrendo));
    // The record has no called card yet: the true partner is an opponent like the others.
    R().ImpostaTurno(3);
    const MascheraPredicati socio = Predicati(3, AltraCarta(3, {}), cuori);
    EXPECT_TRUE(Vero(socio, kPredAvversario)) << Nomi(socio);
    EXPECT_FALSE(Vero(socio, kPredSocio));
}

TEST_F(PredicatiSulTavolo, CartaCopertaSoloNellaPrimaMano) {
    DistribuisciFinche([](const RegistroPartita& r) {
        return Ha(r, 0, C(kRe, kFiori)) && Ha(r, 0, C(kRe, kQuadri));
    });
    Chiama(kRe, 2, kCuori);
    R().ImpostaTurno(0);
    EXPECT_TRUE(Vero(Predicati(0, C(kRe, kFiori)), kPredCartaCopertaPrimaMano));
    EXPECT_FALSE(Vero(Predicati(0, C(kRe, kFiori)), kPredManoAlBuio));
    Gioca({C(kRe, kQuadri)}, 1);
    for (int s = 1; s < 5; ++s) {
        Gioca({AltraCarta(s, {})}, s + 1);
    }
    R().RaccogliPresa(0);
    R().ImpostaTurno(0);
    EXPECT_FALSE(Vero(Predicati(0, C(kRe, kFiori)), kPredCartaCopertaPrimaMano));
}

TEST_F(PredicatiSulTavolo, NumeroDellaMano) {
    DistribuisciFinche([](const RegistroPartita&) { return true; });
    Chiama(kAsso, 0, kCuori);
    const std::array<IndicePredicato, 8> attesi = {kPredMano1,   kPredMano234, kPredMano234,
                                                   kPredMano234, kPredMano56,  kPredMano56,
                                                   kPredMano7,   kPredMano7};
    for (int mano = 0; mano < 8; ++mano) {
        R().ImpostaTurno(0);
        const MascheraPredicati m = Predicati(0, AltraCarta(0, {}));
        const MascheraPredicati mani = m & (BitPredicato(kPredMano1) | BitPredicato(kPredMano234) |
                                            BitPredicato(kPredMano56) | BitPredicato(kPredMano7));
        EXPECT_EQ(mani, BitPredicato(attesi[static_cast<std::size_t>(mano)]))
            << mano << ": " << Nomi(m);
        for (int s = 0; s < 5; ++s) {
            Gioca({AltraCarta(s, {})}, s + 1);
        }
        R().RaccogliPresa();
    }
}
