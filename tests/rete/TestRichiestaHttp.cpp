#include <gtest/gtest.h>

#include "rete/RichiestaHttp.h"

TEST(RichiestaHttp, LeggeRigaEIntestazioniEDiceSeChiedeUnWebSocket) {
    const std::string testo = "GET /ws/AB?x=1 HTTP/1.1\r\n"
                              "Host: esempio\r\n"
                              "connection: keep-alive, Upgrade\r\n"
                              "UPGRADE:  WebSocket \r\n"
                              "X-Forwarded-For: 203.0.113.1, 10.0.0.2\r\n"
                              "x-forwarded-for: 198.51.100.7 \r\n"
                              "\r\n"
                              "dati del WebSocket";
    const auto lettura = LeggiRichiestaHttp(testo, 8192);
    ASSERT_EQ(lettura.esito, EsitoRichiesta::Completa);
    const auto& richiesta = lettura.richiesta;
    EXPECT_EQ(richiesta.metodo, "GET");
    EXPECT_EQ(richiesta.percorso, "/ws/AB");
    EXPECT_EQ(richiesta.lunghezza, testo.find("dati"));
    EXPECT_EQ(richiesta.Intestazione("Upgrade"), "WebSocket");
    EXPECT_TRUE(richiesta.ChiedeWebSocket());
    // The last hop is the one the proxy added, whatever the client wrote before it.
    EXPECT_EQ(richiesta.UltimoInoltro(), "198.51.100.7");
    // Incomplete until the blank line; too long only when the limit passes without it.
    EXPECT_EQ(LeggiRichiestaHttp(testo.substr(0, 40), 8192).esito, EsitoRichiesta::Incompleta);
    EXPECT_EQ(LeggiRichiestaHttp(testo.substr(0, 40), 40).esito, EsitoRichiesta::TroppoLunga);
    EXPECT_EQ(LeggiRichiestaHttp(testo, richiesta.lunghezza - 1).esito,
              EsitoRichiesta::TroppoLunga);
    EXPECT_EQ(LeggiRichiestaHttp(testo, richiesta.lunghezza).esito, EsitoRichiesta::Completa);
}

TEST(RichiestaHttp, RifiutaCioCheUnServerNonDeveLeggereEConosceSoloIPercorsiDeiTavoli) {
    for (const std::string malformata : {
             "GET /ws HTTP/1.1\r\nHost: a\r\n b\r\n\r\n", // folded line
             "GET /ws HTTP/1.1\r\nHo st: a\r\n\r\n",      // blank in a name
             "GET /ws HTTP/1.1\r\nHost: a\nX: b\r\n\r\n", // bare LF
             "GET /ws HTTP/1.1\r\nX: a\x01\r\n\r\n",      // control character
             "GET ws HTTP/1.1\r\n\r\n",                   // target not a path
             "GET /ws  HTTP/1.1\r\n\r\n",                 // two blanks
             "GET /ws HTTP/1.1 x\r\n\r\n",                // three parts
             "\r\n\r\n",
         }) {
        EXPECT_EQ(LeggiRichiestaHttp(malformata, 8192).esito, EsitoRichiesta::Malformata)
            << malformata;
    }
    const struct {
        const char* percorso;
        std::optional<std::string> codice;
    } casi[] = {
        {"/ws", ""},
        {"/ws/a-Z_9", "a-Z_9"},
        {"/ws/", std::nullopt},
        {"/ws/a.b", std::nullopt},
        {"/ws/a/b", std::nullopt},
        {"/wsx", std::nullopt},
        {"/", std::nullopt},
        {"/WS/a", std::nullopt},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(CodiceDaPercorso(caso.percorso), caso.codice) << caso.percorso;
    EXPECT_EQ(CodiceDaPercorso("/ws/" + std::string(64, 'c')), std::string(64, 'c'));
    EXPECT_EQ(CodiceDaPercorso("/ws/" + std::string(65, 'c')), std::nullopt);
}
