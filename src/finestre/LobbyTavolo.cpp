#include "finestre/LobbyTavolo.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "rete/ClienteTavolo.h"

namespace {

// Names and chat are text people typed: never read as markup.
QLabel* EtichettaSemplice(QWidget* padre) {
    auto* etichetta = new QLabel(padre);
    etichetta->setTextFormat(Qt::PlainText);
    return etichetta;
}

} // namespace

LobbyTavolo::LobbyTavolo(ClienteTavolo& cliente, const QString& nome,
                         const IndirizzoTavolo& pubblico, const QString& indirizzi, QWidget* padre)
    : QDialog(padre), cliente(cliente), nome(nome.left(20)), pubblico(pubblico),
      link(EtichettaSemplice(this)), comincia(new QPushButton(tr("Comincia"), this)),
      copia(new QPushButton(tr("Copia il collegamento"), this)), campoChat(new QLineEdit(this)),
      chat(new QPlainTextEdit(this)), codice(EtichettaSemplice(this)),
      titolo(EtichettaSemplice(this)) {
    setWindowTitle(tr("Tavolo in rete"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titolo);
    codice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(codice);
    if (!pubblico.host.isEmpty()) {
        auto* dove = EtichettaSemplice(this);
        dove->setText(tr("Indirizzi di questa macchina: %1").arg(indirizzi));
        dove->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(dove);
        link->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(link);
        layout->addWidget(copia);
    } else {
        copia->hide();
        link->hide();
    }
    connect(copia, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(Collegamento()); });

    auto* griglia = new QGridLayout;
    for (int s = 0; s < 5; ++s) {
        griglia->addWidget(new QLabel(tr("Posto %1").arg(s + 1), this), s, 0);
        etichette[static_cast<std::size_t>(s)] = EtichettaSemplice(this);
        griglia->addWidget(etichette[static_cast<std::size_t>(s)], s, 1);
        auto* pulsante = new QPushButton(tr("Siedi qui"), this);
        siedi[static_cast<std::size_t>(s)] = pulsante;
        griglia->addWidget(pulsante, s, 2);
        connect(pulsante, &QPushButton::clicked, this,
                [this, s] { this->cliente.Siedi(s, this->nome); });
    }
    layout->addLayout(griglia);
    layout->addWidget(comincia);
    connect(comincia, &QPushButton::clicked, this, [this] { this->cliente.Comincia(); });

    chat->setReadOnly(true);
    chat->setMaximumBlockCount(500);
    layout->addWidget(chat);
    auto* riga = new QHBoxLayout;
    campoChat->setMaxLength(200);
    campoChat->setPlaceholderText(tr("Scrivi agli altri al tavolo"));
    auto* invia = new QPushButton(tr("Invia"), this);
    riga->addWidget(campoChat);
    riga->addWidget(invia);
    layout->addLayout(riga);
    const auto manda = [this] {
        const QString testo = campoChat->text().trimmed();
        if (!testo.isEmpty()) {
            this->cliente.Chat(testo);
            campoChat->clear();
        }
    };
    connect(invia, &QPushButton::clicked, this, manda);
    connect(campoChat, &QLineEdit::returnPressed, this, manda);
    auto* esci = new QPushButton(tr("Esci dal tavolo"), this);
    layout->addWidget(esci);
    connect(esci, &QPushButton::clicked, this, &LobbyTavolo::Uscita);

    connect(&cliente, &ClienteTavolo::Ricevuto, this, &LobbyTavolo::Ricevi);
    Aggiorna();
}

void LobbyTavolo::Ricevi(const MessaggioServer& messaggio) {
    if (messaggio.tipo == MessaggioServer::Tipo::Chat) {
        chat->appendPlainText(messaggio.nome + QStringLiteral(": ") + messaggio.testo);
        return;
    }
    Aggiorna();
}

QString LobbyTavolo::Collegamento() const {
    if (pubblico.host.isEmpty() || cliente.Indirizzo().codice.isEmpty()) {
        return {};
    }
    IndirizzoTavolo tavolo = pubblico;
    tavolo.codice = cliente.Indirizzo().codice;
    return tavolo.Link();
}

void LobbyTavolo::Aggiorna() {
    link->setText(Collegamento());
    copia->setEnabled(!Collegamento().isEmpty());
    const VistaTavolo& vista = cliente.Vista();
    titolo->setText(vista.nome.isEmpty() ? tr("Collegamento al tavolo…") : vista.nome);
    const QString codiceTavolo = cliente.Indirizzo().codice;
    codice->setText(codiceTavolo.isEmpty() ? QString()
                                           : tr("Codice del tavolo: %1").arg(codiceTavolo));
    for (int s = 0; s < 5; ++s) {
        const PostoVisto& posto = vista.posti[static_cast<std::size_t>(s)];
        QString testo = posto.persona ? posto.nome : tr("libero (computer)");
        if (posto.persona && !posto.connesso) {
            testo = tr("%1 (assente)").arg(posto.nome);
        }
        if (s == vista.posto) {
            testo = tr("%1 (tu)").arg(testo);
        }
        etichette[static_cast<std::size_t>(s)]->setText(testo);
        siedi[static_cast<std::size_t>(s)]->setEnabled(!vista.codice.isEmpty() && !posto.persona &&
                                                       vista.posto < 0);
    }
    comincia->setVisible(vista.creatore);
    comincia->setEnabled(vista.creatore && vista.posto >= 0 && !vista.iniziata);
}
