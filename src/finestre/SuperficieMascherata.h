#pragma once

#include <QImage>
#include <QWidget>

class SfondoTavolo;

// A picture drawn through its mask over the table, so that the table shows through the
// mask's white parts. Used for the cards and the caller's and partner's markers. Each picture
// may come with a twice-size version, used on screens scaled above 100%.
class SuperficieMascherata : public QWidget {
    Q_OBJECT

public:
    SuperficieMascherata(const SfondoTavolo& sfondo, QWidget* padre);

    void ImpostaMaschera(const QImage& normale, const QImage& doppia = {});
    void ImpostaImmagine(const QImage& normale, const QImage& doppia = {});

    // What the widget shows at the given pixel ratio (for tests and screenshots).
    QImage Composta(qreal rapporto) const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    const SfondoTavolo& sfondo;
    QImage maschera, maschera2x, immagine, immagine2x;
};
