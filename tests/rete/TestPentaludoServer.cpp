#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "AiutiAscoltatore.h"

namespace {

// Starts the server and waits for the line that says where it listens.
quint16 Avvia(QProcess& server, const QStringList& argomenti) {
    server.start(QStringLiteral(PENTALUDO_SERVER), argomenti);
    static const QRegularExpression kAscolto(
        QStringLiteral("In ascolto su ws://127.0.0.1:(\\d+)/ws\n"));
    QString uscita;
    quint16 porta = 0;
    Attendi([&] {
        uscita += QString::fromLocal8Bit(server.readAllStandardOutput());
        if (const auto trovato = kAscolto.match(uscita); trovato.hasMatch())
            porta = static_cast<quint16>(trovato.captured(1).toUInt());
        return porta != 0 || server.state() == QProcess::NotRunning;
    });
    return porta;
}

} // namespace

TEST(PentaludoServer, DiceDoveAscoltaRifiutaUnaPortaOccupataEAlSegnaleSiFermaPulito) {
    QTemporaryDir dati;
    ASSERT_TRUE(dati.isValid());
    QProcess server;
    const quint16 porta =
        Avvia(server, {"--indirizzo", "127.0.0.1", "--porta", "0", "--dati", dati.path()});
    ASSERT_NE(porta, 0) << server.readAllStandardError().constData();
    // The loopback needs no TLS warning.
    EXPECT_FALSE(server.readAllStandardError().contains("Attenzione"));
    QWebSocket client;
    ASSERT_TRUE(Collega(client, QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(porta))));

    for (const QStringList& sbagliati : std::initializer_list<QStringList>{
             {"--indirizzo", "127.0.0.1", "--porta", QString::number(porta), "--dati", dati.path()},
             {"--porta", "tre"},
             {"--indirizzo", "127.0.0.1", "--porta", "0", "--pagina", dati.filePath("manca"),
              "--dati", dati.path()},
             {"--certificato", dati.filePath("manca.pem"), "--chiave", dati.filePath("manca.pem"),
              "--dati", dati.path()},
         }) {
        QProcess secondo;
        secondo.start(QStringLiteral(PENTALUDO_SERVER), sbagliati);
        ASSERT_TRUE(secondo.waitForFinished(kAttesaMs));
        EXPECT_EQ(secondo.exitCode(), 2) << sbagliati.join(' ').toStdString();
        EXPECT_FALSE(secondo.readAllStandardError().isEmpty());
    }

    server.terminate();
    ASSERT_TRUE(Attendi([&] { return server.state() == QProcess::NotRunning; }));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
    EXPECT_TRUE(server.readAllStandardOutput().contains("Arresto"));
    EXPECT_TRUE(Attendi([&] { return client.state() == QAbstractSocket::UnconnectedState; }));
}
