#pragma once

#include <QString>

#include <QStringList>

// Where the window finds what ships with it and where it keeps the options file.
struct CartelleGioco {
    // The folder of card sets and the folder of background pictures.
    QString carte;
    QString sfondi;
    // BriscolaChiamata.ini.
    QString fileOpzioni;
    // The manual's page (manuale/index.html).
    QString manuale;
};

// The program's folder when it holds the named folder, else the installed data folder when
// that does, else the program's folder.
QString CartellaDatiGioco(const QString& cartellaProgramma, const QString& nome);
// "Carte" and "Sfondi" beside the program (or installed); the options file in the program's
// folder when the game's data is there too and the folder can be written, else in the user's
// configuration folder.
CartelleGioco TrovaCartelleGioco(const QString& cartellaProgramma);

// The manual in the window's language: "index.en.html" beside "index.html" when the window is
// in English and that file is there, else the manual given.
QString ManualeNellaLingua(const QString& manuale);

// The application's name, icon and desktop entry, and Qt's own texts in Italian.
void ImpostaApplicazione();

// Everything from the command line to the end of the event loop; the program's exit status.
// An error at start-up is shown and gives a non-zero status.
int AvviaGioco(const QStringList& argomenti);
