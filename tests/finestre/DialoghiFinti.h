#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "finestre/Dialoghi.h"

// Scripted answers for the dialog seam: each box takes the next answer of its queue (No,
// cancelled, rejected when the queue is empty) and is written down, so tests check the texts.
class DialoghiFinti final : public Dialoghi {
public:
    struct Box {
        QString titolo;
        QString testo;
        Icona icona;
    };

    std::deque<bool> risposte;
    std::deque<std::optional<QColor>> colori;
    std::deque<QString> file;
    // Acts on our own dialog while it is "shown"; returns its result code.
    std::deque<std::function<int(QDialog&)>> azioni;
    std::vector<Box> mostrati;

    bool Domanda(QWidget*, const QString& titolo, const QString& testo) override;
    void Messaggio(QWidget*, const QString& titolo, const QString& testo, Icona icona) override;
    std::optional<QColor> ScegliColore(QWidget*, const QColor& iniziale) override;
    QString ApriFile(QWidget*, const QString& titolo, const QString&, const QString&) override;
    QString SalvaFile(QWidget*, const QString& titolo, const QString&, const QString&,
                      const QString& estensione) override;
    int Esegui(QDialog& dialogo) override;
};

// Installs a DialoghiFinti for the life of the object, or shares the one already installed,
// and gives access to it.
class ConDialoghiFinti {
public:
    ConDialoghiFinti();
    ~ConDialoghiFinti();
    ConDialoghiFinti(const ConDialoghiFinti&) = delete;
    ConDialoghiFinti& operator=(const ConDialoghiFinti&) = delete;
    DialoghiFinti& operator*() const { return *finti; }
    DialoghiFinti* operator->() const { return finti; }

private:
    DialoghiFinti* finti;
    // Put in place by this object (not shared with an outer one), and so taken away by it.
    bool proprio = false;
};
