#pragma once

#include <QPointer>
#include <QWidget>

// The mark of what the keyboard has chosen: a ring drawn around another widget of the same
// parent, following it as it moves and hiding with it. It takes no clicks.
class SegnoTastiera final : public QWidget {
    Q_OBJECT

public:
    enum class Forma { Rettangolo, Ellisse };

    SegnoTastiera(Forma forma, QWidget* padre);

    // Marks bersaglio (a sibling); null takes the mark away.
    void Segui(QWidget* bersaglio);
    QWidget* Bersaglio() const { return bersaglio; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    static constexpr int kBordo = 3;
    Forma forma;
    QPointer<QWidget> bersaglio;

    void Aggiorna();
};
