#include <gtest/gtest.h>

#include "TavoloProva.h"
#include "carte/CodiceCarta.h"

namespace {

struct Abuso {
    const char* cosa;
    // 0 Anna, 1 Bruno, 2 a connection at the table without a seat, 3 a new connection on /ws,
    // 4 a new connection on an unknown code; new connections say ciao first unless the
    // message is the first.
    int chi;
    QString testo;
    const char* codice;
    bool primo = false;
};

QString Json(const QJsonObject& oggetto) {
    return QString::fromUtf8(QJsonDocument(oggetto).toJson(QJsonDocument::Compact));
}

// Each message is refused with its code; the game, the turn and the connections stay as they
// were.
void ControllaAbusi(TavoloProva& prova, ClienteProva& curioso, const std::vector<Abuso>& abusi,
                    ClienteProva::Id& prossimo) {
    for (const Abuso& abuso : abusi) {
        SCOPED_TRACE(abuso.cosa);
        const RegistroPartita prima = prova.Registro();
        const int atteso = prova.Tavolo().PostoAtteso();
        const int tavoli = prova.sala->NumeroTavoli();
        std::unique_ptr<ClienteProva> nuovo;
        ClienteProva* cliente = nullptr;
        switch (abuso.chi) {
        case 0:
            cliente = prova.anna.get();
            break;
        case 1:
            cliente = prova.bruno.get();
            break;
        case 2:
            cliente = &curioso;
            break;
        default:
            nuovo = std::make_unique<ClienteProva>(*prova.sala, *prova.posta, prossimo++,
                                                   abuso.chi == 3 ? QString()
                                                                  : QStringLiteral("nonEsiste123"));
            cliente = nuovo.get();
            if (!abuso.primo) {
                cliente->Ciao();
            }
        }
        const std::size_t ricevuti = cliente->Messaggi().size();
        cliente->MandaTesto(abuso.testo);
        ASSERT_EQ(cliente->Messaggi().size(), ricevuti + 1);
        const QJsonObject risposta = cliente->Messaggi().back();
        EXPECT_EQ(risposta.value("tipo"), "errore");
        EXPECT_EQ(risposta.value("codice").toString().toStdString(), abuso.codice);
        EXPECT_FALSE(risposta.value("messaggio").toString().isEmpty());
        EXPECT_TRUE(prova.Registro() == prima);
        EXPECT_EQ(prova.Tavolo().PostoAtteso(), atteso);
        EXPECT_EQ(prova.sala->NumeroTavoli(), tavoli);
        EXPECT_EQ(prova.posta->congedati.count(cliente->id),
                  std::string(abuso.codice) == "versione" ? 1u : 0u);
    }
}

} // namespace

TEST(AbusiRete, OgniMessaggioSbagliatoHaUnErroreENienteCambia) {
    TavoloProva prova(TavoloProva::Opzioni(11));
    ClienteProva curioso(*prova.sala, *prova.posta, 3, prova.codice);
    curioso.Ciao();
    prova.Comincia();
    // Anna opens with a high bid; Bruno, two seats on, is to bid over it.
    ASSERT_EQ(prova.Tavolo().PostoAtteso(), 0);
    prova.anna->Manda({{"tipo", "chiamata"}, {"chiamata", "2"}});
    ASSERT_EQ(prova.Tavolo().PostoAtteso(), 2);
    ASSERT_EQ(prova.Tavolo().CosaAttesa(), CasellaRete::Attesa::Chiamata);

    const QString crea = Json({{"tipo", "crea"},
                               {"nome", "Altro"},
                               {"manoAlBuio", false},
                               {"computer", "standard"},
                               {"tempoTurno", 0}});
    ClienteProva::Id prossimo = 100;
    ControllaAbusi(
        prova, curioso,
        {
            {"JSON rotto", 1, "{", "json"},
            {"non un oggetto", 1, "[1,2]", "json"},
            {"testo vuoto", 1, "", "json"},
            {"senza tipo", 1, "{}", "tipo"},
            {"tipo non testo", 1, R"({"tipo":5})", "tipo"},
            {"tipo sconosciuto", 1, R"({"tipo":"balla"})", "tipo"},
            {"campo in più", 1, R"({"tipo":"conferma","extra":1})", "campo"},
            {"campo mancante", 1, R"({"tipo":"carta"})", "campo"},
            {"campo di tipo errato", 1, R"({"tipo":"carta","carta":5})", "campo"},
            {"posto fuori dai limiti", 2, R"({"tipo":"siedi","posto":7,"nome":"Carla"})", "campo"},
            {"posto non intero", 2, R"({"tipo":"siedi","posto":1.5,"nome":"Carla"})", "campo"},
            {"posto enorme", 2, R"({"tipo":"siedi","posto":1e300,"nome":"Carla"})", "campo"},
            {"secondo ciao", 1, R"({"tipo":"ciao","versione":1})", "ordine"},
            {"crea al tavolo", 1, crea, "ordine"},
            {"posto occupato", 2, R"({"tipo":"siedi","posto":0,"nome":"Carla"})", "posto"},
            {"già seduto", 1, R"({"tipo":"siedi","posto":3,"nome":"Bis"})", "posto"},
            {"nome lungo", 2, R"({"tipo":"siedi","posto":3,"nome":"123456789012345678901"})",
             "nome"},
            {"nome con controllo", 2, R"({"tipo":"siedi","posto":3,"nome":"Ca\u0007rla"})", "nome"},
            {"nome vuoto", 2, R"({"tipo":"siedi","posto":3,"nome":"  "})", "nome"},
            {"gettone sbagliato", 2, R"({"tipo":"rientra","posto":0,"gettone":"abc"})", "gettone"},
            {"gettone di un posto senza persona", 2, R"({"tipo":"rientra","posto":3,"gettone":""})",
             "gettone"},
            {"comincia chi non ha creato", 1, R"({"tipo":"comincia"})", "permesso"},
            {"comincia due volte", 0, R"({"tipo":"comincia"})", "stato"},
            {"fuori turno", 0, R"({"tipo":"chiamata","chiamata":"passo"})", "turno"},
            {"decisione di altro tipo", 1, R"({"tipo":"carta","carta":"AC"})", "turno"},
            {"chiamata sotto quella in piedi", 1, R"({"tipo":"chiamata","chiamata":"A"})",
             "chiamata"},
            {"chiamata a 60", 1, R"({"tipo":"chiamata","chiamata":"60"})", "chiamata"},
            {"chiamata oltre 120", 1, R"({"tipo":"chiamata","chiamata":"121"})", "chiamata"},
            {"chiamata sconosciuta", 1, R"({"tipo":"chiamata","chiamata":"X"})", "chiamata"},
            {"seme sconosciuto", 1, R"({"tipo":"briscola","seme":"Z"})", "briscola"},
            {"conferma a partita in corso", 1, R"({"tipo":"conferma"})", "stato"},
            {"chat senza posto", 2, R"({"tipo":"chat","testo":"ciao"})", "posto"},
            {"chat di soli controlli", 1, R"({"tipo":"chat","testo":"\u0001\u0002"})", "campo"},
            {"chat lunga", 1, Json({{"tipo", "chat"}, {"testo", QString(201, 'x')}}), "campo"},
            {"carta senza posto", 2, R"({"tipo":"carta","carta":"AC"})", "posto"},
            {"prima del ciao", 3, R"({"tipo":"carta","carta":"AC"})", "ordine", true},
            {"altra versione", 3, R"({"tipo":"ciao","versione":2})", "versione", true},
            {"codice sconosciuto", 4, R"({"tipo":"ciao","versione":1})", "tavolo", true},
            {"senza tavolo", 3, R"({"tipo":"carta","carta":"AC"})", "tavolo"},
            {"computer sconosciuto", 3,
             R"({"tipo":"crea","nome":"T","manoAlBuio":false,"computer":"mago","tempoTurno":0})",
             "campo"},
            {"suggerimenti non booleani", 3,
             R"({"tipo":"crea","nome":"T","manoAlBuio":false,"computer":"standard","tempoTurno":0,"suggerimenti":1})",
             "campo"},
            {"tempo negativo", 3,
             R"({"tipo":"crea","nome":"T","manoAlBuio":false,"computer":"standard","tempoTurno":-1})",
             "campo"},
        },
        prossimo);

    // Chat is plain text with its control characters removed.
    prova.bruno->Manda({{"tipo", "chat"}, {"testo", "ciao\u0007 <b>a</b> tutti"}});
    EXPECT_EQ(prova.anna->Ultimo("chat").value("testo"), "ciao <b>a</b> tutti");
    EXPECT_EQ(prova.anna->Ultimo("chat").value("nome"), "Bruno");

    // On to Bruno's first card.
    prova.bruno->LeggiNuovi();
    GiocaFinche(prova.Clienti(), [&] {
        return prova.Tavolo().PostoAtteso() == 2 &&
               prova.Tavolo().CosaAttesa() == CasellaRete::Attesa::Carta;
    });
    ASSERT_EQ(prova.Tavolo().CosaAttesa(), CasellaRete::Attesa::Carta);
    QString altrui;
    for (int c = 0; c < 40; ++c) {
        if (prova.Registro().InMano(c) && prova.Registro().Distribuzione(c) == 0) {
            altrui = QString::fromStdString(CodiceCarta(Carta::DaIndice(c)));
        }
    }
    ControllaAbusi(
        prova, curioso,
        {
            {"carta non in mano", 1, Json({{"tipo", "carta"}, {"carta", altrui}}), "carta"},
            {"carta sconosciuta", 1, R"({"tipo":"carta","carta":"ZZ"})", "carta"},
            {"carta minuscola", 1, R"({"tipo":"carta","carta":"ac"})", "carta"},
            {"chiamata mentre si gioca", 1, R"({"tipo":"chiamata","chiamata":"passo"})", "turno"},
        },
        prossimo);
}

TEST(AbusiRete, OltreIlMassimoDeiTavoliNonSeNeCreano) {
    OpzioniSala opzioni = TavoloProva::Opzioni();
    opzioni.massimoTavoli = 1;
    TavoloProva prova(opzioni);
    ClienteProva altro(*prova.sala, *prova.posta, 9, QString());
    altro.Ciao();
    altro.Manda({{"tipo", "crea"},
                 {"nome", "Secondo"},
                 {"manoAlBuio", false},
                 {"computer", "standard"},
                 {"tempoTurno", 0}});
    EXPECT_EQ(altro.Ultimo("errore").value("codice"), "limite");
    EXPECT_EQ(prova.sala->NumeroTavoli(), 1);
}
