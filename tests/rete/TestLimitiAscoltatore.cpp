#include <gtest/gtest.h>

#include <QTcpSocket>
#include <functional>
#include <optional>

#include "AiutiAscoltatore.h"

namespace {

// A client frame, masked as the standard wants (or not, to break it).
QByteArray Frame(quint8 tipo, const QByteArray& dati, bool maschera = true) {
    QByteArray frame(1, static_cast<char>(0x80 | tipo));
    const quint8 bitMaschera = maschera ? 0x80 : 0;
    const auto lunghezza = dati.size();
    if (lunghezza < 126) {
        frame += static_cast<char>(bitMaschera | lunghezza);
    } else {
        frame += static_cast<char>(bitMaschera | 126);
        frame += static_cast<char>((lunghezza >> 8) & 0xff);
        frame += static_cast<char>(lunghezza & 0xff);
    }
    if (!maschera)
        return frame + dati;
    const char chiave[4] = {0x11, 0x22, 0x33, 0x44};
    frame.append(chiave, 4);
    for (qsizetype i = 0; i < lunghezza; ++i)
        frame += static_cast<char>(dati[i] ^ chiave[i % 4]);
    return frame;
}

QByteArray Testo(const QByteArray& testo) {
    return Frame(0x1, testo);
}

struct Chiusura {
    int codice;
    QByteArray motivo;
};

// The server's close frame among the frames it sent, once one has arrived.
std::optional<Chiusura> CodiceDiChiusura(const QByteArray& flusso) {
    qsizetype i = 0;
    while (i + 2 <= flusso.size()) {
        const int tipo = static_cast<quint8>(flusso[i]) & 0x0f;
        qsizetype lunghezza = static_cast<quint8>(flusso[i + 1]) & 0x7f;
        qsizetype inizio = i + 2;
        if (lunghezza == 126) {
            if (inizio + 2 > flusso.size())
                return std::nullopt;
            lunghezza =
                (static_cast<quint8>(flusso[i + 2]) << 8) | static_cast<quint8>(flusso[i + 3]);
            inizio += 2;
        }
        if (inizio + lunghezza > flusso.size())
            return std::nullopt;
        if (tipo == 0x8 && lunghezza >= 2)
            return Chiusura{(static_cast<quint8>(flusso[inizio]) << 8) |
                                static_cast<quint8>(flusso[inizio + 1]),
                            flusso.mid(inizio + 2, lunghezza - 2)};
        i = inizio + lunghezza;
    }
    return std::nullopt;
}

} // namespace

TEST(Ascoltatore, OgniLimiteChiudeLaConnessioneConIlSuoCodiceEIlServizioNeSaLaFine) {
    const struct {
        const char* caso;
        QByteArray frame;
        int chiusura;       // the close code; 0: the connection stays open
        const char* motivo; // the close reason when the listener chose it
        std::size_t ricevutiMassimi;
    } casi[] = {
        {"nei limiti",
         [] {
             QByteArray dieci;
             for (int i = 0; i < 10; ++i)
                 dieci += Testo("messaggio " + QByteArray::number(i));
             return dieci;
         }(),
         0, nullptr, 10},
        {"frame troppo grande", Testo(QByteArray(5000, 'x')), 1009, nullptr, 0},
        {"messaggio troppo grande in due frame",
         QByteArray(1, '\x01') + Frame(0x1, QByteArray(3000, 'x')).mid(1) +
             Frame(0x0, QByteArray(3000, 'y')),
         1009, nullptr, 0},
        {"troppi messaggi al secondo",
         [] {
             QByteArray cento;
             for (int i = 0; i < 100; ++i)
                 cento += Testo("m");
             return cento;
         }(),
         1008, "Troppi messaggi al secondo.", 40},
        {"messaggio binario", Frame(0x2, "\x01\x02"), 1003, "Solo messaggi di testo.", 0},
        {"testo non UTF-8", Testo("ca\xC3\x28"), 1007, nullptr, 0},
        {"bit riservati", Frame(0x41, "ciao"), 1002, nullptr, 0},
        {"controllo frammentato", Frame(0x9, "ping").replace(0, 1, "\x09"), 1002, nullptr, 0},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        Banco banco;
        banco.Ascolta();
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, banco.ascoltatore.Porta());
        ASSERT_TRUE(client.waitForConnected(kAttesaMs));
        client.write(RichiestaWebSocket("/ws/LIMITI"));
        QByteArray ricevuto;
        ASSERT_TRUE(Attendi([&] {
            ricevuto += client.readAll();
            return ricevuto.contains("\r\n\r\n");
        }));
        ASSERT_TRUE(ricevuto.startsWith("HTTP/1.1 101")) << ricevuto.constData();
        ricevuto.remove(0, ricevuto.indexOf("\r\n\r\n") + 4);
        ASSERT_TRUE(Attendi([&] { return banco.servizio.aperture.size() == 1; }));

        client.write(caso.frame);
        if (caso.chiusura) {
            std::optional<Chiusura> codice;
            ASSERT_TRUE(Attendi([&] {
                ricevuto += client.readAll();
                codice = CodiceDiChiusura(ricevuto);
                return codice.has_value() || client.state() == QAbstractSocket::UnconnectedState;
            }));
            ASSERT_TRUE(codice.has_value());
            EXPECT_EQ(codice->codice, caso.chiusura);
            if (caso.motivo) {
                EXPECT_EQ(codice->motivo, QByteArray(caso.motivo));
            }
            client.disconnectFromHost();
            ASSERT_TRUE(Attendi([&] { return banco.servizio.chiusure.size() == 1; }));
            EXPECT_EQ(banco.servizio.chiusure[0], banco.servizio.aperture[0].id);
        } else {
            ASSERT_TRUE(Attendi([&] { return banco.servizio.ricevuti.size() == 10; }));
            QTest::qWait(100);
            ricevuto += client.readAll();
            EXPECT_FALSE(CodiceDiChiusura(ricevuto).has_value());
            EXPECT_TRUE(banco.servizio.chiusure.empty());
        }
        EXPECT_LE(banco.servizio.ricevuti.size(), caso.ricevutiMassimi);
        client.abort();
        EXPECT_TRUE(Attendi([&] { return banco.ascoltatore.Connessioni() == 0; }));
        EXPECT_EQ(banco.servizio.chiusure.size(), 1u);
    }
}
