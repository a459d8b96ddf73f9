#pragma once

// What the tests of network tables from the window share: a second window, clicks as a
// person's, the seat's decisions, a table hosted by one window and joined by another.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QWebSocket>
#include <QWebSocketServer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "finestre/CicloGioco.h"
#include "finestre/FinestraGiocaInRete.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/LobbyTavolo.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/PanelPunti.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Tavolo.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/ServerLocale.h"

inline const QString kOpzioniOspite =
    QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nNome5=Anna\r\n");

// A second main window beside the fixture's, with its own options file (the person's name
// among them) and the card sets of the build.
class SecondaFinestra {
public:
    explicit SecondaFinestra(const QString& righe) {
        fileOpzioni = QString::fromStdString(cartella.File("BriscolaChiamata.ini"));
        QFile file(fileOpzioni);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(righe.toUtf8());
        }
        file.close();
        finestra = std::make_unique<TfrmBriscolaMain>(77, 0);
        const QString build = QStringLiteral(PENTALUDO_FINESTRE_BUILD);
        finestra->ImpostaFinestraOpzioni(
            new TfrmOpzioni(fileOpzioni, build + "/Carte", build + "/Sfondi", finestra.get()));
        finestra->show();
    }
    TfrmBriscolaMain& Finestra() const { return *finestra; }

private:
    CartellaTemporanea cartella;
    QString fileOpzioni;
    std::unique_ptr<TfrmBriscolaMain> finestra;
};

inline void Clic(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

inline bool Inattiva(const TfrmBriscolaMain& f) {
    return f.Immagine(0) != nullptr && !f.Ciclo().Attivo() && !f.Ciclo().InPasso();
}

// What a tooltip shows: Qt renders one that looks like markup as rich text.
inline QString Mostrato(const QString& tooltip) {
    if (!Qt::mightBeRichText(tooltip)) {
        return tooltip;
    }
    QTextDocument documento;
    documento.setHtml(tooltip);
    return documento.toPlainText();
}

// A label's whole text, also when it shows it cut short (the whole text is its tooltip then).
inline QString Intero(const QLabel* etichetta) {
    return etichetta->toolTip().isEmpty() ? etichetta->text() : Mostrato(etichetta->toolTip());
}

// The seat's view. A window that left its table unasked (a dropped connection) ends the test
// with what it told the person, rather than with a null table's crash.
inline const VistaTavolo& Vista(const TfrmBriscolaMain& f) {
    if (f.Remota() == nullptr) {
        std::fputs("La finestra non e' piu' al tavolo.\n", stderr);
        if (auto* finti = dynamic_cast<DialoghiFinti*>(&DialoghiCorrenti())) {
            for (const DialoghiFinti::Box& box : finti->mostrati) {
                std::fprintf(stderr, "  %s\n", qPrintable(box.testo));
            }
        }
        std::abort();
    }
    return f.Remota()->Cliente().Vista();
}

// Opens "Gioca in rete…" and acts on the dialog as a person would.
inline void GiocaInRete(DialoghiFinti& dialoghi, TfrmBriscolaMain& finestra,
                        const std::function<void(FinestraGiocaInRete&)>& azione) {
    dialoghi.azioni.push_back([azione](QDialog& dialogo) {
        auto& rete = dynamic_cast<FinestraGiocaInRete&>(dialogo);
        azione(rete);
        return dialogo.result();
    });
    finestra.menuGiocaInReteClick();
}

inline void Siedi(TfrmBriscolaMain& finestra, int posto) {
    ASSERT_TRUE(AttendiCondizione([&] {
        return finestra.Lobby() != nullptr && finestra.Lobby()->PulsanteSiedi(posto)->isEnabled();
    }));
    Clic(finestra.Lobby()->PulsanteSiedi(posto));
    ASSERT_TRUE(AttendiCondizione([&] { return Vista(finestra).posto == posto; }));
}

// The person's decision, when the window waits for one: clicks on the bidding panel (the
// weakest bid that beats nothing, or a pass), the first suit, the first card of the hand.
inline bool Decidi(TfrmBriscolaMain& finestra) {
    if (!Inattiva(finestra) || finestra.Remota() == nullptr ||
        finestra.Remota()->Dovuto().isEmpty()) {
        return false;
    }
    const QString dovuto = finestra.Remota()->Dovuto();
    PanelLicitazione& panel = *finestra.Licitazione();
    if (dovuto == "chiamata") {
        QWidget* scelto = panel.EtichettaPasso(0);
        if (Vista(finestra).partita.chiamata.Valore == kNessunaChiamata) {
            for (int v = 0; v < 10; ++v) {
                if (panel.EtichettaValore(v)->isVisible()) {
                    scelto = panel.EtichettaValore(v);
                }
            }
        }
        Clic(scelto);
    } else if (dovuto == "briscola") {
        Clic(panel.ImmagineSeme(0));
    } else {
        const std::vector<Carta>& mano = Vista(finestra).partita.mano;
        if (mano.empty()) {
            return false;
        }
        Clic(finestra.Immagine(mano.front().Indice()));
    }
    return true;
}

// Both windows answer their turns until fine holds.
inline bool GiocaFinche(std::initializer_list<TfrmBriscolaMain*> finestre,
                        const std::function<bool()>& fine, int millisecondi = 60000) {
    return AttendiCondizione(
        [&] {
            for (TfrmBriscolaMain* f : finestre) {
                Decidi(*f);
            }
            return fine();
        },
        millisecondi);
}

// The platform's data folder of the test's own (where a window remembers its table and a
// hosting one saves it), so that nothing is left behind and no two tests share one.
class DatiDelTest {
public:
    DatiDelTest() : prima(qgetenv("XDG_DATA_HOME")) {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(cartella.File("dati")));
    }
    ~DatiDelTest() { qputenv("XDG_DATA_HOME", prima); }
    DatiDelTest(const DatiDelTest&) = delete;
    DatiDelTest& operator=(const DatiDelTest&) = delete;

private:
    CartellaTemporanea cartella;
    QByteArray prima;
};

struct TavoloInRete {
    DatiDelTest dati;
    TavoloDiProva ospitante{0, 11, kOpzioniOspite};
    // Bruno's name looks like markup: it must show as the text he typed.
    SecondaFinestra ospite{
        QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nNome5=<i>Bruno</i>\r\n")};
    TfrmBriscolaMain& a = ospitante.Finestra();
    TfrmBriscolaMain& b = ospite.Finestra();

    // Anna hosts and sits at postoA, Bruno joins by the link and sits at postoB.
    void Siedono(int postoA, int postoB, bool schermate = false, bool alBuio = false) {
        ASSERT_TRUE(ospitante.AttendiInattivo());
        ASSERT_TRUE(AttendiCondizione([&] { return Inattiva(b); }));
        GiocaInRete(ospitante.Dialoghi(), a, [schermate, alBuio](FinestraGiocaInRete& d) {
            d.CampoTempoTurno()->setValue(0);
            d.CampoManoAlBuio()->setChecked(alBuio);
            if (schermate) {
                SalvaSchermata(d, QStringLiteral("rete-dialogo"));
            }
            Clic(d.PulsanteOspita());
        });
        ASSERT_NE(a.Remota(), nullptr);
        ASSERT_TRUE(
            AttendiCondizione([&] { return !a.Remota()->Cliente().Indirizzo().codice.isEmpty(); }));
        Siedi(a, postoA);
        const IndirizzoTavolo dove = a.Remota()->Cliente().Indirizzo();
        const QString link =
            IndirizzoTavolo{QStringLiteral("127.0.0.1"), dove.porta, false, dove.codice}.Link();
        GiocaInRete(ospitante.Dialoghi(), b, [link](FinestraGiocaInRete& d) {
            d.CampoServer()->setText(link);
            Clic(d.PulsanteUnisciti());
        });
        ASSERT_NE(b.Remota(), nullptr);
        Siedi(b, postoB);
        ASSERT_TRUE(AttendiCondizione([&] { return Vista(a).posti[postoB].persona; }));
        if (schermate) {
            a.Lobby()->Aggiorna();
            SalvaSchermata(*a.Lobby(), QStringLiteral("rete-lobby"));
        }
        Clic(a.Lobby()->PulsanteComincia());
    }
};
