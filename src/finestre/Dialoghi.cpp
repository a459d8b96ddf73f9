#include "finestre/Dialoghi.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// Qt shows the program's name in place of an empty caption; a blank keeps the caption empty.
QString Titolo(const QString& titolo) {
    return titolo.isEmpty() ? QStringLiteral(" ") : titolo;
}

class DialoghiQt final : public Dialoghi {
public:
    bool Domanda(QWidget* padre, const QString& titolo, const QString& testo) override {
        return QMessageBox::question(padre, Titolo(titolo), testo,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }

    void Messaggio(QWidget* padre, const QString& titolo, const QString& testo,
                   Icona icona) override {
        QMessageBox box(padre);
        box.setWindowTitle(Titolo(titolo));
        // Messages may carry a server's words or a player's name: shown as text, never markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(testo);
        box.setIcon(icona == Icona::Errore         ? QMessageBox::Critical
                    : icona == Icona::Informazione ? QMessageBox::Information
                    : icona == Icona::Domanda      ? QMessageBox::Question
                                                   : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    bool MessaggioConPulsante(QWidget* padre, const QString& titolo, const QString& testo,
                              Icona icona, const QString& pulsante) override {
        QMessageBox box(padre);
        box.setWindowTitle(Titolo(titolo));
        // Messages may carry a server's words or a player's name: shown as text, never markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(testo);
        box.setIcon(icona == Icona::Informazione ? QMessageBox::Information : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        QPushButton* altro = box.addButton(pulsante, QMessageBox::ActionRole);
        box.exec();
        return box.clickedButton() == altro;
    }

    std::optional<QColor> ScegliColore(QWidget* padre, const QColor& iniziale) override {
        const QColor colore = QColorDialog::getColor(iniziale, padre);
        if (!colore.isValid()) {
            return std::nullopt;
        }
        return colore;
    }

    QString ApriFile(QWidget* padre, const QString& titolo, const QString& cartella,
                     const QString& filtro) override {
        QFileDialog dialogo(padre, titolo, cartella, filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
        // A name typed without an extension finds the file with the filter's extension.
        const QRegularExpressionMatch estensione =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtro);
        if (estensione.hasMatch()) {
            dialogo.setDefaultSuffix(estensione.captured(1));
        }
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
            return {};
        }
        return dialogo.selectedFiles().constFirst();
    }

    QString SalvaFile(QWidget* padre, const QString& titolo, const QString& cartella,
                      const QString& filtro, const QString& estensione) override {
        QFileDialog dialogo(padre, titolo, cartella, filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(estensione);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
            return {};
        }
        return ConEstensione(dialogo.selectedFiles().constFirst(), estensione);
    }

    int Esegui(QDialog& dialogo) override { return dialogo.exec(); }
};

std::unique_ptr<Dialoghi>& Corrente() {
    static std::unique_ptr<Dialoghi> dialoghi = std::make_unique<DialoghiQt>();
    return dialoghi;
}

} // namespace

Dialoghi& DialoghiCorrenti() {
    return *Corrente();
}

void ImpostaDialoghi(std::unique_ptr<Dialoghi> dialoghi) {
    Corrente() = dialoghi ? std::move(dialoghi) : std::make_unique<DialoghiQt>();
}

QString ConEstensione(const QString& nome, const QString& estensione) {
    if (nome.isEmpty() || !QFileInfo(nome).suffix().isEmpty()) {
        return nome;
    }
    return nome + QLatin1Char('.') + estensione;
}
