#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

// The about box: the program's picture, the game's name, the version, the authors and a link
// to the manual that ships with the program; "OK" closes it.
class TfrmAboutBox final : public QDialog {
    Q_OBJECT

public:
    // fileManuale: the manual's HTML page, opened with the system's browser.
    explicit TfrmAboutBox(QString fileManuale, QWidget* padre = nullptr);

    // How the link is opened (the system's default handler unless a test puts in its own).
    void ImpostaApertura(std::function<bool(const QUrl&)> apertura);
    QUrl IndirizzoManuale() const;
    // What a click on the picture, the link or the globe does; false when it failed (the
    // user is told).
    bool ApriManuale();

    QLabel* Immagine() const { return imgProgramma; }
    QLabel* Collegamento() const { return lblIndirizzo; }
    QLabel* Globo() const { return imgGlobo; }
    QPushButton* PulsanteOK() const { return cmdOK; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QString fileManuale;
    std::function<bool(const QUrl&)> apertura;
    QLabel* imgProgramma;
    QLabel* lblIndirizzo;
    QLabel* imgGlobo;
    QPushButton* cmdOK;
};
