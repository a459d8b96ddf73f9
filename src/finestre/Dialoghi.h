#pragma once

#include <QColor>
#include <QString>

#include <memory>
#include <optional>

class QDialog;
class QWidget;

// Every modal box of the program goes through here: message boxes, the colour and file
// dialogs, and our own modal dialogs. The program uses the Qt boxes; tests put in answers
// of their own, so that no test waits for a person.
class Dialoghi {
public:
    enum class Icona { Nessuna, Informazione, Domanda, Errore };

    virtual ~Dialoghi() = default;

    // Yes/No with a question icon; true for Yes.
    virtual bool Domanda(QWidget* padre, const QString& titolo, const QString& testo) = 0;
    // A message with an OK button.
    virtual void Messaggio(QWidget* padre, const QString& titolo, const QString& testo,
                           Icona icona) = 0;
    // A message with OK and one more button, named pulsante; true when that one was chosen.
    // The default shows the message alone.
    virtual bool MessaggioConPulsante(QWidget* padre, const QString& titolo, const QString& testo,
                                      Icona icona, const QString& /*pulsante*/) {
        Messaggio(padre, titolo, testo, icona);
        return false;
    }
    // The chosen colour; nothing when cancelled.
    virtual std::optional<QColor> ScegliColore(QWidget* padre, const QColor& iniziale) = 0;
    // The chosen file's full path; empty when cancelled. filtro is Qt's ("Nome (*.ext)").
    virtual QString ApriFile(QWidget* padre, const QString& titolo, const QString& cartella,
                             const QString& filtro) = 0;
    // As ApriFile; estensione (without the dot) is added to a name typed without one.
    virtual QString SalvaFile(QWidget* padre, const QString& titolo, const QString& cartella,
                              const QString& filtro, const QString& estensione) = 0;
    // Shows one of our dialogs modally; its result code.
    virtual int Esegui(QDialog& dialogo) = 0;
};

// The process-wide seam; the Qt boxes until a test sets its own.
Dialoghi& DialoghiCorrenti();
// Replaces the seam (null: back to the Qt boxes).
void ImpostaDialoghi(std::unique_ptr<Dialoghi> dialoghi);

// The name as typed, or with ".estensione" added when the name has no extension.
QString ConEstensione(const QString& nome, const QString& estensione);
