#include "finestre/Suggeritore.h"

#include <QLabel>
#include <QThread>

#include "carte/NomiCarte.h"
#include "finestre/Dialoghi.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/SegnoTastiera.h"
#include "finestre/TfrmBriscola.h"
#include "motori/MotoreOK.h"
#include "motori/Tavolo.h"
#include "partita/Partita.h"
#include "partita/StatoTavolo.h"

namespace {

QString Numero(double valore) {
    return QString::number(valore, 'f', 2);
}

} // namespace

Suggeritore::Suggeritore(TfrmBriscola& finestra, PanelLicitazione& licitazione, int giocatore)
    : QObject(&finestra), finestra(finestra), licitazione(licitazione), giocatore(giocatore),
      segnoCarta(new SegnoTastiera(SegnoTastiera::Forma::Rettangolo, finestra.AreaTavolo())),
      segnoLicitazione(new SegnoTastiera(SegnoTastiera::Forma::Ellisse, &licitazione)),
      budget(Consigliere::BudgetPredefinito()) {
    // Whatever the person does next makes the hint stale.
    connect(&finestra, &TfrmBriscola::PassoGiocato, this, [this](const RegistroPartita& r) {
        if ((risultato || mostrato) && !(r == posizione)) {
            Annulla();
        }
    });
}

Suggeritore::~Suggeritore() {
    if (lavoro) {
        lavoro->wait();
    }
}

bool Suggeritore::InCorso() const {
    return risultato != nullptr;
}

QWidget* Suggeritore::Segnato() const {
    if (!mostrato) {
        return nullptr;
    }
    return segnoCarta->Bersaglio() != nullptr ? segnoCarta->Bersaglio()
                                              : segnoLicitazione->Bersaglio();
}

bool Suggeritore::Chiedi() {
    if (InCorso() || giocatore < 0) {
        return false;
    }
    RegistroPartita registro = finestra.TavoloGioco().Stato().registro;
    const RegistroPartita copia = registro;
    const std::unique_ptr<Partita> partita = CreaPartita(registro.primaManoCoperta == 1, registro);
    const int tocca = partita->Riprendi();
    const StatoPartita stato = partita->Stato();
    if (tocca != giocatore ||
        (stato != StatoPartita::Licitazione && stato != StatoPartita::SceltaBriscola &&
         stato != StatoPartita::Giocata)) {
        return false;
    }
    Annulla();
    posizione = copia;
    risultato = std::make_shared<Risultato>();
    const int quanti = budget;
    // The thread gets copies only: it may outlive the position, never the window.
    lavoro = QThread::create([copia, quanti, esito = risultato] {
        try {
            const Consigliere consigliere(MotoreOK::kFileRegole, quanti, kSeme);
            esito->suggerimento = consigliere.Suggerisci(copia);
        } catch (const std::exception& e) {
            esito->errore = QString::fromStdString(e.what());
        }
    });
    connect(lavoro, &QThread::finished, this, [this, esito = risultato] { Arrivato(esito); });
    connect(lavoro, &QThread::finished, lavoro, &QObject::deleteLater);
    lavoro->start();
    return true;
}

void Suggeritore::Arrivato(const std::shared_ptr<Risultato>& arrivato) {
    // A hint asked for a position that has passed, or taken back.
    if (arrivato != risultato) {
        return;
    }
    risultato.reset();
    if (!arrivato->suggerimento) {
        DialoghiCorrenti().Messaggio(&finestra, tr("Suggerimento"), arrivato->errore,
                                     Dialoghi::Icona::Errore);
        emit Mostrata();
        return;
    }
    Mostra(*arrivato->suggerimento);
    emit Mostrata();
}

void Suggeritore::Mostra(const Suggerimento& s) {
    mostrato = s;
    const Alternativa& scelta = s.Preferita();
    QWidget* bersaglio = nullptr;
    QString testo;
    switch (s.tipo) {
    case TipoDecisione::Carta:
        for (const Alternativa& a : s.alternative) {
            if (ImmagineCarta* immagine = finestra.Immagine(a.carta.Indice())) {
                immagine->setToolTip(tr("Punteggio atteso %1, punti della squadra %2")
                                         .arg(Numero(a.media), Numero(a.puntiSquadra)) +
                                     (&a == &scelta ? tr(" (suggerita)") : QString()));
            }
        }
        bersaglio = finestra.Immagine(scelta.carta.Indice());
        break;
    case TipoDecisione::Licitazione:
        if (scelta.chiamata == ChiamataPasso) {
            bersaglio = licitazione.EtichettaPasso(0);
            testo = tr("Suggerimento: passo");
        } else if (scelta.chiamata.Punti > 60) {
            bersaglio = licitazione.EtichettaPunti();
            testo = tr("Suggerimento: %1 punti").arg(scelta.chiamata.Punti);
        } else {
            bersaglio = licitazione.EtichettaValore(scelta.chiamata.Valore);
            testo = tr("Suggerimento: chiama questa carta");
        }
        break;
    case TipoDecisione::Briscola:
        bersaglio = licitazione.ImmagineSeme(scelta.briscola.Seme());
        testo = tr("Suggerimento: questo seme");
        break;
    }
    if (bersaglio != nullptr && !testo.isEmpty()) {
        conSuggerimento = bersaglio;
        tooltipPrecedente = bersaglio->toolTip();
        bersaglio->setToolTip(testo + tr(" (punteggio atteso %1)").arg(Numero(scelta.media)));
    }
    (s.tipo == TipoDecisione::Carta ? segnoCarta : segnoLicitazione)->Segui(bersaglio);
}

void Suggeritore::TogliTooltip() {
    if (mostrato && mostrato->tipo == TipoDecisione::Carta) {
        for (const Alternativa& a : mostrato->alternative) {
            if (ImmagineCarta* immagine = finestra.Immagine(a.carta.Indice())) {
                immagine->setToolTip(QString());
            }
        }
    }
    if (conSuggerimento) {
        conSuggerimento->setToolTip(tooltipPrecedente);
    }
    conSuggerimento = nullptr;
}

void Suggeritore::Annulla() {
    TogliTooltip();
    mostrato.reset();
    risultato.reset();
    segnoCarta->Segui(nullptr);
    segnoLicitazione->Segui(nullptr);
}
