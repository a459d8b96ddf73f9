#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct Sfondo {
    QString nomeFile;
    QImage immagine;
};

// The table backgrounds, painted from noise: green felt, a walnut table, blue velvet. Twice
// the window's 500 x 311 so they stay sharp when stretched.
std::vector<Sfondo> DipingiSfondi();
