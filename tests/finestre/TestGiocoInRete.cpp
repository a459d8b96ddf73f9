// Network tables from the window: two real main windows in one process, one hosting the table
// with the server code inside it, one joining by the link, play through real sockets on the
// loopback address, each clicking its own widgets and seeing its own seat at seat 4's place.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include "finestre/CicloGioco.h"
#include "finestre/FinestraGiocaInRete.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/LobbyTavolo.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Tavolo.h"
#include "partita/TipoStoriaPartite.h"

namespace {

const QString kOpzioniOspite = QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nNome5=Anna\r\n");

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

void Clic(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

bool Inattiva(const TfrmBriscolaMain& f) {
    return f.Immagine(0) != nullptr && !f.Ciclo().Attivo() && !f.Ciclo().InPasso();
}

const VistaTavolo& Vista(const TfrmBriscolaMain& f) {
    return f.Remota()->Cliente().Vista();
}

// Opens "Gioca in rete…" and acts on the dialog as a person would.
void GiocaInRete(DialoghiFinti& dialoghi, TfrmBriscolaMain& finestra,
                 const std::function<void(FinestraGiocaInRete&)>& azione) {
    dialoghi.azioni.push_back([azione](QDialog& dialogo) {
        auto& rete = dynamic_cast<FinestraGiocaInRete&>(dialogo);
        azione(rete);
        return dialogo.result();
    });
    finestra.menuGiocaInReteClick();
}

void Siedi(TfrmBriscolaMain& finestra, int posto) {
    ASSERT_TRUE(AttendiCondizione([&] {
        return finestra.Lobby() != nullptr && finestra.Lobby()->PulsanteSiedi(posto)->isEnabled();
    }));
    Clic(finestra.Lobby()->PulsanteSiedi(posto));
    ASSERT_TRUE(AttendiCondizione([&] { return Vista(finestra).posto == posto; }));
}

// The person's decision, when the window waits for one: clicks on the bidding panel (the
// weakest bid that beats nothing, or a pass), the first suit, the first card of the hand.
bool Decidi(TfrmBriscolaMain& finestra) {
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
bool GiocaFinche(std::initializer_list<TfrmBriscolaMain*> finestre,
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

struct TavoloInRete {
    TavoloDiProva ospitante{0, 11, kOpzioniOspite};
    SecondaFinestra ospite{QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nNome5=Bruno\r\n")};
    TfrmBriscolaMain& a = ospitante.Finestra();
    TfrmBriscolaMain& b = ospite.Finestra();

    TavoloInRete() {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(FileTavoloRicordato());
    }
    ~TavoloInRete() { QFile::remove(FileTavoloRicordato()); }

    // Anna hosts and sits at postoA, Bruno joins by the link and sits at postoB.
    void Siedono(int postoA, int postoB, bool schermate = false) {
        ASSERT_TRUE(ospitante.AttendiInattivo());
        ASSERT_TRUE(AttendiCondizione([&] { return Inattiva(b); }));
        GiocaInRete(ospitante.Dialoghi(), a, [schermate](FinestraGiocaInRete& d) {
            d.CampoTempoTurno()->setValue(0);
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

} // namespace

// Anna hosts at seat 1, Bruno joins at seat 3: both play a whole game with three computers
// by clicking, each at seat 4's place, and each window's score panel ends with the table's
// totals, turned to its own places.
TEST(GiocoInRete, DueFinestreGiocanoUnaPartitaIntieraOgnunaAlPostoQuattro) {
    TavoloInRete tavolo;
    tavolo.Siedono(1, 3, true);
    TfrmBriscolaMain& a = tavolo.a;
    TfrmBriscolaMain& b = tavolo.b;
    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] {
        return Vista(a).partita.numero == 0 && Vista(a).partita.tavola.size() == 3 &&
               Vista(b).partita.tavola.size() == 3;
    }));
    // Seen from seat 3: Bruno at the rightmost place, Anna (seat 1) three places to the left.
    EXPECT_EQ(b.Remota()->Locale(3), 4);
    EXPECT_EQ(b.Remota()->Locale(1), 2);
    EXPECT_TRUE(b.Pannello(4).EtichettaNome()->text().contains(QStringLiteral("Bruno")));
    EXPECT_TRUE(b.Pannello(2).EtichettaNome()->text().contains(QStringLiteral("Anna")));
    EXPECT_TRUE(a.Pannello(4).EtichettaNome()->text().contains(QStringLiteral("Anna")));
    // Seen from seat 1: Bruno (seat 3) at the second place.
    EXPECT_TRUE(a.Pannello(1).EtichettaNome()->text().contains(QStringLiteral("Bruno")));
    EXPECT_EQ(a.Pannello(0).EtichettaNome()->text(), QStringLiteral("Computer"));
    SalvaSchermata(b, QStringLiteral("rete-tavolo-dal-posto-3"));
    // Nothing that shows another seat's cards, nor the window's own series.
    EXPECT_FALSE(a.AzioneStatoIA()->isEnabled());
    EXPECT_FALSE(b.AzioneStatoIA()->isEnabled());
    EXPECT_FALSE(b.AzioneCaricaPartita()->isEnabled());

    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] {
        return a.TavoloGioco().Stato().storia.numeroPartite == 1 &&
               b.TavoloGioco().Stato().storia.numeroPartite == 1;
    }));
    for (TfrmBriscolaMain* f : {&a, &b}) {
        const VistaTavolo& vista = Vista(*f);
        const TipoStoriaPartite& storia = f->TavoloGioco().Stato().storia;
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(storia.Totale(f->Remota()->Locale(s)), vista.serie.totali[s]) << s;
        }
    }
    // The end of the game was told once in each window, and nothing went wrong.
    int fini = 0;
    for (const auto& box : tavolo.ospitante.Dialoghi().mostrati) {
        fini += box.titolo == QStringLiteral("Fine Partita") ? 1 : 0;
        EXPECT_NE(box.titolo, QStringLiteral("Briscola Chiamata")) << box.testo.toStdString();
    }
    EXPECT_EQ(fini, 2);
}
