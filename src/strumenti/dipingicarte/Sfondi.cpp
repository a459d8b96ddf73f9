#include "Sfondi.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kLarghezza = 1000;
constexpr int kAltezza = 622;

// A fixed integer hash: the same pictures on every machine and every build.
double Casuale(int x, int y, std::uint32_t seme) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seme * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / static_cast<double>(0x1000000);
}

// Smooth value noise in 0..1.
double Rumore(double x, double y, std::uint32_t seme) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = Casuale(x0, y0, seme), b = Casuale(x0 + 1, y0, seme);
    const double c = Casuale(x0, y0 + 1, seme), d = Casuale(x0 + 1, y0 + 1, seme);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Several octaves of noise, in 0..1.
double Frattale(double x, double y, std::uint32_t seme, int ottave) {
    double somma = 0, ampiezza = 1, totale = 0;
    for (int i = 0; i < ottave; ++i) {
        somma += Rumore(x, y, seme + static_cast<std::uint32_t>(i) * 101u) * ampiezza;
        totale += ampiezza;
        x *= 2.03;
        y *= 2.03;
        ampiezza *= 0.5;
    }
    return somma / totale;
}

// Darker towards the edges, as under a lamp over the middle of the table.
double Vignetta(int x, int y, double forza) {
    const double dx = (x - kLarghezza / 2.0) / (kLarghezza / 2.0);
    const double dy = (y - kAltezza / 2.0) / (kAltezza / 2.0);
    return 1.0 - forza * std::min(1.0, (dx * dx + dy * dy) / 2.0);
}

QRgb Colore(double r, double g, double b) {
    auto canale = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(canale(r), canale(g), canale(b));
}

template <typename Pixel>
QImage Dipingi(Pixel pixel) {
    QImage immagine(kLarghezza, kAltezza, QImage::Format_RGB32);
    for (int y = 0; y < kAltezza; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(immagine.scanLine(y));
        for (int x = 0; x < kLarghezza; ++x) {
            riga[x] = pixel(x, y);
        }
    }
    return immagine;
}

QImage Panno() {
    return Dipingi([](int x, int y) {
        const double macchie = Frattale(x / 90.0, y / 90.0, 11, 4) - 0.5;
        const double pelo = Casuale(x, y, 12) - 0.5;
        const double fibra = Rumore(x / 1.5, y / 6.0, 13) - 0.5;
        const double luce = Vignetta(x, y, 0.35) * (1.0 + 0.16 * macchie + 0.07 * fibra);
        return Colore((26 + 14 * pelo) * luce, (104 + 16 * pelo) * luce, (52 + 12 * pelo) * luce);
    });
}

QImage Legno() {
    constexpr int asse = 104;
    return Dipingi([](int x, int y) {
        const int numero = y / asse;
        const int giunto = (numero % 2 == 0 ? 310 : 720) + numero * 37 % 90;
        const int pezzo = x < giunto ? 0 : 1;
        const std::uint32_t seme = 40u + static_cast<std::uint32_t>(numero * 2 + pezzo);
        const double yy = y - numero * asse;
        // Growth rings, stretched along the board and bent by slow noise.
        const double piega = Frattale(x / 260.0, yy / 40.0, seme, 3) * 28.0;
        const double anelli = std::sin((yy + piega + Casuale(numero, pezzo, 7) * 50.0) * 0.45);
        const double venatura = Rumore(x / 40.0, yy * 1.3, seme + 5) - 0.5;
        const double tono = 0.85 + 0.3 * Casuale(numero, pezzo, 9);
        double luce =
            Vignetta(x, y, 0.4) * tono * (1.0 + 0.12 * anelli * anelli * anelli + 0.14 * venatura);
        if (yy < 2 || std::abs(x - giunto) < 2) {
            luce *= 0.45;
        } else if (yy < 4) {
            luce *= 1.12;
        }
        return Colore(150 * luce, 92 * luce, 50 * luce);
    });
}

QImage Velluto() {
    return Dipingi([](int x, int y) {
        // A fine twill: threads on the diagonal, two over and two under.
        const double trama = ((x + y) / 2 % 2 == 0 ? 1.0 : -1.0) * 0.05;
        const double riflesso = Frattale(x / 160.0 + y / 400.0, y / 120.0, 71, 4) - 0.5;
        const double pelo = Casuale(x, y, 72) - 0.5;
        const double luce = Vignetta(x, y, 0.45) * (1.0 + trama + 0.35 * riflesso + 0.06 * pelo);
        return Colore(26 * luce, 42 * luce, 98 * luce);
    });
}

} // namespace

std::vector<Sfondo> DipingiSfondi() {
    return {{QStringLiteral("PannoVerde.bmp"), Panno()},
            {QStringLiteral("Legno.bmp"), Legno()},
            {QStringLiteral("VellutoBlu.bmp"), Velluto()}};
}
