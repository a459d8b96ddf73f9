#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AiutiAscoltatore.h"
#include "comune/Errore.h"
#include "rete/PercorsoPagina.h"
#include "rete/RichiestePerIndirizzo.h"

namespace {

void Scrivi(const QString& percorso, const QByteArray& testo) {
    QDir().mkpath(QFileInfo(percorso).path());
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(testo);
}

QByteArray Get(quint16 porta, const QByteArray& percorso, const QByteArray& metodo = "GET") {
    return Scambia(porta, metodo + ' ' + percorso + " HTTP/1.1\r\nHost: x\r\n\r\n");
}

QByteArray Corpo(const QByteArray& risposta) {
    return risposta.mid(risposta.indexOf("\r\n\r\n") + 4);
}

} // namespace

TEST(PercorsoPagina, ConosceSoloIFileDellaCartellaConUnEstensioneNota) {
    const struct {
        std::string percorso;
        std::optional<std::string> file;
    } casi[] = {
        {"/", "index.html"},
        {"/index.html", "index.html"},
        {"/js/gioco.js", "js/gioco.js"},
        {"/carte/Milanesi/AC@2x.png", "carte/Milanesi/AC@2x.png"},
        {"/stile%2Ecss", "stile.css"}, // an encoded dot inside a name is only a dot
        {"/%41C.png", "AC.png"},
        {"/../segreto.html", std::nullopt},
        {"/a/../../segreto.html", std::nullopt},
        {"/%2e%2e/segreto.html", std::nullopt},
        {"/%2E%2E%2Fsegreto.html", std::nullopt},
        {"/a%2fb.html", std::nullopt}, // encoded slash
        {"/a%5cb.html", std::nullopt}, // encoded backslash
        {"/a\\b.html", std::nullopt},  // backslash
        {"/a%00.html", std::nullopt},  // NUL
        {std::string("/a\0.html", 8), std::nullopt},
        {"/a%0a.html", std::nullopt}, // control character
        {"/a%.html", std::nullopt},   // broken escape
        {"/a%4.html", std::nullopt},
        {"/a%zz.html", std::nullopt},
        {"//etc/passwd.html", std::nullopt},
        {"/etc//passwd.html", std::nullopt},
        {"/./index.html", std::nullopt},
        {"/.nascosto.html", std::nullopt},
        {"/js/", std::nullopt},       // a folder
        {"/js", std::nullopt},        // no extension
        {"index.html", std::nullopt}, // not absolute
        {"", std::nullopt},
        {"/regole.OK.txt", std::nullopt}, // not one of the page's kinds
        {"/server.pem", std::nullopt},
        {"/index.html.bak", std::nullopt},
        {"/a/b/c/d/e.png", std::nullopt}, // too deep
        {"/" + std::string(200, 'a') + ".js", std::nullopt},
        {"/caff%C3%A8.html", std::nullopt}, // only plain letters
    };
    for (const auto& caso : casi)
        EXPECT_EQ(FileDaPercorso(caso.percorso), caso.file) << caso.percorso;
    EXPECT_STREQ(TipoContenuto("js/gioco.js"), "text/javascript; charset=utf-8");
    EXPECT_STREQ(TipoContenuto("index.html"), "text/html; charset=utf-8");
    EXPECT_STREQ(TipoContenuto("carte/AC@2x.png"), "image/png");
    EXPECT_EQ(TipoContenuto("a.png/b"), nullptr);
}

TEST(Ascoltatore, ServeLaPaginaSoloDallaSuaCartellaConLeIntestazioniCheLaProteggono) {
    QTemporaryDir radice;
    ASSERT_TRUE(radice.isValid());
    const QString cartella = radice.filePath("pagina");
    Scrivi(cartella + "/index.html", "<!doctype html><p>ciao</p>");
    Scrivi(cartella + "/js/gioco.js", "export const x = 1;");
    Scrivi(cartella + "/carte/AC.png", QByteArray("\x89PNG\r\n", 6));
    Scrivi(cartella + "/note.txt", "non servito");
    Scrivi(radice.filePath("segreto.html"), "SEGRETO");
    ASSERT_TRUE(QFile::link(radice.filePath("segreto.html"), cartella + "/fuori.html"));
    ASSERT_TRUE(QFile::link(radice.path(), cartella + "/su"));
    ASSERT_TRUE(QFile::link(cartella + "/index.html", cartella + "/dentro.html"));

    Banco banco;
    // Without a folder the listener keeps its short error; a folder without a page is refused.
    banco.Ascolta();
    EXPECT_TRUE(Get(banco.ascoltatore.Porta(), "/").startsWith("HTTP/1.1 404 "));
    EXPECT_THROW(banco.ascoltatore.ServiPagina(radice.filePath("manca")), Errore);
    EXPECT_FALSE(banco.ascoltatore.ServePagina());
    banco.ascoltatore.ServiPagina(cartella);
    const quint16 porta = banco.ascoltatore.Porta();

    const QByteArray indice = Get(porta, "/");
    ASSERT_TRUE(indice.startsWith("HTTP/1.1 200 OK\r\n")) << indice.toStdString();
    EXPECT_EQ(Corpo(indice), "<!doctype html><p>ciao</p>");
    for (const char* intestazione :
         {"Content-Type: text/html; charset=utf-8\r\n", "Content-Length: 26\r\n",
          "X-Content-Type-Options: nosniff\r\n", "Cache-Control: no-cache\r\n",
          "Content-Security-Policy: default-src 'none'; script-src 'self'; ", "connect-src 'self';",
          "frame-ancestors 'none'"})
        EXPECT_TRUE(indice.contains(intestazione)) << intestazione;
    EXPECT_FALSE(indice.contains("unsafe-inline"));
    const QByteArray script = Get(porta, "/js/gioco.js");
    EXPECT_TRUE(script.contains("Content-Type: text/javascript; charset=utf-8\r\n"));
    EXPECT_EQ(Corpo(script), "export const x = 1;");
    EXPECT_TRUE(Get(porta, "/carte/AC.png").contains("Cache-Control: public, max-age=86400\r\n"));
    // HEAD: the same headers, no body.
    const QByteArray testa = Get(porta, "/js/gioco.js", "HEAD");
    EXPECT_TRUE(testa.contains("Content-Length: 19\r\n"));
    EXPECT_TRUE(Corpo(testa).isEmpty());
    // A link inside the folder is served; one that leads out is not, whatever it points at.
    EXPECT_EQ(Corpo(Get(porta, "/dentro.html")), "<!doctype html><p>ciao</p>");

    const struct {
        const char* caso;
        QByteArray richiesta;
        QByteArray stato;
    } rifiutate[] = {
        {"link fuori", "GET /fuori.html HTTP/1.1\r\n\r\n", "HTTP/1.1 404 "},
        {"cartella linkata fuori", "GET /su/segreto.html HTTP/1.1\r\n\r\n", "HTTP/1.1 404 "},
        {"risalita", "GET /../segreto.html HTTP/1.1\r\n\r\n", "HTTP/1.1 404 "},
        {"risalita codificata", "GET /%2e%2e/segreto.html HTTP/1.1\r\n\r\n", "HTTP/1.1 404 "},
        {"percorso assoluto", "GET http://x/segreto.html HTTP/1.1\r\n\r\n", "HTTP/1.1 400 "},
        {"estensione ignota", "GET /note.txt HTTP/1.1\r\n\r\n", "HTTP/1.1 404 "},
        {"file mancante", "GET /manca.html HTTP/1.1\r\n\r\n", "HTTP/1.1 404 "},
        {"POST", "POST /index.html HTTP/1.1\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 405 "},
    };
    for (const auto& caso : rifiutate) {
        SCOPED_TRACE(caso.caso);
        const QByteArray risposta = Scambia(porta, caso.richiesta);
        EXPECT_TRUE(risposta.startsWith(caso.stato)) << risposta.toStdString();
        EXPECT_FALSE(risposta.contains("SEGRETO"));
    }
    EXPECT_TRUE(Scambia(porta, "POST / HTTP/1.1\r\n\r\n").contains("Allow: GET, HEAD\r\n"));
    // The tables' paths still become WebSockets.
    QWebSocket client;
    EXPECT_TRUE(Collega(client, banco.Url("/ws")));
}

TEST(Ascoltatore, LimitaLeRichiesteDellaPaginaPerIndirizzo) {
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    Scrivi(cartella.filePath("index.html"), "x");
    LimitiRete limiti;
    limiti.richiesteHttpAlSecondo = 1;
    limiti.rafficaHttp = 3;
    Banco banco(limiti);
    banco.ascoltatore.ServiPagina(cartella.path());
    banco.Ascolta();
    std::vector<QByteArray> stati;
    for (int i = 0; i < 5; ++i)
        stati.push_back(Get(banco.ascoltatore.Porta(), "/").left(12));
    EXPECT_EQ(stati, (std::vector<QByteArray>{"HTTP/1.1 200", "HTTP/1.1 200", "HTTP/1.1 200",
                                              "HTTP/1.1 429", "HTTP/1.1 429"}));
}

TEST(RichiestePerIndirizzo, OgniIndirizzoHaIlSuoSecchioEIPieniSiDimenticano) {
    RichiestePerIndirizzo limite(10, 2, 2);
    EXPECT_TRUE(limite.Accetta("a", 0));
    EXPECT_TRUE(limite.Accetta("a", 0));
    EXPECT_FALSE(limite.Accetta("a", 0));
    EXPECT_TRUE(limite.Accetta("b", 0));
    // The table is full and nobody's bucket has filled up: a third address must wait.
    EXPECT_FALSE(limite.Accetta("c", 50));
    EXPECT_FALSE(limite.Accetta("a", 50));
    // After the time a bucket takes to fill, the old addresses make room.
    EXPECT_TRUE(limite.Accetta("c", 400));
    EXPECT_EQ(limite.Indirizzi(), 1);
    EXPECT_TRUE(limite.Accetta("a", 400));
}
