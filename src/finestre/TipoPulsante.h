#pragma once

#include <QImage>

#include <memory>
#include <vector>

class QObject;
class QWidget;
class SuperficieMascherata;

// A face drawn at scale 1 and 2.
struct FacciaPulsante {
    QImage normale;
    QImage doppia;
};

// A picture button of the bidding panel: a round or oval face drawn through its mask over the
// table, and over it the control that takes the clicks (a label, or a suit picture). Pressing
// swaps the face for the pressed one and nudges the control one pixel right and down.
class TipoPulsante {
public:
    // Shows both widgets and draws the released face. The faces and mask are placed unscaled
    // in the paint box's corner.
    TipoPulsante(SuperficieMascherata* superficie, QWidget* comando, const FacciaPulsante& su,
                 const FacciaPulsante& giu, const FacciaPulsante& maschera);

    SuperficieMascherata* Superficie() const { return superficie; }
    QWidget* Comando() const { return comando; }
    bool Su() const { return su; }

    // Face and control together.
    void Mostra(bool visibile);
    // The press effect; a second press, or a release without a press, changes nothing.
    void Premi();
    void Rilascia();

private:
    SuperficieMascherata* superficie;
    QWidget* comando;
    FacciaPulsante immagineSu;
    FacciaPulsante immagineGiu;
    FacciaPulsante maschera;
    bool su = true;

    void Ridisegna();
};

// The panel's buttons in creation order.
class RegistroPulsanti {
public:
    TipoPulsante& Aggiungi(std::unique_ptr<TipoPulsante> pulsante);
    // The first button whose paint box or control is oggetto; null when none.
    TipoPulsante* Trova(const QObject* oggetto) const;
    const std::vector<std::unique_ptr<TipoPulsante>>& Pulsanti() const { return pulsanti; }

private:
    std::vector<std::unique_ptr<TipoPulsante>> pulsanti;
};
