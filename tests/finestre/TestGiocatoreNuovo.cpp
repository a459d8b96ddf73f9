// What a person meets on first playing the window: the options left only through OK, names
// and bids readable whole, Italian dialogs, loading without typing the extension, windows
// centred, lists that choose only what is chosen, and the table saying what comes next.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <string>

#include "carte/NomiCarte.h"
#include "finestre/CicloGioco.h"
#include "finestre/Lingua.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/PanelPunti.h"
#include "finestre/PannelloGiocatore.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TestoEliso.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "finestre/TfrmStato.h"
#include "motori/Semaforo.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

TfrmOpzioni& Opzioni(TfrmBriscolaMain& finestra) {
    return *finestra.findChild<TfrmOpzioni*>();
}

QString LeggiIni(const QString& file) {
    QFile ini(file);
    return ini.open(QIODevice::ReadOnly) ? QString::fromUtf8(ini.readAll()) : QString();
}

// Where the label draws its one line of text, in the label's coordinates.
QRect RiquadroTesto(const QLabel& etichetta) {
    const QFontMetrics metrica(etichetta.font());
    const int larghezza = metrica.horizontalAdvance(etichetta.text());
    return QStyle::alignedRect(Qt::LeftToRight, etichetta.alignment(),
                               QSize(larghezza, metrica.height()), etichetta.contentsRect());
}

} // namespace

// Esc and the window manager's close do what OK does: ".." chosen in the card list names no
// set, so the set confirmed before stays, on the table and in the options file.
TEST(GiocatoreNuovo, EscEChiusuraDelleOpzioniNonScavalcanoOK) {
    for (const bool esc : {true, false}) {
        SCOPED_TRACE(esc ? "Esc" : "chiusura");
        TavoloDiProva tavolo(0, 5);
        TfrmBriscolaMain& finestra = tavolo.Finestra();
        ASSERT_TRUE(tavolo.AttendiInattivo());
        TfrmOpzioni& opzioni = Opzioni(finestra);
        const QString prima = opzioni.DirectoryCarte();
        tavolo.Dialoghi().azioni.push_back([esc](QDialog& dialogo) {
            auto& o = static_cast<TfrmOpzioni&>(dialogo);
            dialogo.show();
            const auto voci = o.lstCarte->findItems(QStringLiteral(".."), Qt::MatchExactly);
            EXPECT_EQ(voci.size(), 1);
            QTest::mouseClick(o.lstCarte->viewport(), Qt::LeftButton, {},
                              o.lstCarte->visualItemRect(voci.constFirst()).center());
            EXPECT_EQ(o.txtDirectory->text(), QString());
            if (esc) {
                QTest::keyClick(&dialogo, Qt::Key_Escape);
            } else {
                dialogo.close();
            }
            EXPECT_FALSE(dialogo.isVisible());
            return dialogo.result();
        });
        finestra.AzioneOpzioni()->trigger();
        EXPECT_EQ(opzioni.DirectoryCarte(), prima);
        EXPECT_TRUE(
            LeggiIni(tavolo.FileOpzioni()).contains(QStringLiteral("DirectoryCarte=Milanesi\r\n")));
        for (const auto& box : tavolo.Dialoghi().mostrati) {
            EXPECT_NE(box.testo, QStringLiteral("Impossibile caricare le immagini delle carte"));
        }
    }
}

// The longest names and bid texts are readable whole or cut with the whole text in a tooltip;
// a bid keeps to one line above the caller's and partner's markers, and a name keeps clear of
// the turn star.
TEST(GiocatoreNuovo, NomiEChiamateSiLeggonoNelleLoroEtichette) {
    QWidget tavolo;
    tavolo.resize(500, 311);
    QLabel stella(&tavolo);
    stella.resize(13, 13);
    NomiCarte napoletane;
    ASSERT_TRUE(napoletane.Carica(PENTALUDO_FINESTRE_BUILD "/Carte/Napoletane/Carte.ini"));
    PannelloGiocatore milanesi(&tavolo, 0, 0, &stella, QImage(), QImage(),
                               NomiCarte::Predefiniti());
    PannelloGiocatore napoli(&tavolo, 0, 100, &stella, QImage(), QImage(), napoletane);
    const QWidget segno(&tavolo);
    const int altoSegni = 34;

    Chiamata dueAl70(70);
    dueAl70.Seme = kQuadri;
    Chiamata dueAl120(120);
    dueAl120.Seme = kQuadri;
    Chiamata cavallo(6);
    cavallo.Seme = 3;
    for (PannelloGiocatore* pannello : {&milanesi, &napoli}) {
        for (const Chiamata& chiamata : {dueAl70, dueAl120, cavallo, Chiamata(kAsso)}) {
            pannello->MostraChiamata(chiamata);
            const QLabel& etichetta = *pannello->EtichettaChiamata();
            const QString intero = QString::fromStdString(
                chiamata.Testo(pannello == &milanesi ? NomiCarte::Predefiniti() : napoletane));
            SCOPED_TRACE(intero.toStdString());
            EXPECT_FALSE(etichetta.wordWrap());
            const QRect testo = RiquadroTesto(etichetta);
            EXPECT_TRUE(etichetta.contentsRect().contains(testo));
            EXPECT_LE(etichetta.y() + testo.bottom(), altoSegni) << "under the markers";
            EXPECT_TRUE(etichetta.text() == intero || etichetta.toolTip() == intero);
        }
    }
    // "Due di Quadri al 70" is short enough to be shown whole.
    milanesi.MostraChiamata(dueAl70);
    EXPECT_EQ(milanesi.EtichettaChiamata()->text(), QStringLiteral("Due di Quadri al 70"));

    for (const QString& nome : {QStringLiteral("Giuseppe"), QStringLiteral("Antonio"),
                                QStringLiteral("Massimiliano Bartolomeo de' Medici")}) {
        SCOPED_TRACE(nome.toStdString());
        milanesi.ImpostaNome(nome);
        milanesi.MostraTurno();
        const QLabel& etichetta = *milanesi.EtichettaNome();
        const QRect testo = RiquadroTesto(etichetta).translated(etichetta.pos());
        EXPECT_TRUE(etichetta.geometry().contains(testo));
        EXPECT_GT(testo.left(), stella.geometry().right()) << "the star touches the name";
        EXPECT_TRUE(etichetta.text() == nome || etichetta.toolTip() == nome);
    }
}

// The score list and the step window give each name whole in a tooltip where it is cut.
TEST(GiocatoreNuovo, INomiLunghiHannoIlNomeInteroNeiSuggerimenti) {
    const QString lungo = QStringLiteral("Massimiliano Bartolomeo");
    TavoloDiProva tavolo(0, 8,
                         QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nNome1=") + lungo +
                             QStringLiteral("\r\n"));
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    TfrmStato stato([&](int s) { return Opzioni(finestra).NomeGiocatore(s); }, &finestra);
    stato.ImpostaFinestraGioco(&finestra);
    stato.show();
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 1; });
    finestra.menuPuntiPartitaClick(true);
    const auto* lista = finestra.Punti().findChild<QTreeWidget*>(QStringLiteral("ListPunti"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->headerItem()->toolTip(4), lungo);
    const QTreeWidgetItem* riga = lista->topLevelItem(0);
    ASSERT_NE(riga, nullptr);
    for (const int colonna : {1, 2}) {
        EXPECT_EQ(riga->toolTip(colonna), riga->text(colonna));
    }
    const auto* nome = stato.findChild<QLineEdit*>(QStringLiteral("EditNome1"));
    ASSERT_NE(nome, nullptr);
    EXPECT_EQ(nome->toolTip(), lungo);
    EXPECT_NE(nome->text(), lungo);
    EXPECT_LE(nome->fontMetrics().horizontalAdvance(nome->text()), LarghezzaTesto(*nome));
    // The next game starts with no caller and no partner of the last one.
    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_EQ(Testo(stato, "EditSocio"), QString());
    EXPECT_FALSE(finestra.Punti().isVisible());
}

// Qt's own buttons and file dialog speak Italian.
TEST(GiocatoreNuovo, IDialoghiDiQtSonoInItaliano) {
    ASSERT_TRUE(CaricaTraduzioniQt(QLocale(QLocale::Italian)));
    QMessageBox domanda(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(domanda.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
              QString::fromUtf8("Sì"));
    EXPECT_EQ(domanda.button(QMessageBox::No)->text().remove(QLatin1Char('&')),
              QStringLiteral("No"));
    QFileDialog file(nullptr, QStringLiteral("Carica Partita"));
    file.setOption(QFileDialog::DontUseNativeDialog);
    QStringList scritte;
    for (const QLabel* etichetta : file.findChildren<QLabel*>()) {
        scritte << etichetta->text();
    }
    for (const QAbstractButton* pulsante : file.findChildren<QAbstractButton*>()) {
        scritte << pulsante->text();
    }
    const QString tutte = scritte.join(QLatin1Char('|'));
    EXPECT_TRUE(tutte.contains(QStringLiteral("Annulla"))) << tutte.toStdString();
    EXPECT_FALSE(tutte.contains(QStringLiteral("Look in"))) << tutte.toStdString();
    EXPECT_FALSE(tutte.contains(QStringLiteral("Cancel"))) << tutte.toStdString();
}

// "serie" typed in Carica Partita loads serie.bri.
TEST(GiocatoreNuovo, CaricareSenzaEstensioneTrovaIlFileBri) {
    CartellaTemporanea cartella;
    TavoloDiProva tavolo(0, 3);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 1; });
    const TipoStoriaPartite giocata = StoriaPartite();
    tavolo.Dialoghi().file = {QString::fromStdString(cartella.File("serie"))};
    finestra.AzioneSalvaPartita()->trigger();
    ASSERT_TRUE(QFile::exists(QString::fromStdString(cartella.File("serie.bri"))));
    finestra.SemaforoGioco().AzzeraStoria();
    ASSERT_FALSE(StoriaPartite() == giocata);
    const std::size_t messaggi = tavolo.Dialoghi().mostrati.size();
    tavolo.Dialoghi().file = {QString::fromStdString(cartella.File("serie"))};
    finestra.AzioneCaricaPartita()->trigger();
    EXPECT_TRUE(StoriaPartite() == giocata);
    EXPECT_EQ(tavolo.Dialoghi().mostrati.size(), messaggi);
}

// The main window and the options dialog open in the middle of the screen.
TEST(GiocatoreNuovo, FinestraEOpzioniCentrateSulloSchermo) {
    TavoloDiProva tavolo(0, 4);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    const QPoint centro = finestra.screen()->availableGeometry().center();
    const auto vicini = [](const QPoint& a, const QPoint& b) {
        return (a - b).manhattanLength() <= 2;
    };
    EXPECT_TRUE(vicini(finestra.frameGeometry().center(), centro))
        << finestra.frameGeometry().center().x() << "," << finestra.frameGeometry().center().y();
    TfrmOpzioni& opzioni = Opzioni(finestra);
    opzioni.show();
    EXPECT_TRUE(vicini(opzioni.frameGeometry().center(), centro))
        << opzioni.frameGeometry().center().x() << "," << opzioni.frameGeometry().center().y();
    opzioni.hide();
}

// Keyboard focus alone chooses no entry of the lists; the arrow keys then choose.
TEST(GiocatoreNuovo, IlFuocoDaTastieraNonSceglieNelleListe) {
    TavoloDiProva tavolo(0, 4,
                         QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\n"
                                        "DirectoryCarte=Napoletane\r\n"));
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmOpzioni& opzioni = Opzioni(finestra);
    opzioni.show();
    for (QListWidget* lista : {opzioni.lstCarte, opzioni.lstSfondi}) {
        opzioni.PageOpzioni->setCurrentWidget(lista == opzioni.lstCarte ? opzioni.tabCarte
                                                                        : opzioni.tabColori);
        const QString carte = opzioni.txtDirectory->text();
        const QString sfondo = opzioni.txtBitmap->text();
        lista->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        EXPECT_EQ(opzioni.txtDirectory->text(), carte);
        EXPECT_EQ(opzioni.txtBitmap->text(), sfondo);
    }
    EXPECT_EQ(opzioni.txtDirectory->text(), QStringLiteral("Napoletane"));
    opzioni.lstCarte->setFocus(Qt::TabFocusReason);
    QTest::keyClick(opzioni.lstCarte, Qt::Key_End);
    EXPECT_EQ(opzioni.txtDirectory->text(), QStringLiteral("Napoletane"));
    QTest::keyClick(opzioni.lstCarte, Qt::Key_Up);
    EXPECT_EQ(opzioni.txtDirectory->text(), QStringLiteral("Milanesi"));
    opzioni.hide();
}

// The options' small controls say what they are; after passing the panel shows itself out of
// play; after a game the table says how to go on; Ctrl+N shows the table.
TEST(GiocatoreNuovo, PiccoleCoseDelTavoloEDelleOpzioni) {
    // A pause after each bid, to see the panel between the person's pass and the next bid.
    TavoloDiProva tavolo(0, 9, QStringLiteral("AttesaGiocata=100\r\nAttesaMano=0\r\n"));
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmOpzioni& opzioni = Opzioni(finestra);
    for (const QPushButton* nome :
         {opzioni.cmdN1, opzioni.cmdN2, opzioni.cmdN3, opzioni.cmdN4, opzioni.cmdN5}) {
        EXPECT_FALSE(nome->text().isEmpty());
        EXPECT_FALSE(nome->toolTip().isEmpty());
    }
    for (const QSpinBox* attesa : {opzioni.UpDownAttesa1, opzioni.UpDownAttesa2}) {
        EXPECT_EQ(attesa->suffix(), QStringLiteral(" ms"));
    }

    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    PanelLicitazione& panel = *finestra.Licitazione();
    ASSERT_EQ(NumeroStato(finestra), 1);
    EXPECT_TRUE(panel.Attivo());
    QTest::keyClick(&finestra, Qt::Key_P);
    ASSERT_TRUE(AttendiCondizione(
        [&] { return finestra.Pannello(kUmano).ChiamataMostrata() == ChiamataPasso; }));
    ASSERT_TRUE(panel.isVisible());
    EXPECT_FALSE(panel.Attivo());
    EXPECT_NE(panel.graphicsEffect(), nullptr);
    const int punti = panel.Punti();
    QTest::mouseClick(panel.EtichettaPiu(), Qt::LeftButton, {}, QPoint(9, 18));
    QTest::keyClick(&finestra, Qt::Key_Plus);
    EXPECT_EQ(panel.Punti(), punti);
    // To the game's end, and no further.
    for (;;) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        if (StoriaPartite().numeroPartite == 1) {
            break;
        }
        DecidiComeUmano(finestra);
    }
    EXPECT_TRUE(finestra.Benvenuto()->isVisible());
    EXPECT_TRUE(finestra.Benvenuto()->text().contains(QStringLiteral("Nuova Partita")));
    SalvaSchermata(finestra, QStringLiteral("fine-partita"));

    finestra.menuPuntiPartitaClick(true);
    ASSERT_TRUE(finestra.Punti().isVisible());
    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_FALSE(finestra.Punti().isVisible());
    EXPECT_TRUE(finestra.AzioneMostraPartita()->isChecked());
    EXPECT_FALSE(finestra.Benvenuto()->isVisible());
    EXPECT_TRUE(panel.Attivo());
}
