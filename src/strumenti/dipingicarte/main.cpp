#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <iostream>
#include <stdexcept>

#include "Mazzo.h"
#include "PaginaWeb.h"
#include "PittoreCarte.h"
#include "Sfondi.h"

// Paints the card sets and the table backgrounds into a folder, beside the game:
//   dipingicarte CARTELLA [--anteprima] [--pagina CARTELLA_PAGINA]...
// writes CARTELLA/Carte/<set>/ and CARTELLA/Sfondi/; --anteprima adds contact sheets
// (anteprima-<set>.png, anteprima-Sfondi.png) made from the files just written; --pagina writes
// the browser page's PNG pictures into that page folder.

namespace {

void Salva(const QImage& immagine, const QString& percorso, const char* formato = "BMP") {
    if (!immagine.save(percorso, formato)) {
        throw std::runtime_error("Impossibile scrivere " + percorso.toStdString());
    }
}

void CreaCartella(const QString& percorso) {
    if (!QDir().mkpath(percorso)) {
        throw std::runtime_error("Impossibile creare la cartella " + percorso.toStdString());
    }
}

QString NomeFaccia(int seme, int faccia) {
    return QStringLiteral("%1%2").arg(seme).arg(faccia);
}

// The picture once at 1x and once at 2x, painted twice rather than scaled.
template <typename Pittura>
void SalvaDueScale(const QString& cartella, const QString& nome, Pittura pittura) {
    Salva(pittura(1), cartella + "/" + nome + ".bmp");
    Salva(pittura(2), cartella + "/" + nome + "@2x.bmp");
}

void ScriviMazzo(const Mazzo& mazzo, const QString& cartella) {
    CreaCartella(cartella);
    for (int seme = 0; seme < 4; ++seme) {
        for (int faccia = 0; faccia < 10; ++faccia) {
            SalvaDueScale(cartella, NomeFaccia(seme, faccia),
                          [&](int scala) { return DipingiFaccia(mazzo, seme, faccia, scala); });
        }
        SalvaDueScale(cartella, QStringLiteral("S%1").arg(seme),
                      [&](int scala) { return DipingiSeme(mazzo, seme, scala); });
    }
    SalvaDueScale(cartella, QStringLiteral("XX"),
                  [&](int scala) { return DipingiDorso(mazzo, scala); });
    QFile ini(cartella + "/Carte.ini");
    const QByteArray testo = DescrizioneMazzo(mazzo);
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate) || ini.write(testo) != testo.size()) {
        throw std::runtime_error("Impossibile scrivere " + ini.fileName().toStdString());
    }
}

QImage Carica(const QString& percorso) {
    QImage immagine(percorso);
    if (immagine.isNull()) {
        throw std::runtime_error("Impossibile leggere " + percorso.toStdString());
    }
    // Qt gives a file named @2x a pixel ratio of 2; the sheet shows pixels as they are.
    immagine.setDevicePixelRatio(1);
    return immagine;
}

// Composes a card over the table as the game does: the mask whitens the card's area, then the
// picture is AND-ed in, so its white corners let the table through.
void Componi(QPainter& p, QPoint punto, const QImage& carta, const QImage& maschera) {
    p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
    p.drawImage(punto, maschera);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(punto, carta);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Every face in rows by suit, the back and the suit picture at the end of each row; first at
// 1x, then at 2x, on the green felt.
QImage AnteprimaMazzo(const QString& cartella, const QImage& tavolo) {
    constexpr int margine = 10;
    const int larghezza = margine + 12 * (2 * kLarghezzaCarta + margine);
    const int altezza = margine + 4 * (3 * kAltezzaCarta + 2 * margine) + margine;
    QImage foglio(larghezza, altezza, QImage::Format_RGB32);
    QPainter p(&foglio);
    p.drawImage(foglio.rect(), tavolo);
    int y = margine;
    for (int scala : {1, 2}) {
        const QString suffisso = scala == 1 ? QString() : QStringLiteral("@2x");
        const QImage maschera = MascheraCarta(scala);
        const int passoX = scala * kLarghezzaCarta + margine;
        for (int seme = 0; seme < 4; ++seme) {
            for (int faccia = 0; faccia < 10; ++faccia) {
                const QString nome = NomeFaccia(seme, faccia) + suffisso + ".bmp";
                Componi(p, {margine + faccia * passoX, y}, Carica(cartella + "/" + nome), maschera);
            }
            if (seme == 0) {
                Componi(p, {margine + 10 * passoX, y}, Carica(cartella + "/XX" + suffisso + ".bmp"),
                        maschera);
            }
            p.drawImage(QPoint(margine + 11 * passoX, y),
                        Carica(cartella + QStringLiteral("/S%1").arg(seme) + suffisso + ".bmp"));
            y += scala * kAltezzaCarta + margine;
        }
    }
    return foglio;
}

QImage AnteprimaSfondi(const std::vector<Sfondo>& sfondi) {
    constexpr int margine = 10, larghezza = 500, altezza = 311;
    QImage foglio(margine + static_cast<int>(sfondi.size()) * (larghezza + margine),
                  altezza + 2 * margine, QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter p(&foglio);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    int x = margine;
    for (const Sfondo& sfondo : sfondi) {
        p.drawImage(QRect(x, margine, larghezza, altezza), sfondo.immagine);
        x += larghezza + margine;
    }
    return foglio;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication applicazione(argc, argv);
    const QStringList argomenti = applicazione.arguments();
    bool anteprima = false;
    QStringList pagine;
    bool valide = argomenti.size() >= 2;
    for (qsizetype i = 2; valide && i < argomenti.size(); ++i) {
        if (argomenti[i] == QStringLiteral("--anteprima")) {
            anteprima = true;
        } else if (argomenti[i] == QStringLiteral("--pagina") && i + 1 < argomenti.size()) {
            pagine.append(argomenti[++i]);
        } else {
            valide = false;
        }
    }
    if (!valide) {
        std::cerr << "Uso: dipingicarte CARTELLA [--anteprima] [--pagina CARTELLA_PAGINA]...\n";
        return 2;
    }
    const QString cartella = argomenti[1];
    try {
        for (const Mazzo& mazzo : Mazzi()) {
            ScriviMazzo(mazzo, cartella + "/Carte/" + mazzo.cartella);
        }
        CreaCartella(cartella + "/Sfondi");
        const std::vector<Sfondo> sfondi = DipingiSfondi();
        for (const Sfondo& sfondo : sfondi) {
            Salva(sfondo.immagine, cartella + "/Sfondi/" + sfondo.nomeFile);
        }
        for (const QString& pagina : pagine) {
            ScriviPerPagina(pagina, sfondi);
        }
        if (anteprima) {
            for (const Mazzo& mazzo : Mazzi()) {
                Salva(
                    AnteprimaMazzo(cartella + "/Carte/" + mazzo.cartella, sfondi.front().immagine),
                    cartella + "/anteprima-" + mazzo.cartella + ".png", "PNG");
            }
            Salva(AnteprimaSfondi(sfondi), cartella + "/anteprima-Sfondi.png", "PNG");
        }
    } catch (const std::exception& errore) {
        std::cerr << errore.what() << '\n';
        return 1;
    }
    return 0;
}
