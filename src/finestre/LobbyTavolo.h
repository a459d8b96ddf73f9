#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "rete/IndirizzoTavolo.h"

class ClienteTavolo;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct MessaggioServer;

// The room of a network table: who sits at each of its five seats, a seat to take, the chat,
// "Comincia" for whoever created the table, and, on the machine that hosts it, the code and
// the link to give to friends. Not modal: it stays beside the table for the chat.
class LobbyTavolo final : public QDialog {
    Q_OBJECT
public:
    // nome: the person's name, as the options give it; pubblico: where friends reach the
    // server this machine hosts (its host empty when joining), and indirizzi all of its
    // addresses.
    LobbyTavolo(ClienteTavolo& cliente, const QString& nome, const IndirizzoTavolo& pubblico,
                const QString& indirizzi, QWidget* padre = nullptr);
    // The link to give to friends; empty when joining.
    QString Collegamento() const;

    QLabel* EtichettaPosto(int posto) const {
        return etichette.at(static_cast<std::size_t>(posto));
    }
    QPushButton* PulsanteSiedi(int posto) const {
        return siedi.at(static_cast<std::size_t>(posto));
    }
    QPushButton* PulsanteComincia() const { return comincia; }
    QPushButton* PulsanteCopia() const { return copia; }
    QLineEdit* CampoChat() const { return campoChat; }
    QPlainTextEdit* Chat() const { return chat; }
    QLabel* Codice() const { return codice; }

    // Shows the seats and buttons as the client's view has them now.
    void Aggiorna();

signals:
    // "Esci dal tavolo".
    void Uscita();

private:
    ClienteTavolo& cliente;
    QString nome;
    IndirizzoTavolo pubblico;
    QLabel* link;
    std::array<QLabel*, 5> etichette{};
    std::array<QPushButton*, 5> siedi{};
    QPushButton* comincia;
    QPushButton* copia;
    QLineEdit* campoChat;
    QPlainTextEdit* chat;
    QLabel* codice;
    QLabel* titolo;

    void Ricevi(const MessaggioServer& messaggio);
};
