#include "rete/PaginaStatica.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "rete/PercorsoPagina.h"
#include "rete/RichiestaHttp.h"
#include "rete/RispostaHttp.h"

namespace {

// The page's largest file is a background at twice the size; anything far bigger is not ours.
constexpr qint64 kFileMassimo = 8 * 1024 * 1024;

// Only the page's own scripts, styles and pictures, and WebSockets back to the same server.
constexpr char kPolitica[] = "default-src 'none'; script-src 'self'; style-src 'self'; "
                             "img-src 'self'; connect-src 'self'; manifest-src 'self'; "
                             "base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

QByteArray Intestazioni(int stato, const char* motivo, const char* tipo, qint64 lunghezza,
                        const char* cache) {
    return "HTTP/1.1 " + QByteArray::number(stato) + ' ' + motivo + "\r\nContent-Type: " + tipo +
           "\r\nContent-Length: " + QByteArray::number(lunghezza) + "\r\nCache-Control: " + cache +
           "\r\nContent-Security-Policy: " + kPolitica +
           "\r\nX-Content-Type-Options: nosniff\r\nX-Frame-Options: DENY\r\n"
           "Referrer-Policy: no-referrer\r\nConnection: close\r\n\r\n";
}

QByteArray NonTrovato() {
    return RispostaErrore(404, "Not Found", "Pentaludo: pagina non trovata.");
}

QString Canonica(const QString& percorso) {
    return QFileInfo(percorso).canonicalFilePath();
}

bool HaIndice(const QString& cartella) {
    return !cartella.isEmpty() && QFileInfo(cartella + QStringLiteral("/index.html")).isFile();
}

} // namespace

PaginaStatica::PaginaStatica(const QString& cartella) : cartella_(Canonica(cartella)) {
    if (!HaIndice(cartella_))
        throw Errore("La cartella " + cartella.toStdString() +
                     " non contiene la pagina del gioco (manca index.html).");
}

QByteArray PaginaStatica::Rispondi(const RichiestaHttp& richiesta) const {
    const bool testa = richiesta.metodo == "HEAD";
    if (!testa && richiesta.metodo != "GET") {
        QByteArray risposta = RispostaErrore(405, "Method Not Allowed",
                                             "Pentaludo: la pagina si legge solo con GET.");
        return risposta.insert(risposta.indexOf("\r\n") + 2, "Allow: GET, HEAD\r\n");
    }
    const auto file = FileDaPercorso(richiesta.percorso);
    if (!file)
        return NonTrovato();
    // The rules keep the path inside; the canonical path keeps a link from leading out.
    const QString percorso = Canonica(cartella_ + QLatin1Char('/') + QString::fromStdString(*file));
    const QFileInfo informazioni(percorso);
    if (percorso.isEmpty() || !percorso.startsWith(cartella_ + QLatin1Char('/')) ||
        !informazioni.isFile() || informazioni.size() > kFileMassimo)
        return NonTrovato();
    QFile lettura(percorso);
    if (!lettura.open(QIODevice::ReadOnly))
        return NonTrovato();
    const QByteArray corpo = lettura.readAll();
    // The page's texts and scripts change with the program: always asked again. Pictures keep.
    const char* tipo = TipoContenuto(*file);
    const bool immagine = QByteArray(tipo).startsWith("image/");
    const QByteArray intestazioni = Intestazioni(200, "OK", tipo, corpo.size(),
                                                 immagine ? "public, max-age=86400" : "no-cache");
    return testa ? intestazioni : intestazioni + corpo;
}

QString CartellaPaginaPredefinita() {
    for (const std::string& cartella : {CartellaProgramma(), CartellaDatiInstallati()}) {
        if (cartella.empty())
            continue;
        const QString pagina = QString::fromStdString(cartella) + QStringLiteral("/pagina");
        if (HaIndice(pagina))
            return QDir::cleanPath(pagina);
    }
    return {};
}
