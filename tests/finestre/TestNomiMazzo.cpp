// Card names belong to the window's card set: two windows in one process, one with the
// Milanesi and one with the Napoletane, each show their own in the bidding panel, the card
// tooltips and the AI step window.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmStato.h"
#include "motori/Tavolo.h"
#include "partita/RegistroPartita.h"

namespace {

struct Atteso {
    QString cartella;
    QString donna;
    QString letteraDonna;
    QString cuori;
    QString donnaDiCuori;
};

// The Napoletane set's Carte.ini renames suits and court cards; the Milanesi keep the built-in
// names.
const Atteso kMilanesi{QStringLiteral("Milanesi"), QStringLiteral("Donna"), QStringLiteral("D"),
                       QStringLiteral("Cuori"), QStringLiteral("Donna di Cuori")};
const Atteso kNapoletane{QStringLiteral("Napoletane"), QStringLiteral("Cavallo"),
                         QStringLiteral("C"), QStringLiteral("Coppe"),
                         QStringLiteral("Cavallo di Coppe")};

NomiCarte Napoletane() {
    NomiCarte nomi;
    nomi.CaricaDaByte("C0=Asso\nC1=Due\nC2=Tre\nC3=Quattro\nC4=Cinque\nC5=Sei\nC6=Sette\n"
                      "C7=Fante\nC8=Cavallo\nC9=Re\nB0=A\nB1=2\nB2=3\nB3=4\nB4=5\nB5=6\nB6=7\n"
                      "B7=F\nB8=C\nB9=R\nS0=Coppe\nS1=Denari\nS2=Bastoni\nS3=Spade\n"
                      "SB0=C\nSB1=D\nSB2=B\nSB3=S\n");
    return nomi;
}

QString RigheOpzioni(const QString& cartella) {
    return QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nDirectoryCarte=") + cartella +
           QStringLiteral("\r\n");
}

} // namespace

TEST(NomiDelMazzo, DueFinestreMostranoOgnunaINomiDelProprioMazzo) {
    TavoloDiProva milanesi(0, 3, RigheOpzioni(kMilanesi.cartella));
    TavoloDiProva napoletane(0, 4, RigheOpzioni(kNapoletane.cartella));
    ASSERT_TRUE(AttendiCondizione([&] { return milanesi.Avviato() && napoletane.Avviato(); }));
    TfrmStato statoMilanesi(NomeDi, &milanesi.Finestra());
    TfrmStato statoNapoletane(NomeDi, &napoletane.Finestra());
    milanesi.Finestra().ImpostaFinestreInfo(nullptr, &statoMilanesi);
    napoletane.Finestra().ImpostaFinestreInfo(nullptr, &statoNapoletane);

    // One record, the same called card and hands, at both windows' tables, seen through their
    // step windows.
    RegistroPartita registro;
    registro.Distribuisci(TavoloDelTest().generatore);
    registro.chiamante = 1;
    registro.chiamata = Chiamata(kDonna);
    registro.briscola = Briscola(kCuori);
    for (TavoloDiProva* tavolo : {&milanesi, &napoletane}) {
        tavolo->Finestra().TavoloGioco().Stato().registro = registro;
    }
    const Carta donnaDiCuori(kDonna, kCuori);

    const struct {
        TavoloDiProva& tavolo;
        TfrmStato& stato;
        const Atteso& atteso;
        NomiCarte nomi;
    } casi[] = {{milanesi, statoMilanesi, kMilanesi, NomiCarte()},
                {napoletane, statoNapoletane, kNapoletane, Napoletane()}};
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.atteso.cartella.toStdString());
        TfrmBriscolaMain& finestra = caso.tavolo.Finestra();
        EXPECT_EQ(finestra.NomiMazzo(), caso.nomi);

        const PanelLicitazione& panel = *finestra.Licitazione();
        EXPECT_EQ(panel.EtichettaValore(kDonna)->text(), caso.atteso.letteraDonna);
        EXPECT_EQ(panel.EtichettaValore(kDonna)->toolTip(), caso.atteso.donna);
        EXPECT_EQ(panel.ImmagineSeme(kCuori)->toolTip(), caso.atteso.cuori);

        finestra.MostraCarta(donnaDiCuori, 70, 20);
        EXPECT_EQ(finestra.Immagine(donnaDiCuori.Indice())->toolTip(), caso.atteso.donnaDiCuori);

        // The tactical and expert players format their texts in the names the window gives.
        EXPECT_EQ(&caso.stato.Nomi(), &finestra.NomiMazzo());
        caso.stato.show();
        caso.stato.MostraRegistro(registro);
        EXPECT_EQ(Testo(caso.stato, "EditChiamata"), caso.atteso.donnaDiCuori);
        QString mano;
        for (int k = 0; k < 8; ++k) {
            mano += QString::fromStdString(registro.CartaInMano(0, k).NomeBreve(caso.nomi)) +
                    QLatin1Char(' ');
        }
        EXPECT_EQ(Testo(caso.stato, "Edit1"), mano);
    }
}
