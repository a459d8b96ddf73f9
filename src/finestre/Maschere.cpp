#include "finestre/Maschere.h"

#include <QPainter>

#include <array>

QImage MascheraCarta(int scala) {
    constexpr int kLarghezza = 55;
    constexpr int kAltezza = 101;
    // White pixels at each end of the first four rows (and, mirrored, of the last four).
    constexpr std::array<int, 4> kAngolo = {4, 2, 1, 1};
    QImage maschera(kLarghezza * scala, kAltezza * scala, QImage::Format_RGB32);
    maschera.fill(Qt::black);
    QPainter pittore(&maschera);
    for (int riga = 0; riga < 4; ++riga) {
        const int n = kAngolo[static_cast<std::size_t>(riga)];
        for (const int y : {riga, kAltezza - 1 - riga}) {
            pittore.fillRect(0, y * scala, n * scala, scala, Qt::white);
            pittore.fillRect((kLarghezza - n) * scala, y * scala, n * scala, scala, Qt::white);
        }
    }
    return maschera;
}

QImage MascheraEllisse(int larghezza, int altezza, int scala) {
    QImage maschera(larghezza * scala, altezza * scala, QImage::Format_RGB32);
    maschera.fill(Qt::white);
    QPainter pittore(&maschera);
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(Qt::black);
    pittore.drawEllipse(QRect(0, 0, larghezza * scala, altezza * scala));
    return maschera;
}

QImage ComponiMascherata(const QImage& sotto, const QImage& maschera, const QImage& immagine) {
    // The raster operations work on plain 32-bit pixels with no ratio of their own.
    QImage risultato = sotto.convertToFormat(QImage::Format_RGB32);
    risultato.setDevicePixelRatio(1.0);
    const QRect area = risultato.rect();
    QPainter pittore(&risultato);
    const auto Disegna = [&](const QImage& sorgente) {
        QImage piatta = sorgente.convertToFormat(QImage::Format_RGB32);
        piatta.setDevicePixelRatio(1.0);
        pittore.drawImage(area, piatta, piatta.rect());
    };
    if (!maschera.isNull()) {
        pittore.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        Disegna(maschera);
    }
    if (!immagine.isNull()) {
        pittore.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        Disegna(immagine);
    }
    return risultato;
}
