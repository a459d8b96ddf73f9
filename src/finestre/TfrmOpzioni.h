#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

#include "comune/Casuale.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
struct ValoriOpzioni;

// The options dialog: the five player names, the table's colours and background picture, the
// card set, the pauses of automatic play, the face-down first trick and the grouping of the
// hand by suit. Its controls are the settings for the whole run; the rest of the program reads
// them through the getters. The settings are read from the options file when the dialog is
// created and written only by Salva: closing or destroying the dialog writes nothing.
class TfrmOpzioni : public QDialog {
    Q_OBJECT

public:
    // fileOpzioni: the path of BriscolaChiamata.ini; cartellaCarte and cartellaSfondi: the
    // folders "Carte" (one sub-folder per card set) and "Sfondi" (background pictures).
    TfrmOpzioni(QString fileOpzioni, QString cartellaCarte, QString cartellaSfondi,
                QWidget* padre = nullptr);

    // i = 0..4; empty for any other i.
    QString NomeGiocatore(int i) const;
    int PuntiMonte() const;
    int AttesaGiocata() const;
    int AttesaMano() const;
    bool ManoAlBuio() const;
    bool CarteOrdinate() const;
    // The four computers of a game with the human play as experts.
    bool Esperti() const;
    // The language chosen: 0 the system's, 1 Italian, 2 English; it applies at the next start.
    int Lingua() const;
    QColor ColoreSfondo() const;
    QColor ColoreTesto() const;
    // The full path of the background picture; empty for none.
    QString ImmagineSfondo() const;
    // The folder of the chosen card set.
    QString DirectoryCarte() const;
    // The table's size, chosen from the main window's menu: a percentage, or 0 to fill the
    // window. Kept in the options file with the rest.
    int Dimensione() const { return dimensione; }
    void ImpostaDimensione(int nuova) { dimensione = nuova; }
    // The certificate and private key of the last table hosted with TLS, kept in the options
    // file with the rest; empty for none.
    const QString& CertificatoTls() const { return certificatoTls; }
    const QString& ChiaveTls() const { return chiaveTls; }
    void ImpostaTls(const QString& certificato, const QString& chiave) {
        certificatoTls = certificato;
        chiaveTls = chiave;
    }

    // Writes the options file; false when it could not be written (the old file stays whole).
    bool Salva() const;

    // Puts a new name, drawn from a fixed list and unlike the five names in use, into the
    // name of row j (1..5).
    void CreaNomeAutomaticamente(int j);

    // The controls are the settings; tests and the main window may reach them by name.
    QTabWidget* PageOpzioni = nullptr;
    QWidget* tabOpzioni = nullptr;
    QWidget* tabGiocatori = nullptr;
    QWidget* tabColori = nullptr;
    QWidget* tabCarte = nullptr;
    QSpinBox* UpDownPuntiMonte = nullptr;
    QLineEdit* txtPuntiMonte = nullptr;
    QSpinBox* UpDownAttesa1 = nullptr;
    QLineEdit* txtAttesa1 = nullptr;
    QSpinBox* UpDownAttesa2 = nullptr;
    QLineEdit* txtAttesa2 = nullptr;
    QCheckBox* chkManoAlBuio = nullptr;
    QCheckBox* chkCarteOrdinate = nullptr;
    QCheckBox* chkEsperti = nullptr;
    QComboBox* cmbLingua = nullptr;
    QLineEdit* txtNome1 = nullptr;
    QLineEdit* txtNome2 = nullptr;
    QLineEdit* txtNome3 = nullptr;
    QLineEdit* txtNome4 = nullptr;
    QLineEdit* txtNome5 = nullptr;
    QPushButton* cmdN1 = nullptr;
    QPushButton* cmdN2 = nullptr;
    QPushButton* cmdN3 = nullptr;
    QPushButton* cmdN4 = nullptr;
    QPushButton* cmdN5 = nullptr;
    QFrame* ShapeSfondo = nullptr;
    QFrame* ShapeTesto = nullptr;
    QLineEdit* txtBitmap = nullptr;
    QPushButton* Button1 = nullptr;
    QListWidget* lstSfondi = nullptr;
    QLineEdit* txtDirectory = nullptr;
    QListWidget* lstCarte = nullptr;
    QPushButton* cmdOK = nullptr;

    // Esc and the window manager's close: the dialog is left only through OK, so they do
    // what OK does.
    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private slots:
    void Button1Click();
    void txtDirectoryChange(const QString& testo);
    void cmdOKClick();

private:
    // Draws the names made up for empty name boxes: the dialog's own, never the game's.
    GeneratoreCasuale generatoreNomi{SemeDalOrologio()};
    // The pages' controls and layout, in TfrmOpzioniPagine.cpp.
    void CostruisciPagine();
    void CaricaOpzioni();
    ValoriOpzioni Valori() const;
    void ScegliColore(QFrame* campione);
    QLineEdit* txtNome(int j) const;

    QString fileOpzioni;
    QString cartellaCarte;
    QString cartellaSfondi;
    // The card set last confirmed with OK, or loaded; OK puts it back when none is chosen.
    QString carteConfermate;
    // The colour dialog opens on the colour last chosen in it.
    QColor ultimoColore;
    int dimensione = 100;
    QString certificatoTls;
    QString chiaveTls;
};
