#include "finestre/TipoPulsante.h"

#include <QWidget>

#include "finestre/DisegniPulsanti.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/SuperficieMascherata.h"

namespace {

// The face at the paint box's size, so that the surface draws it without stretching.
FacciaPulsante AlRiquadro(const FacciaPulsante& faccia, const QWidget& riquadro) {
    const QSize misura = ScalaTavolo::Base(&riquadro).size();
    const int w = misura.width();
    const int h = misura.height();
    return {faccia.normale.isNull() ? QImage() : InRiquadro(faccia.normale, w, h, 1),
            faccia.doppia.isNull() ? QImage() : InRiquadro(faccia.doppia, w, h, 2)};
}

} // namespace

TipoPulsante::TipoPulsante(SuperficieMascherata* superficie, QWidget* comando,
                           const FacciaPulsante& su, const FacciaPulsante& giu,
                           const FacciaPulsante& maschera)
    : superficie(superficie), comando(comando), immagineSu(AlRiquadro(su, *superficie)),
      immagineGiu(AlRiquadro(giu, *superficie)), maschera(AlRiquadro(maschera, *superficie)) {
    superficie->ImpostaMaschera(this->maschera.normale, this->maschera.doppia);
    Ridisegna();
    superficie->show();
    comando->show();
}

void TipoPulsante::Mostra(bool visibile) {
    superficie->setVisible(visibile);
    comando->setVisible(visibile);
}

void TipoPulsante::Ridisegna() {
    const FacciaPulsante& faccia = su ? immagineSu : immagineGiu;
    superficie->ImpostaImmagine(faccia.normale, faccia.doppia);
}

void TipoPulsante::Premi() {
    comando->show();
    if (!su) {
        return;
    }
    su = false;
    Ridisegna();
    ScalaTavolo::Sposta(comando, ScalaTavolo::Base(comando).topLeft() + QPoint(1, 1));
}

void TipoPulsante::Rilascia() {
    comando->show();
    if (su) {
        return;
    }
    su = true;
    Ridisegna();
    ScalaTavolo::Sposta(comando, ScalaTavolo::Base(comando).topLeft() - QPoint(1, 1));
}

TipoPulsante& RegistroPulsanti::Aggiungi(std::unique_ptr<TipoPulsante> pulsante) {
    pulsanti.push_back(std::move(pulsante));
    return *pulsanti.back();
}

TipoPulsante* RegistroPulsanti::Trova(const QObject* oggetto) const {
    for (const auto& pulsante : pulsanti) {
        if (static_cast<const QObject*>(pulsante->Superficie()) == oggetto ||
            static_cast<const QObject*>(pulsante->Comando()) == oggetto) {
            return pulsante.get();
        }
    }
    return nullptr;
}
