// A table hosted from the window with a certificate: the room's link is https, a friend's
// client that trusts the certificate sits and is dealt a hand over wss, one that does not is
// refused with its reason, and a key that cannot be read stops the hosting with a message.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QSslCertificate>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "finestre/AiutiGiocoInRete.h"
#include "finestre/FinestraGiocaInRete.h"
#include "finestre/LobbyTavolo.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "rete/CertificatoDiProva.h"
#include "rete/ClienteTavolo.h"
#include "rete/IndirizzoTavolo.h"
#include "rete/ServerLocale.h"

namespace {

// "Ospita un tavolo" with these TLS files.
void Ospita(TavoloDiProva& tavolo, const QString& certificato, const QString& chiave) {
    tavolo.Dialoghi().azioni.push_back([&](QDialog& dialogo) {
        auto& rete = dynamic_cast<FinestraGiocaInRete&>(dialogo);
        rete.CampoTempoTurno()->setValue(0);
        rete.CampoCertificato()->setText(certificato);
        rete.CampoChiave()->setText(chiave);
        QTest::mouseClick(rete.PulsanteOspita(), Qt::LeftButton);
        return dialogo.result();
    });
    tavolo.Finestra().menuGiocaInReteClick();
}

struct Amico {
    ClienteTavolo cliente;
    int perse = 0;
    ClienteTavolo::Guasto guasto{};
    Amico() {
        QObject::connect(&cliente, &ClienteTavolo::Perso, &cliente,
                         [this](ClienteTavolo::Guasto g, const QString&) {
                             guasto = g;
                             ++perse;
                         });
    }
};

} // namespace

TEST(OspitaConTls, IlLinkEHttpsEChiSiFidaDelCertificatoSiedeEVedeLaMano) {
    // Made for a name that is not the loopback's: the host's own connection must still work.
    const CertificatoDiProva prova(QStringLiteral("tavolo.example"),
                                   QStringLiteral("DNS:tavolo.example"));
    if (!prova.assente.isEmpty()) {
        GTEST_SKIP() << prova.assente.toStdString();
    }
    ASSERT_TRUE(prova.errore.isEmpty()) << prova.errore.toStdString();
    const QString& certificato = prova.certificato;
    const QString& chiave = prova.chiave;

    DatiDelTest dati;
    {
        // A key file that holds no key: nothing starts, and the person is told why.
        TavoloDiProva tavolo(0, 5, QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\n"));
        ASSERT_TRUE(tavolo.AttendiInattivo());
        Ospita(tavolo, certificato, certificato);
        EXPECT_EQ(tavolo.Finestra().Remota(), nullptr);
        ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
        EXPECT_TRUE(tavolo.Dialoghi().mostrati[0].testo.contains(QStringLiteral("chiave")))
            << tavolo.Dialoghi().mostrati[0].testo.toStdString();
    }

    TavoloDiProva tavolo(0, 5, QStringLiteral("AttesaGiocata=0\r\nAttesaMano=0\r\nNome5=Anna\r\n"));
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmBriscolaMain& a = tavolo.Finestra();
    Ospita(tavolo, certificato, chiave);
    ASSERT_NE(a.Remota(), nullptr);
    ASSERT_NE(a.Remota()->Server(), nullptr);
    EXPECT_TRUE(a.Remota()->Server()->Sicuro());
    ASSERT_TRUE(AttendiCondizione([&] {
        return a.Lobby() != nullptr && !a.Remota()->Cliente().Indirizzo().codice.isEmpty() &&
               a.Lobby()->PulsanteSiedi(0)->isEnabled();
    }));
    const QString link = a.Lobby()->Collegamento();
    EXPECT_TRUE(link.startsWith(QStringLiteral("https://"))) << link.toStdString();
    // The files are remembered for the next table.
    QFile opzioni(tavolo.FileOpzioni());
    ASSERT_TRUE(opzioni.open(QIODevice::ReadOnly));
    const QByteArray righe = opzioni.readAll();
    EXPECT_TRUE(righe.contains(("CertificatoTls=" + certificato).toUtf8())) << righe.constData();
    EXPECT_TRUE(righe.contains(("ChiaveTls=" + chiave).toUtf8())) << righe.constData();

    QTest::mouseClick(a.Lobby()->PulsanteSiedi(0), Qt::LeftButton);
    ASSERT_TRUE(AttendiCondizione([&] { return a.Remota()->Cliente().Vista().posto == 0; }));

    // The link with this machine's loopback address, as a friend would type it.
    IndirizzoTavolo dove = LeggiIndirizzoTavolo(link, {}, 0);
    dove.host = QStringLiteral("127.0.0.1");
    ASSERT_TRUE(dove.tls);

    Amico estraneo;
    estraneo.cliente.Unisciti(dove);
    ASSERT_TRUE(AttendiCondizione([&] { return estraneo.perse > 0; }));
    EXPECT_EQ(estraneo.guasto, ClienteTavolo::Guasto::CertificatoNonFidato);

    Amico bruno;
    bruno.cliente.FidatiAnche(QSslCertificate::fromPath(certificato));
    bruno.cliente.Unisciti(dove);
    ASSERT_TRUE(AttendiCondizione([&] { return bruno.cliente.Vista().codice == dove.codice; }));
    bruno.cliente.Siedi(2, QStringLiteral("Bruno"));
    ASSERT_TRUE(AttendiCondizione([&] { return a.Remota()->Cliente().Vista().posti[2].persona; }));
    QTest::mouseClick(a.Lobby()->PulsanteComincia(), Qt::LeftButton);
    ASSERT_TRUE(AttendiCondizione([&] { return bruno.cliente.Vista().partita.mano.size() == 8; }));
    EXPECT_EQ(bruno.perse, 0);
    EXPECT_EQ(a.Remota()->Cliente().Vista().partita.mano.size(), 8u);
}
