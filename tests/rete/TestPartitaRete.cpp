#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "TavoloProva.h"
#include "carte/CodiceCarta.h"
#include "rete/VistaPosto.h"

namespace {

int Somma(const QJsonArray& valori) {
    int somma = 0;
    for (const QJsonValue& v : valori) {
        somma += v.toInt();
    }
    return somma;
}

// Every card code in a message, with the kind of message it came in (the called card's field
// names a card that is public once named, and is left out).
void CarteNominate(const QJsonValue& valore, const QString& chiave, std::vector<Carta>& carte) {
    if (valore.isObject()) {
        const QJsonObject oggetto = valore.toObject();
        for (auto it = oggetto.begin(); it != oggetto.end(); ++it) {
            if (it.key() != "cartaChiamata") {
                CarteNominate(it.value(), it.key(), carte);
            }
        }
    } else if (valore.isArray()) {
        for (const QJsonValue& v : valore.toArray()) {
            CarteNominate(v, chiave, carte);
        }
    } else if (valore.isString() && (chiave == "carta" || chiave == "mano")) {
        carte.push_back(CartaDaCodice(valore.toString().toStdString()));
    }
}

} // namespace

TEST(PartitaRete, DuePersoneETreComputerGiocanoUnaPartitaEAttaccanoLaSeguente) {
    TavoloProva prova(TavoloProva::Opzioni());
    // Hints during a game are off unless the creator allows them, and every seat is told.
    for (ClienteProva* cliente : prova.Clienti()) {
        EXPECT_EQ(cliente->Ultimo("stato").value("suggerimenti"), QJsonValue(false));
    }
    EXPECT_EQ(prova.anna->Ultimo("posti").value("posti").toArray().at(2).toObject().value("nome"),
              "Bruno");
    prova.Comincia();
    ASSERT_EQ(prova.anna->Ultimo("inizio").value("mano").toArray().size(), 8);
    ASSERT_EQ(prova.bruno->Ultimo("inizio").value("mano").toArray().size(), 8);
    prova.GiocaPartite(1);

    for (ClienteProva* cliente : prova.Clienti()) {
        cliente->LeggiNuovi();
        EXPECT_EQ(cliente->Conta("carta"), 40);
        EXPECT_EQ(cliente->Conta("presa"), 8);
        EXPECT_TRUE(cliente->mano.isEmpty());
        const QJsonObject fine = cliente->Ultimo("finepartita");
        EXPECT_EQ(Somma(fine.value("punti").toArray()), 120);
        EXPECT_EQ(Somma(fine.value("punteggi").toArray()), 0);
        const QJsonObject serie = cliente->Ultimo("serie");
        EXPECT_EQ(serie.value("partite").toInt(), 1);
        EXPECT_EQ(serie.value("totali"), fine.value("punteggi"));
        EXPECT_EQ(serie.value("ultime").toArray().size(), 1);
    }
    // The tricks' points are the game's points.
    int puntiPrese = 0;
    for (const QJsonObject& m : prova.anna->Messaggi()) {
        puntiPrese += m.value("tipo") == "presa" ? m.value("punti").toInt() : 0;
    }
    EXPECT_EQ(puntiPrese, 120);

    // The next game waits for both confirmations.
    EXPECT_TRUE(prova.Tavolo().InAttesaDiConferme());
    prova.anna->Manda({{"tipo", "conferma"}});
    EXPECT_EQ(prova.anna->Conta("inizio"), 1);
    EXPECT_EQ(prova.anna->Ultimo("attesa").value("confermati").toArray(), QJsonArray{0});
    prova.bruno->Manda({{"tipo", "conferma"}});
    EXPECT_EQ(prova.anna->Conta("inizio"), 2);
    EXPECT_EQ(prova.bruno->Ultimo("inizio").value("partita").toInt(), 1);
    prova.GiocaPartite(2);
    EXPECT_EQ(prova.bruno->Ultimo("serie").value("partite").toInt(), 2);
}

TEST(PartitaRete, NessunPostoVedeLeCarteAltruiPrimaCheSianoGiocate) {
    struct Caso {
        bool manoAlBuio;
        const char* computer;
        int partite;
    };
    const Caso casi[] = {{false, "standard", 4},
                         {true, "standard", 4},
                         {true, "tattico", 3},
                         {false, "tattico", 2},
                         {true, "esperto", 1}};
    for (const Caso& caso : casi) {
        SCOPED_TRACE(std::string(caso.computer) + (caso.manoAlBuio ? " al buio" : ""));
        TavoloProva prova(TavoloProva::Opzioni(77), caso.manoAlBuio, caso.computer);
        // A spectator without a seat, too.
        ClienteProva curioso(*prova.sala, *prova.posta, 3, prova.codice);
        curioso.Ciao();
        std::map<ClienteProva::Id, int> postoDi = {{1, 0}, {2, 2}, {3, -1}};
        int controllate = 0;
        int coperteViste = 0;
        prova.posta->osservatore = [&](ClienteProva::Id id, const QString& testo) {
            const TavoloRete* tavolo = prova.sala->TavoloDi(prova.codice);
            if (tavolo == nullptr) {
                return;
            }
            const RegistroPartita& registro = tavolo->Gioco().Stato().registro;
            const QJsonObject messaggio = QJsonDocument::fromJson(testo.toUtf8()).object();
            std::vector<Carta> carte;
            CarteNominate(messaggio, {}, carte);
            const int posto = postoDi[id];
            for (const Carta& carta : carte) {
                ++controllate;
                const int indice = carta.Indice();
                const bool altrui = registro.Distribuzione(indice) != posto;
                EXPECT_FALSE(altrui && registro.InMano(indice))
                    << "posto " << posto << " riceve " << testo.toStdString();
                // A face-down card is turned up only with its trick.
                EXPECT_FALSE(altrui && CartaCoperta(registro, carta) &&
                             messaggio.value("tipo") != "presa")
                    << "posto " << posto << " riceve " << testo.toStdString();
            }
            coperteViste += messaggio.value("coperta").toBool() ? 1 : 0;
        };
        prova.Comincia();
        for (int partita = 1; partita <= caso.partite; ++partita) {
            prova.GiocaPartite(partita);
            ASSERT_EQ(prova.anna->Conta("finepartita"), partita);
            // A rejoin mid-series sees the state too.
            prova.anna->Manda({{"tipo", "conferma"}});
            prova.bruno->Manda({{"tipo", "conferma"}});
        }
        EXPECT_GT(controllate, 100 * caso.partite);
        if (caso.manoAlBuio && caso.partite > 2) {
            EXPECT_GT(coperteViste, 0);
        }
        prova.posta->osservatore = nullptr;
    }
}

TEST(PartitaRete, StessoSemeEStesseScelteDannoLeStessePartite) {
    // The expert's steps run on worker threads: their timing must change nothing.
    const struct {
        const char* computer;
        int partite;
    } casi[] = {{"tattico", 2}, {"esperto", 1}};
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.computer);
        std::vector<std::vector<QString>> giocate;
        for (int volta = 0; volta < 2; ++volta) {
            TavoloProva prova(TavoloProva::Opzioni(4321), true, caso.computer);
            prova.Comincia();
            for (int partita = 1; partita <= caso.partite; ++partita) {
                prova.GiocaPartite(partita);
                prova.anna->Manda({{"tipo", "conferma"}});
                prova.bruno->Manda({{"tipo", "conferma"}});
            }
            std::vector<QString> testi;
            for (const QString& testo : prova.posta->grezzi[2]) {
                if (!testo.contains("gettone") && !testo.contains("\"stato\"") &&
                    !testo.contains("tempoMs")) {
                    testi.push_back(testo);
                }
            }
            giocate.push_back(testi);
        }
        EXPECT_GT(giocate[0].size(), 50u * caso.partite);
        EXPECT_EQ(giocate[0], giocate[1]);
    }
}

TEST(PartitaRete, ChiRientraColGettoneRitrovaManoEPresaEProsegue) {
    TavoloProva prova(TavoloProva::Opzioni(99));
    prova.Comincia();
    // Play until Bruno is to play a card with two or more cards on the table, past trick one.
    GiocaFinche(prova.Clienti(), [&] {
        const RegistroPartita& r = prova.Registro();
        return prova.Tavolo().PostoAtteso() == 2 &&
               prova.Tavolo().CosaAttesa() == CasellaRete::Attesa::Carta && r.ManiComplete() >= 2 &&
               r.CarteInTavola() >= 1;
    });
    ASSERT_EQ(prova.Tavolo().PostoAtteso(), 2);
    const QStringList manoPrima = prova.bruno->mano;
    const int carteInTavola = prova.Registro().CarteInTavola();
    prova.bruno->Esci();
    EXPECT_FALSE(prova.anna->Ultimo("posti")
                     .value("posti")
                     .toArray()
                     .at(2)
                     .toObject()
                     .value("connesso")
                     .toBool());

    ClienteProva ritorno(*prova.sala, *prova.posta, 7, prova.codice);
    ritorno.Ciao();
    ritorno.Manda({{"tipo", "rientra"}, {"posto", 2}, {"gettone", "0000"}});
    EXPECT_EQ(ritorno.Ultimo("errore").value("codice"), "gettone");
    ritorno.Manda({{"tipo", "rientra"}, {"posto", 2}, {"gettone", prova.bruno->gettone}});
    ASSERT_EQ(ritorno.Ultimo("seduto").value("posto").toInt(), 2);
    ritorno.posto = 2;
    const QJsonObject partita = ritorno.Ultimo("stato").value("partita").toObject();
    QStringList mano;
    for (const QJsonValue& c : partita.value("mano").toArray()) {
        mano.push_back(c.toString());
    }
    // His hand as the table holds it (less what the computer played for him meanwhile), and
    // the trick as it lies.
    QStringList attesa;
    for (int c = 0; c < 40; ++c) {
        if (prova.Registro().InMano(c) && prova.Registro().Distribuzione(c) == 2) {
            attesa.push_back(QString::fromStdString(CodiceCarta(Carta::DaIndice(c))));
        }
    }
    EXPECT_EQ(mano, attesa);
    EXPECT_GE(manoPrima.size(), mano.size());
    EXPECT_LE(manoPrima.size() - mano.size(), 2);
    EXPECT_EQ(partita.value("tavola").toArray().size(), prova.Registro().CarteInTavola());
    EXPECT_EQ(prova.Tavolo().PostoAtteso(), 0);
    EXPECT_EQ(carteInTavola >= 1, true);
    ritorno.LeggiNuovi();
    GiocaFinche({prova.anna.get(), &ritorno}, [&] { return ritorno.Conta("finepartita") == 1; });
    EXPECT_EQ(ritorno.Conta("finepartita"), 1);
    EXPECT_EQ(prova.Registro().NumeroCarteGiocate(), 40);
}

TEST(PartitaRete, TempoDelTurnoScadutoDecideIlComputerUnaVolta) {
    TavoloProva prova(TavoloProva::Opzioni(5), false, "standard", 1);
    prova.Comincia();
    // Anna opens the bidding and says nothing.
    ASSERT_EQ(prova.Tavolo().PostoAtteso(), 0);
    EXPECT_EQ(prova.anna->Ultimo("turno").value("tempoMs").toInt(), 1000);
    const int licitazioniPrima = prova.Registro().NumeroLicitazioni();
    QElapsedTimer orologio;
    orologio.start();
    while (prova.Registro().NumeroLicitazioni() == licitazioniPrima && orologio.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_GE(orologio.elapsed(), 900);
    int chi = -1;
    prova.Registro().LicitazioneN(0, chi);
    EXPECT_EQ(chi, 0);
    // The seat is hers again: her next decision is asked of her.
    GiocaFinche({prova.bruno.get()}, [&] { return prova.Tavolo().PostoAtteso() == 0; });
    EXPECT_EQ(prova.Tavolo().PostoAtteso(), 0);
    EXPECT_EQ(prova.anna->Ultimo("turno").value("posto").toInt(), 0);
}

TEST(PartitaRete, LAttesaDiFinePartitaEIlTavoloVuotoHannoUnTermine) {
    OpzioniSala opzioni = TavoloProva::Opzioni(8);
    opzioni.attesaFinePartitaMs = 60;
    opzioni.chiusuraSenzaPersoneMs = 80;
    TavoloProva prova(opzioni);
    prova.Comincia();
    prova.GiocaPartite(1);
    // Bruno never confirms: the next game comes all the same, after the wait.
    prova.anna->Manda({{"tipo", "conferma"}});
    EXPECT_EQ(prova.anna->Conta("inizio"), 1);
    QElapsedTimer orologio;
    orologio.start();
    while (prova.anna->Conta("inizio") < 2 && orologio.elapsed() < 3000) {
        QTest::qWait(5);
    }
    EXPECT_EQ(prova.anna->Conta("inizio"), 2);
    EXPECT_GE(orologio.elapsed(), 40);

    // Everyone gone: the table closes, and its code is unknown from then on.
    prova.anna->Esci();
    prova.bruno->Esci();
    const QString codice = prova.codice;
    ASSERT_NE(prova.sala->TavoloDi(codice), nullptr);
    orologio.restart();
    while (prova.sala->TavoloDi(codice) != nullptr && orologio.elapsed() < 3000) {
        QTest::qWait(5);
    }
    EXPECT_EQ(prova.sala->NumeroTavoli(), 0);
    ClienteProva tardi(*prova.sala, *prova.posta, 30, codice);
    tardi.Ciao();
    EXPECT_EQ(tardi.Ultimo("errore").value("codice"), "tavolo");
}
