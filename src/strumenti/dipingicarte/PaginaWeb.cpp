#include "PaginaWeb.h"

#include <QDir>

#include <stdexcept>

#include "Mazzo.h"
#include "PittoreCarte.h"

namespace {

// The network's letters for faces (Asso ... Re) and suits (Cuori, Quadri, Fiori, Picche).
constexpr char kFacce[] = "A234567FCR";
constexpr char kSemi[] = "CQFP";

void SalvaPng(const QImage& immagine, const QString& percorso) {
    if (!immagine.save(percorso, "PNG")) {
        throw std::runtime_error("Impossibile scrivere " + percorso.toStdString());
    }
}

void CreaCartella(const QString& percorso) {
    if (!QDir().mkpath(percorso)) {
        throw std::runtime_error("Impossibile creare la cartella " + percorso.toStdString());
    }
}

// A browser lays the card over any table: the corners the game paints with the table's colour
// become transparent.
QImage SenzaAngoli(const QImage& carta, int scala) {
    QImage png = carta.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            if (AngoloTagliato(x / scala, y / scala)) {
                png.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return png;
}

template <typename Pittura>
void SalvaDueScale(const QString& cartella, const QString& nome, Pittura pittura) {
    SalvaPng(pittura(1), cartella + "/" + nome + ".png");
    SalvaPng(pittura(2), cartella + "/" + nome + "@2x.png");
}

void ScriviMazzo(const Mazzo& mazzo, const QString& cartella) {
    CreaCartella(cartella);
    for (int seme = 0; seme < 4; ++seme) {
        for (int faccia = 0; faccia < 10; ++faccia) {
            const QString nome = QString(QChar(kFacce[faccia])) + QChar(kSemi[seme]);
            SalvaDueScale(cartella, nome, [&](int scala) {
                return SenzaAngoli(DipingiFaccia(mazzo, seme, faccia, scala), scala);
            });
        }
        SalvaDueScale(cartella, QStringLiteral("seme") + QChar(kSemi[seme]),
                      [&](int scala) { return DipingiSeme(mazzo, seme, scala); });
    }
    SalvaDueScale(cartella, QStringLiteral("dorso"),
                  [&](int scala) { return SenzaAngoli(DipingiDorso(mazzo, scala), scala); });
}

} // namespace

void ScriviPerPagina(const QString& cartella, const std::vector<Sfondo>& sfondi) {
    for (const Mazzo& mazzo : Mazzi()) {
        ScriviMazzo(mazzo, cartella + "/carte/" + mazzo.cartella);
    }
    CreaCartella(cartella + "/sfondi");
    for (const Sfondo& sfondo : sfondi) {
        const QString nome = cartella + "/sfondi/" + QString(sfondo.nomeFile).section('.', 0, 0);
        // The backgrounds are painted at twice the window's size.
        SalvaPng(sfondo.immagine.scaled(sfondo.immagine.size() / 2, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation),
                 nome + ".png");
        SalvaPng(sfondo.immagine, nome + "@2x.png");
    }
}
