#include <gtest/gtest.h>

#include "comune/Errore.h"
#include "rete/OpzioniServer.h"

TEST(OpzioniServer, LeggeOgniOpzioneERifiutaQuelleSbagliate) {
    const auto opzioni = LeggiOpzioniServer({"--porta",
                                             "9000",
                                             "--indirizzo=127.0.0.1",
                                             "--certificato",
                                             "c.pem",
                                             "--chiave",
                                             "k.pem",
                                             "--seme",
                                             "42",
                                             "--max-tavoli",
                                             "7",
                                             "--max-connessioni-indirizzo",
                                             "3",
                                             "--max-messaggi-secondo",
                                             "5",
                                             "--max-frame",
                                             "1024",
                                             "--proxy",
                                             "::1",
                                             "--prefisso-codici",
                                             "eu1",
                                             "--chiusura-minuti",
                                             "2",
                                             "--dati",
                                             "/tmp/x",
                                             "--pagina",
                                             "/srv/pagina",
                                             "--max-richieste-http",
                                             "100"});
    EXPECT_EQ(opzioni.porta, 9000);
    EXPECT_EQ(opzioni.indirizzo, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(opzioni.sala.seme, 42u);
    EXPECT_EQ(opzioni.sala.massimoTavoli, 7);
    EXPECT_EQ(opzioni.limiti.connessioniPerIndirizzo, 3);
    EXPECT_EQ(opzioni.limiti.messaggiAlSecondo, 5);
    EXPECT_EQ(opzioni.limiti.massimoFrame, 1024u);
    EXPECT_EQ(opzioni.limiti.proxy, QStringLiteral("::1"));
    EXPECT_EQ(opzioni.sala.prefissoCodici, QStringLiteral("eu1"));
    EXPECT_EQ(opzioni.sala.chiusuraSenzaPersoneMs, 2 * 60 * 1000);
    EXPECT_EQ(opzioni.pagina, QStringLiteral("/srv/pagina"));
    EXPECT_EQ(opzioni.limiti.richiesteHttpAlSecondo, 100);
    EXPECT_EQ(opzioni.limiti.rafficaHttp, 200);
    EXPECT_EQ(LeggiOpzioniServer({}).porta, OpzioniServer::kPortaPredefinita);
    EXPECT_TRUE(LeggiOpzioniServer({"--aiuto"}).aiuto);

    for (const QStringList& sbagliata : std::initializer_list<QStringList>{
             {"--porta", "-1"},
             {"--porta", "70000"},
             {"--porta"},
             {"--indirizzo", "esempio.it"},
             {"--certificato", "c.pem"},
             {"--max-frame", "10"},
             {"--max-messaggi-secondo", "0"},
             {"--max-richieste-http", "0"},
             {"--pagina"},
             {"--prefisso-codici", "a/b"},
             {"--proxy", "chiunque"},
             {"--seme", "-1"},
             {"--sconosciuta", "1"},
         }) {
        EXPECT_THROW(LeggiOpzioniServer(sbagliata), Errore) << sbagliata.join(' ').toStdString();
    }
}

TEST(OpzioniServer, AvvisaSoloPerGliIndirizziOltreLaReteLocale) {
    for (const char* locale : {"127.0.0.1", "::1", "10.1.2.3", "192.168.1.9", "172.31.0.1",
                               "fd00::1", "fe80::1", "::ffff:192.168.0.1"})
        EXPECT_TRUE(IndirizzoLocale(QHostAddress(QString::fromLatin1(locale)))) << locale;
    for (const char* pubblico : {"0.0.0.0", "::", "8.8.8.8", "172.32.0.1", "2001:db8::1"})
        EXPECT_FALSE(IndirizzoLocale(QHostAddress(QString::fromLatin1(pubblico)))) << pubblico;
}
