#pragma once

#include <QWidget>

class SfondoTavolo;

// The main window's centre: it holds the table and gives it its size. At a fixed size (a
// percentage) it is exactly the table; filling the window, it grows the table as far as the
// window allows while keeping its proportions, centred, the rest in a darker shade of the
// table's colour.
class ContenitoreTavolo final : public QWidget {
    Q_OBJECT

public:
    // tavolo: the table, laid out in its 100% units (made a child of this).
    ContenitoreTavolo(QWidget* tavolo, const SfondoTavolo& sfondo, QWidget* padre = nullptr);

    // A percentage (100, 150, 200), or 0 to fill whatever space the window gives.
    void ImpostaDimensione(int percento);
    int Dimensione() const { return percento; }
    bool Adatta() const { return percento == 0; }
    qreal Fattore() const;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QWidget* tavolo;
    const SfondoTavolo& sfondo;
    int percento = -1;

    void Disponi(qreal fattore, const QPoint& dove);
    // The largest table the space holds, centred.
    void RiempiSpazio();
};
