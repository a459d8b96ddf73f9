// The window's languages: the English texts complete, the language chosen, a game in English.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <map>
#include <utility>

#include "carte/NomiCarte.h"
#include "finestre/Avvio.h"
#include "finestre/FileOpzioni.h"
#include "finestre/Lingua.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/PanelPunti.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TestiGioco.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "partita/Chiamata.h"

namespace {

struct Voce {
    QString traduzione;
    bool finita = false;
};

using Voci = std::map<std::pair<QString, QString>, Voce>;

// Every message of a .ts file by its context and source text.
Voci LeggiTs(const QString& percorso) {
    QFile file(percorso);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << percorso.toStdString();
    QXmlStreamReader xml(&file);
    Voci voci;
    QString contesto;
    QString sorgente;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            contesto = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            sorgente = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString tipo = xml.attributes().value(QLatin1String("type")).toString();
            Voce voce;
            voce.finita = tipo.isEmpty();
            voce.traduzione = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            voci[{contesto, sorgente}] = voce;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return voci;
}

// The markers a text is built with: %1, %2..., and whether it has a menu mnemonic.
QStringList Segnaposti(const QString& testo) {
    QStringList segni;
    static const QRegularExpression kSegno(QStringLiteral("%\\d"));
    for (const auto& trovato : kSegno.globalMatch(testo)) {
        segni << trovato.captured();
    }
    segni.sort();
    if (testo.contains(QRegularExpression(QStringLiteral("&[^ &]")))) {
        segni << QStringLiteral("&");
    }
    return segni;
}

// Shows the window in one language for a test, and in Italian again after it.
class ConLingua {
public:
    explicit ConLingua(QLocale::Language lingua) { ImpostaLingua(QLocale(lingua)); }
    ~ConLingua() { ImpostaLingua(QLocale(QLocale::Italian)); }
    ConLingua(const ConLingua&) = delete;
    ConLingua& operator=(const ConLingua&) = delete;
};

QStringList TitoliMenu(const TfrmBriscolaMain& finestra) {
    QStringList titoli;
    for (const QAction* azione : finestra.menuBar()->actions()) {
        titoli << azione->text();
    }
    return titoli;
}

} // namespace

// Every text of the window's code is in the English file, translated, with the same markers.
TEST(Lingua, LeTraduzioniInglesiSonoComplete) {
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString estratto = cartella.filePath(QStringLiteral("estratto.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(PENTALUDO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-I"), QStringLiteral(PENTALUDO_SORGENTI "/src"),
                   QStringLiteral(PENTALUDO_SORGENTI "/src/finestre"), QStringLiteral("-ts"),
                   estratto});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const Voci codice = LeggiTs(estratto);
    const Voci inglese =
        LeggiTs(QStringLiteral(PENTALUDO_SORGENTI "/dati/traduzioni/pentaludo_en.ts"));
    ASSERT_GT(codice.size(), 90U);
    for (const auto& [chiave, voce] : codice) {
        const std::string dove = chiave.first.toStdString() + ": " + chiave.second.toStdString();
        const auto trovata = inglese.find(chiave);
        ASSERT_NE(trovata, inglese.end()) << "senza traduzione: " << dove;
        EXPECT_TRUE(trovata->second.finita) << "non finita: " << dove;
        EXPECT_FALSE(trovata->second.traduzione.trimmed().isEmpty()) << "vuota: " << dove;
        EXPECT_EQ(Segnaposti(trovata->second.traduzione), Segnaposti(chiave.second)) << dove;
    }
    // Nothing left over from texts the code no longer has.
    for (const auto& [chiave, voce] : inglese) {
        EXPECT_TRUE(codice.count(chiave) == 1)
            << "non più nel codice: " << chiave.second.toStdString();
    }
}

TEST(Lingua, LaSceltaELaLinguaDelSistema) {
    struct Caso {
        int scelta;
        QLocale sistema;
        QLocale::Language attesa;
    };
    const std::vector<Caso> casi = {
        {0, QLocale::c(), QLocale::Italian},
        {0, QLocale(QLocale::English, QLocale::UnitedStates), QLocale::English},
        {0, QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale::English},
        {0, QLocale(QLocale::German, QLocale::Germany), QLocale::Italian},
        {0, QLocale(QLocale::Italian, QLocale::Italy), QLocale::Italian},
        {1, QLocale(QLocale::English, QLocale::UnitedStates), QLocale::Italian},
        {2, QLocale::c(), QLocale::English},
        {2, QLocale(QLocale::Italian, QLocale::Italy), QLocale::English},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.scelta);
        SCOPED_TRACE(caso.sistema.name().toStdString());
        EXPECT_EQ(LinguaFinestra(caso.scelta, caso.sistema).language(), caso.attesa);
    }
    // The options file keeps the choice in one line, and none for the system's language.
    EXPECT_EQ(LeggiOpzioni("Lingua=2\r\n").lingua, 2);
    EXPECT_EQ(LeggiOpzioni("Lingua=9\r\n").lingua, 2);
    EXPECT_EQ(LeggiOpzioni("Lingua=inglese\r\n").lingua, 0);
    ValoriOpzioni valori;
    EXPECT_EQ(ScriviOpzioni(valori).find("Lingua"), std::string::npos);
    valori.lingua = 1;
    EXPECT_EQ(LeggiOpzioni(ScriviOpzioni(valori)), valori);
    EXPECT_NE(ScriviOpzioni(valori).find("\r\nLingua=1\r\n"), std::string::npos);
}

// The game's texts are built at the window: in Italian exactly as the core builds them, in
// English around the card set's own names.
TEST(Lingua, ChiamateETipiDiGiocatoreNelleDueLingue) {
    const NomiCarte& nomi = NomiCarte::Predefiniti();
    std::vector<Chiamata> chiamate = {ChiamataNulla, ChiamataPasso};
    for (int v = 0; v <= 9; ++v) {
        chiamate.emplace_back(v);
    }
    for (int punti = 61; punti <= 120; punti += 59) {
        Chiamata chiamata(punti);
        chiamate.push_back(chiamata);
        chiamata.Seme = 2;
        chiamate.push_back(chiamata);
    }
    for (const Chiamata& chiamata : chiamate) {
        EXPECT_EQ(TestoChiamata(chiamata, nomi), QString::fromStdString(chiamata.Testo(nomi)));
    }
    Chiamata dueAl70(70);
    dueAl70.Seme = 1;
    const QString due = QString::fromStdString(nomi.Valore(kIndiceFaccia[kDue], false));
    const QString seme = QString::fromStdString(nomi.Seme(1, false));
    const std::vector<std::pair<std::string, QString>> tipi = {
        {"Esperto 300 partite per carta", QStringLiteral("Expert 300 games per card")},
        {"Probabilità IP 0.5000 ", QStringLiteral("Probability IP 0.5000 ")},
        {"Gioca a Caso", QStringLiteral("Random Play")},
        {"Migliore regole.OK.txt ", QStringLiteral("Best regole.OK.txt ")},
        {"", QString()},
    };
    for (const auto& [descrizione, inglese] : tipi) {
        EXPECT_EQ(TestoTipoGiocatore(descrizione), QString::fromStdString(descrizione));
    }
    const ConLingua lingua(QLocale::English);
    EXPECT_EQ(TestoChiamata(dueAl70, nomi), QStringLiteral("%1 of %2 for 70").arg(due, seme));
    EXPECT_EQ(TestoChiamata(Chiamata(kDue), nomi), due);
    for (const auto& [descrizione, inglese] : tipi) {
        EXPECT_EQ(TestoTipoGiocatore(descrizione), inglese);
    }
}

// Under the C locale the window is Italian; started in English it shows English menus and
// bidding panel, and a whole game ends with the English message and score list.
TEST(Lingua, UnaPartitaInInglese) {
    ImpostaLingua(LinguaFinestra(0, QLocale::c()));
    {
        TavoloDiProva tavolo(0, 11);
        EXPECT_EQ(TitoliMenu(tavolo.Finestra()),
                  QStringList({QStringLiteral("&Partita"), QStringLiteral("&Mostra"),
                               QStringLiteral("&Info")}));
        EXPECT_EQ(tavolo.Finestra().AzioneNuovaPartita()->text(), QStringLiteral("&Nuova Partita"));
    }
    const ConLingua lingua(QLocale::English);
    TavoloDiProva tavolo(0, 11);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    EXPECT_EQ(TitoliMenu(finestra), QStringList({QStringLiteral("&Game"), QStringLiteral("&View"),
                                                 QStringLiteral("&Help")}));
    EXPECT_EQ(finestra.AzioneNuovaPartita()->text(), QStringLiteral("&New Game"));
    EXPECT_EQ(finestra.AzioneOpzioni()->text(), QStringLiteral("&Options"));
    EXPECT_TRUE(finestra.windowTitle().startsWith(QStringLiteral("Pentaludo - Version ")));
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_TRUE(finestra.Benvenuto()->text().startsWith(QStringLiteral("To begin, choose Game")));

    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    PanelLicitazione& panel = *finestra.Licitazione();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.EtichettaPasso(0)->text().trimmed(), QStringLiteral("PASS"));
    EXPECT_EQ(panel.EtichettaPiu()->toolTip(), QStringLiteral("More points"));
    EXPECT_EQ(panel.EtichettaPunti()->toolTip(), QStringLiteral("Call the two for 61"));
    SalvaSchermata(finestra, QStringLiteral("inglese"));
    auto& opzioni = *finestra.findChild<TfrmOpzioni*>();
    EXPECT_EQ(opzioni.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(opzioni.PageOpzioni->tabText(1), QStringLiteral("Names"));
    const auto* lingue = opzioni.findChild<QComboBox*>();
    ASSERT_NE(lingue, nullptr);
    EXPECT_EQ(lingue->itemText(0), QStringLiteral("automatic"));
    EXPECT_EQ(opzioni.Lingua(), 0);
    opzioni.show();
    SalvaSchermata(opzioni, QStringLiteral("inglese-opzioni"));
    opzioni.hide();

    const auto finita = [&] {
        for (const auto& box : tavolo.Dialoghi().mostrati) {
            if (box.titolo == QStringLiteral("Game Over")) {
                return true;
            }
        }
        return false;
    };
    GiocaFinche(tavolo, finita);
    ASSERT_TRUE(finita());
    const QRegularExpression fine(QStringLiteral("^You (won|lost), (\\d+) to (\\d+)$"));
    const auto trovato = fine.match(tavolo.Dialoghi().mostrati.back().testo);
    ASSERT_TRUE(trovato.hasMatch()) << tavolo.Dialoghi().mostrati.back().testo.toStdString();
    EXPECT_EQ(trovato.captured(2).toInt() + trovato.captured(3).toInt(), 120);
    const auto* lista = finestra.Punti().findChild<QTreeWidget*>(QStringLiteral("ListPunti"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->headerItem()->text(1), QStringLiteral("Caller"));
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    const QString chiamata = lista->topLevelItem(0)->text(3);
    EXPECT_FALSE(chiamata.contains(QStringLiteral(" di "))) << chiamata.toStdString();
    EXPECT_FALSE(chiamata.contains(QStringLiteral(" al "))) << chiamata.toStdString();
    EXPECT_FALSE(chiamata.isEmpty());
}

// Info opens the manual in the window's language when there is one in it.
TEST(Lingua, IlManualeNellaLinguaDellaFinestra) {
    const QString manuale = TrovaCartelleGioco(QStringLiteral(PENTALUDO_FINESTRE_BUILD)).manuale;
    ASSERT_TRUE(QFileInfo::exists(manuale));
    QTemporaryDir senzaInglese;
    const QString soloItaliano = senzaInglese.filePath(QStringLiteral("index.html"));
    EXPECT_EQ(ManualeNellaLingua(manuale), manuale);
    const ConLingua lingua(QLocale::English);
    const QString inglese = ManualeNellaLingua(manuale);
    EXPECT_EQ(QFileInfo(inglese).fileName(), QStringLiteral("index.en.html"));
    EXPECT_EQ(QFileInfo(inglese).dir(), QFileInfo(manuale).dir());
    ASSERT_TRUE(QFileInfo::exists(inglese));
    QFile file(inglese);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<html lang=\"en\">"));
    EXPECT_EQ(ManualeNellaLingua(soloItaliano), soloItaliano);
}
