// The end of a game, the score panel and saved series, through the real main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <numeric>

#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/PanelPunti.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "motori/Semaforo.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// A finished game: chiamante bids puntiChiamata on a Due whose holder satisfies socioAmmesso,
// and the caller's side takes exactly puntiLato card points (the tricks are given by hand).
RegistroPartita PartitaFinita(int chiamante, int puntiChiamata, int puntiLato,
                              const std::function<bool(int)>& socioAmmesso) {
    std::vector<int> carte(40);
    std::iota(carte.begin(), carte.end(), 0);
    std::stable_sort(carte.begin(), carte.end(),
                     [](int a, int b) { return arbitro::Punti(a) > arbitro::Punti(b); });
    std::vector<int> lato;
    std::vector<int> resto;
    int somma = 0;
    for (int c : carte) {
        if (arbitro::Punti(c) > 0 && somma + arbitro::Punti(c) <= puntiLato) {
            somma += arbitro::Punti(c);
            lato.push_back(c);
        } else {
            resto.push_back(c);
        }
    }
    EXPECT_EQ(somma, puntiLato) << "no such split";
    // Zero-point cards fill the side's last trick.
    while (lato.size() % 5 != 0) {
        const auto zero =
            std::find_if(resto.begin(), resto.end(), [](int c) { return arbitro::Punti(c) == 0; });
        lato.push_back(*zero);
        resto.erase(zero);
    }
    const std::size_t preseLato = lato.size() / 5;
    std::vector<int> sequenza = lato;
    sequenza.insert(sequenza.end(), resto.begin(), resto.end());
    std::vector<std::pair<Carta, int>> fisse;
    for (std::size_t i = 0; i < 40; ++i) {
        fisse.emplace_back(Carta::DaIndice(sequenza[i]), static_cast<int>(i % 5));
    }
    const std::array<int, 40> mazzo = DistribuzioneCon(fisse);
    int seme = 0;
    while (seme < 4 && !socioAmmesso(mazzo[static_cast<std::size_t>(Carta(kDue, seme).Indice())])) {
        ++seme;
    }
    EXPECT_LT(seme, 4) << "no Due for the partner";

    RegistroPartita r;
    r.DistribuisciMani(mazzo);
    r.chiamante = static_cast<std::int8_t>(chiamante);
    r.chiamata = Chiamata(puntiChiamata);
    r.briscola = Briscola(seme);
    int avversario = 0;
    while (avversario == chiamante || avversario == r.Socio()) {
        ++avversario;
    }
    for (std::size_t k = 0; k < 8; ++k) {
        for (std::size_t j = 0; j < 5; ++j) {
            r.RegistraGiocata(Carta::DaIndice(sequenza[5 * k + j]));
        }
        r.RaccogliPresa(k < preseLato ? chiamante : avversario);
    }
    return r;
}

bool Ovunque(int) {
    return true;
}
bool NonUmano(int s) {
    return s != kUmano;
}

// Everything the score panel shows, as text.
QStringList Istantanea(const PanelPunti& panel) {
    QStringList testi;
    for (int s = 0; s < 5; ++s) {
        testi << panel.lblPunti(s)->text();
    }
    for (int i = 0; i < panel.ListPunti()->topLevelItemCount(); ++i) {
        for (int c = 0; c < panel.ListPunti()->columnCount(); ++c) {
            testi << panel.ListPunti()->topLevelItem(i)->text(c);
        }
    }
    testi << panel.lblGiocDettaglio()->text() << panel.lblPuntiGioc()->text();
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            testi << panel.Cella(r, c)->text();
        }
    }
    return testi;
}

// The end-of-game text as the rules of the game give it, from the cards each seat took.
QString TestoAtteso(const RegistroPartita& r, int umano) {
    int lato = 0;
    for (int c = 0; c < 40; ++c) {
        if (r.Possessore(c) == r.chiamante || r.Possessore(c) == r.Socio()) {
            lato += arbitro::Punti(c);
        }
    }
    const bool conChiamante = umano == r.chiamante || umano == r.Socio();
    const bool vinto = (lato >= r.chiamata.Punti) == conChiamante;
    return QStringLiteral("%1 %2 a %3")
        .arg(vinto ? QStringLiteral("Hai vinto per") : QStringLiteral("Hai perso per"))
        .arg(lato)
        .arg(120 - lato);
}

} // namespace

TEST(Punti, FinePartitaDiceChiHaVintoConIPuntiDelChiamantePrima) {
    struct Caso {
        int chiamante;
        bool (*socio)(int);
        int puntiChiamata;
        int puntiLato;
        const char* atteso;
    };
    const Caso casi[] = {
        {0, NonUmano, 61, 60, "Hai vinto per 60 a 60"},
        {kUmano, Ovunque, 61, 61, "Hai vinto per 61 a 59"},
        {kUmano, Ovunque, 61, 60, "Hai perso per 60 a 60"},
        {1, NonUmano, 70, 50, "Hai vinto per 50 a 70"},
        {2, NonUmano, 61, 90, "Hai perso per 90 a 30"},
    };
    TavoloDiProva tavolo(0, 3);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    tavolo.Finestra().menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    for (const Caso& caso : casi) {
        const RegistroPartita r =
            PartitaFinita(caso.chiamante, caso.puntiChiamata, caso.puntiLato, caso.socio);
        ASSERT_TRUE(r.PartitaFinita());
        tavolo.Dialoghi().mostrati.clear();
        tavolo.Finestra().NotificaFinePartita(r, StoriaPartite());
        ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u) << caso.atteso;
        EXPECT_EQ(tavolo.Dialoghi().mostrati[0].testo, QString::fromUtf8(caso.atteso));
        EXPECT_EQ(tavolo.Dialoghi().mostrati[0].titolo, QStringLiteral("Fine Partita"));
        EXPECT_EQ(tavolo.Dialoghi().mostrati[0].icona, Dialoghi::Icona::Informazione);
        EXPECT_FALSE(tavolo.Finestra().ImageTurno()->isVisibleTo(&tavolo.Finestra()));
        for (int s = 0; s < 5; ++s) {
            EXPECT_TRUE(tavolo.Finestra().Pannello(s).ChiamataMostrata().Testo().empty());
        }
    }
}

TEST(Punti, TrentaPartiteElencateDallaTrentesimaAllaSestaConMedieOgniCinque) {
    TavoloDiProva tavolo(1, 7);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(AttendiCondizione([&] { return finestra.SemaforoGioco().InCorso(); }));
    finestra.SemaforoGioco().Ferma();
    ASSERT_TRUE(AttendiCondizione([&] { return finestra.Ciclo().Terminato(); }));
    StoriaPartite().Azzera();
    PanelPunti& panel = finestra.Punti();
    panel.AggiornaPunti();

    const int lati[] = {61, 40, 70, 120, 50, 80, 90, 60};
    std::vector<std::array<int, 5>> dopo;
    QStringList prima = Istantanea(panel).mid(0, 5);
    for (int g = 0; g < 30; ++g) {
        StoriaPartite().RegistraPartita(PartitaFinita(g % 5, 61 + g % 3 * 9, lati[g % 8], Ovunque));
        dopo.push_back(StoriaPartite().totale);
        panel.AggiornaPunti();
        const int n = g + 1;
        for (int s = 0; s < 5; ++s) {
            const QString atteso =
                n % 5 == 0
                    ? QString::number(static_cast<double>(StoriaPartite().Totale(s)) / n, 'f', 4)
                    : prima[s];
            EXPECT_EQ(panel.lblPunti(s)->text(), atteso) << "game " << n << " seat " << s;
        }
        prima = Istantanea(panel).mid(0, 5);
    }

    QTreeWidget* lista = panel.ListPunti();
    ASSERT_EQ(lista->topLevelItemCount(), 25);
    for (int i = 0; i < 25; ++i) {
        const int g = 29 - i;
        QTreeWidgetItem* riga = lista->topLevelItem(i);
        EXPECT_EQ(riga->text(0), QString::number(g + 1));
        EXPECT_EQ(riga->text(1), lista->headerItem()->text(4 + StoriaPartite().Chiamante(g)));
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(
                riga->text(4 + s),
                QString::number(dopo[static_cast<std::size_t>(g)][static_cast<std::size_t>(s)]))
                << "row " << i << " seat " << s;
        }
    }
    EXPECT_EQ(lista->topLevelItem(24)->text(0), QStringLiteral("6"));
    SalvaSchermata(finestra, QStringLiteral("punti-solo-computer"));
}

TEST(Punti, StatisticheContanoEPercentualiArrotondateInSu) {
    TavoloDiProva tavolo(0, 3);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    // The human calls three times and wins once; he is never partner nor opponent.
    for (int lato : {70, 50, 40}) {
        StoriaPartite().RegistraPartita(PartitaFinita(kUmano, 61, lato, NonUmano));
    }
    PanelPunti& panel = finestra.Punti();
    panel.AggiornaPunti();
    finestra.AzioneMostraPunti()->trigger();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_TRUE(finestra.AzioneMostraPunti()->isChecked());
    EXPECT_FALSE(finestra.AzioneMostraPartita()->isChecked());

    struct Cella {
        int esito;
        int ruolo;
        const char* conteggio;
        const char* percentuale;
    };
    const Cella celle[] = {
        {kVinte, kRuoloChiamante, "1", "33.4%"},  {kPerse, kRuoloChiamante, "2", "66.7%"},
        {kGiocate, kRuoloChiamante, "3", "100%"}, {kVinte, kRuoloSocio, "0", "0%"},
        {kGiocate, kRuoloSocio, "0", "0%"},       {kPerse, kRuoloAvversario, "0", "0%"},
        {kVinte, kRuoloTutti, "1", "33.4%"},      {kGiocate, kRuoloTutti, "3", "100%"},
    };
    EXPECT_EQ(panel.btnModoPunti()->text(), QStringLiteral("Situazione"));
    for (const Cella& c : celle) {
        EXPECT_EQ(panel.Cella(c.esito, c.ruolo)->text(), QString::fromUtf8(c.conteggio));
    }
    SalvaSchermata(finestra, QStringLiteral("punti-situazione"));
    QTest::mouseClick(panel.btnModoPunti(), Qt::LeftButton);
    EXPECT_EQ(panel.btnModoPunti()->text(), QStringLiteral("Percentuali"));
    for (const Cella& c : celle) {
        EXPECT_EQ(panel.Cella(c.esito, c.ruolo)->text(), QString::fromUtf8(c.percentuale));
    }
    SalvaSchermata(finestra, QStringLiteral("punti-percentuali"));
    EXPECT_EQ(PanelPunti::Percentuale(0.3), QStringLiteral("30%"));
    EXPECT_EQ(PanelPunti::Percentuale(0.5), QStringLiteral("50%"));

    // The arrows stop at the last seat and step to the previous one.
    const QString umano = panel.lblGiocDettaglio()->text();
    QTest::mouseClick(panel.FrecciaDestra(), Qt::LeftButton);
    EXPECT_EQ(panel.lblGiocDettaglio()->text(), umano);
    QTest::mouseClick(panel.FrecciaSinistra(), Qt::LeftButton);
    EXPECT_EQ(panel.lblGiocDettaglio()->text(), panel.ListPunti()->headerItem()->text(4 + 3));
    EXPECT_EQ(panel.lblPuntiGioc()->text(), QString::number(StoriaPartite().Totale(3)));

    finestra.AzioneMostraPartita()->trigger();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(finestra.AzioneMostraPartita()->isChecked());
}

TEST(Punti, SalvareGiocareECaricareRiportaLaSerieAlSalvataggio) {
    CartellaTemporanea cartella;
    const QString file = QString::fromStdString(cartella.File("serie.bri"));
    TavoloDiProva tavolo(0, 11);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    PanelPunti& panel = finestra.Punti();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    for (int g = 0; g < 26; ++g) {
        StoriaPartite().RegistraPartita(
            PartitaFinita((g * 3) % 5, 61, g % 2 == 0 ? 70 : 50, Ovunque));
    }
    panel.AggiornaPunti();
    const TipoStoriaPartite salvata = StoriaPartite();
    const QStringList mostrata = Istantanea(panel);

    tavolo.Dialoghi().file = {file};
    finestra.AzioneSalvaPartita()->trigger();
    ASSERT_TRUE(QFile::exists(file));

    // One more game, whose end message agrees with the cards taken.
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 27; });
    ASSERT_FALSE(tavolo.Dialoghi().mostrati.empty());
    EXPECT_EQ(tavolo.Dialoghi().mostrati.back().testo, TestoAtteso(Registro(), kUmano));
    EXPECT_NE(Istantanea(panel), mostrata);

    tavolo.Dialoghi().file = {file};
    finestra.AzioneCaricaPartita()->trigger();
    EXPECT_TRUE(StoriaPartite() == salvata);
    EXPECT_EQ(Istantanea(panel), mostrata);

    // Loaded in the middle of a game: the table stays, the game scores into the loaded series.
    GiocaFinche(tavolo, [&] {
        return finestra.SemaforoGioco().InCorso() && Registro().NumeroCarteGiocate() >= 7;
    });
    ASSERT_TRUE(tavolo.AttendiInattivo());
    const RegistroPartita inCorso = Registro();
    std::array<QString, 5> chiamate;
    for (int s = 0; s < 5; ++s) {
        chiamate[static_cast<std::size_t>(s)] =
            QString::fromStdString(finestra.Pannello(s).ChiamataMostrata().Testo());
    }
    std::vector<bool> visibili;
    for (int c = 0; c < 40; ++c) {
        visibili.push_back(finestra.Immagine(c)->isVisible());
    }
    tavolo.Dialoghi().file = {file};
    finestra.AzioneCaricaPartita()->trigger();
    EXPECT_TRUE(StoriaPartite() == salvata);
    EXPECT_EQ(Registro().NumeroCarteGiocate(), inCorso.NumeroCarteGiocate());
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(Registro().Possessore(c), inCorso.Possessore(c));
        EXPECT_EQ(finestra.Immagine(c)->isVisible(), visibili[static_cast<std::size_t>(c)]);
    }
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(QString::fromStdString(finestra.Pannello(s).ChiamataMostrata().Testo()),
                  chiamate[static_cast<std::size_t>(s)]);
    }
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite > 26; });
    ASSERT_EQ(StoriaPartite().numeroPartite, 27);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(StoriaPartite().Totale(s), salvata.Totale(s) + StoriaPartite().Punteggio(26, s));
    }
    EXPECT_EQ(StoriaPartite().Chiamante(26), Registro().chiamante);

    // Yes to "Nuova Partita" during a game clears the list with the series.
    GiocaFinche(tavolo, [&] { return finestra.SemaforoGioco().InCorso(); });
    EXPECT_EQ(panel.ListPunti()->topLevelItemCount(), 25);
    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    EXPECT_EQ(panel.ListPunti()->topLevelItemCount(), 0);
}

TEST(Punti, UnFileGuastoOUnaCartellaChiusaNonCambianoNulla) {
    CartellaTemporanea cartella;
    const QString buono = QString::fromStdString(cartella.File("buona.bri"));
    TavoloDiProva tavolo(0, 5);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    PanelPunti& panel = finestra.Punti();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    for (int g = 0; g < 4; ++g) {
        StoriaPartite().RegistraPartita(PartitaFinita(g, 61, 70, Ovunque));
    }
    ASSERT_TRUE(StoriaPartite().Salva(buono.toStdString()));
    const std::vector<std::uint8_t> byte = LeggiByte(buono.toStdString());
    StoriaPartite().RegistraPartita(PartitaFinita(4, 61, 50, Ovunque));
    panel.AggiornaPunti();
    const TipoStoriaPartite prima = StoriaPartite();
    const QStringList mostrata = Istantanea(panel);

    std::vector<std::uint8_t> tronco(byte.begin(), byte.end() - 1);
    std::vector<std::uint8_t> guasto = byte;
    guasto[268 + 40] = 9; // the first game's caller: no such seat
    struct Caso {
        const char* nome;
        std::vector<std::uint8_t> contenuto;
        bool scrivi;
        QString messaggio;
    };
    const Caso casi[] = {
        {"tronca.bri", tronco, true, QStringLiteral(" non è una partita salvata valida")},
        {"guasta.bri", guasto, true, QStringLiteral(" non è una partita salvata valida")},
        {"assente.bri", {}, false, QStringLiteral(": il file non esiste.")},
    };
    for (const Caso& caso : casi) {
        const QString nome = QString::fromStdString(cartella.File(caso.nome));
        if (caso.scrivi) {
            ScriviByte(nome.toStdString(), caso.contenuto);
        }
        tavolo.Dialoghi().mostrati.clear();
        tavolo.Dialoghi().file = {nome};
        finestra.AzioneCaricaPartita()->trigger();
        ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u) << caso.nome;
        EXPECT_TRUE(tavolo.Dialoghi().mostrati[0].testo.contains(nome));
        EXPECT_TRUE(tavolo.Dialoghi().mostrati[0].testo.contains(caso.messaggio))
            << tavolo.Dialoghi().mostrati[0].testo.toStdString();
        EXPECT_TRUE(StoriaPartite() == prima) << caso.nome;
        EXPECT_EQ(Istantanea(panel), mostrata) << caso.nome;
    }

    const QString irraggiungibile = QString::fromStdString(cartella.File("manca/serie.bri"));
    tavolo.Dialoghi().mostrati.clear();
    tavolo.Dialoghi().file = {irraggiungibile};
    finestra.AzioneSalvaPartita()->trigger();
    ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
    EXPECT_EQ(tavolo.Dialoghi().mostrati[0].testo,
              QStringLiteral("Impossibile salvare la partita in %1: la cartella non esiste.")
                  .arg(irraggiungibile));
    EXPECT_FALSE(QFile::exists(irraggiungibile));
    EXPECT_TRUE(StoriaPartite() == prima);
    EXPECT_EQ(Istantanea(panel), mostrata);
}
