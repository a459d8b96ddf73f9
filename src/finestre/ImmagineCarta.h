#pragma once

#include "finestre/SuperficieMascherata.h"

// The picture of one card (its tag is the card index 0..39). Only the cards dealt to the
// human answer clicks.
class ImmagineCarta final : public SuperficieMascherata {
    Q_OBJECT

public:
    ImmagineCarta(int indice, const SfondoTavolo& sfondo, QWidget* padre);

    int Indice() const { return indice; }
    void ImpostaCliccabile(bool si);
    bool Cliccabile() const { return cliccabile; }

signals:
    void Cliccata(int indice);

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    int indice;
    bool cliccabile = false;
};
