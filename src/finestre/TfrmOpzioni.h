#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

// The options dialog: the five player names, the table's colours and background picture, the
// card set, the pauses of automatic play, the face-down first trick and the grouping of the
// hand by suit. Its controls are the settings for the whole run; the rest of the program reads
// them through the getters. The settings are read from the options file when the dialog is
// created and written back when it is destroyed.
class TfrmOpzioni : public QDialog {
    Q_OBJECT

public:
    // fileOpzioni: the path of BriscolaChiamata.ini; cartellaCarte and cartellaSfondi: the
    // folders "Carte" (one sub-folder per card set) and "Sfondi" (background pictures).
    TfrmOpzioni(QString fileOpzioni, QString cartellaCarte, QString cartellaSfondi,
                QWidget* padre = nullptr);
    ~TfrmOpzioni() override;

    // i = 0..4; empty for any other i.
    QString NomeGiocatore(int i) const;
    int PuntiMonte() const;
    int AttesaGiocata() const;
    int AttesaMano() const;
    bool ManoAlBuio() const;
    bool CarteOrdinate() const;
    QColor ColoreSfondo() const;
    QColor ColoreTesto() const;
    // The full path of the background picture; empty for none.
    QString ImmagineSfondo() const;
    // The folder of the chosen card set.
    QString DirectoryCarte() const;

    // Writes the options file; false when it could not be written (the old file stays whole).
    bool Salva() const;
};
