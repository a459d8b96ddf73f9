#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "AiutiAscoltatore.h"
#include "CertificatoDiProva.h"
#include "comune/Errore.h"

TEST(Ascoltatore, ParlaTlsConUnCertificatoEConsegnaIlCodiceComeInChiaro) {
    const CertificatoDiProva prova(QStringLiteral("localhost"),
                                   QStringLiteral("DNS:localhost,IP:127.0.0.1"));
    if (!prova.assente.isEmpty())
        GTEST_SKIP() << prova.assente.toStdString();
    ASSERT_TRUE(prova.errore.isEmpty()) << prova.errore.toStdString();
    const QString& certificato = prova.certificato;
    const QString& chiave = prova.chiave;

    Banco banco;
    EXPECT_THROW(banco.ascoltatore.UsaTls(chiave, chiave), Errore);
    EXPECT_THROW(banco.ascoltatore.UsaTls(certificato, prova.cartella.filePath("manca.pem")),
                 Errore);
    banco.ascoltatore.UsaTls(certificato, chiave);
    banco.Ascolta();
    ASSERT_TRUE(banco.ascoltatore.Sicuro());

    // A client that trusts only the test certificate, and checks the server's name.
    QFile file(certificato);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QSslConfiguration configurazione = QSslConfiguration::defaultConfiguration();
    configurazione.setCaCertificates(QSslCertificate::fromDevice(&file));
    configurazione.setPeerVerifyMode(QSslSocket::VerifyPeer);
    QWebSocket client;
    client.setSslConfiguration(configurazione);
    const QUrl url(QStringLiteral("wss://127.0.0.1:%1/ws/TLS-1").arg(banco.ascoltatore.Porta()));
    ASSERT_TRUE(Collega(client, url));
    ASSERT_TRUE(Attendi([&] { return banco.servizio.aperture.size() == 1; }));
    EXPECT_EQ(banco.servizio.aperture[0].codice, QStringLiteral("TLS-1"));
    QString risposta;
    QObject::connect(&client, &QWebSocket::textMessageReceived,
                     [&](const QString& testo) { risposta = testo; });
    client.sendTextMessage(QStringLiteral("segreto"));
    ASSERT_TRUE(Attendi([&] { return !risposta.isEmpty(); }));
    EXPECT_EQ(risposta, QStringLiteral("eco:segreto"));

    // Plain WebSocket on the TLS port gets nowhere.
    QWebSocket inChiaro;
    EXPECT_FALSE(Collega(inChiaro, banco.Url(QStringLiteral("/ws"))));
    EXPECT_EQ(banco.servizio.aperture.size(), 1u);
}
