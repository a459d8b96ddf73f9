#include "finestre/PanelPunti.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <utility>

#include "finestre/ScalaTavolo.h"
#include "finestre/TestiGioco.h"
#include "finestre/TestoEliso.h"
#include "partita/TipoStoriaPartite.h"

namespace {

constexpr int kColonneFisse = 4;

QFont Arial(int pixel, bool grassetto) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixel);
    font.setBold(grassetto);
    return font;
}

QLabel* Etichetta(QWidget* padre, const QRect& posto, const QString& testo, const QColor& colore) {
    auto* etichetta = new QLabel(testo, padre);
    ScalaTavolo::Colloca(etichetta, posto);
    ScalaTavolo::ImpostaCarattere(etichetta, etichetta->font());
    QPalette tavolozza = etichetta->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    etichetta->setPalette(tavolozza);
    return etichetta;
}

void ColoreTesto(QWidget* widget, const QColor& colore) {
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    tavolozza.setColor(QPalette::Text, colore);
    widget->setPalette(tavolozza);
}

} // namespace

PanelPunti::PanelPunti(const TipoStoriaPartite& storia, bool soloComputer,
                       std::function<QString(int)> nomeGiocatore, const NomiCarte& nomiCarte,
                       QWidget* padre)
    : QWidget(padre), soloComputer(soloComputer), nomeGiocatore(std::move(nomeGiocatore)),
      nomiCarte(nomiCarte), storia(&storia) {
    ScalaTavolo::Colloca(this, QRect(0, 63, 505, 248));
    setAutoFillBackground(true);

    for (int s = 0; s < 5; ++s) {
        QLabel* etichetta =
            Etichetta(this, QRect(8 + 100 * s, 0, 81, 25), QStringLiteral("0"), Qt::black);
        ScalaTavolo::ImpostaCarattere(etichetta, Arial(19, true));
        etichetta->setAlignment(Qt::AlignCenter);
        etichetta->setObjectName(QStringLiteral("lblPunti%1").arg(s));
        punti[static_cast<std::size_t>(s)] = etichetta;
    }

    lista = new QTreeWidget(this);
    lista->setObjectName(QStringLiteral("ListPunti"));
    ScalaTavolo::Colloca(lista, QRect(0, 27, 500, 142));
    lista->setFrameShape(QFrame::NoFrame);
    lista->setRootIsDecorated(false);
    ScalaTavolo::ImpostaCarattere(lista, Arial(12, false));
    lista->setColumnCount(kColonneFisse + 5);
    lista->setHeaderLabels({QCoreApplication::translate("PanelPunti", "Partita"),
                            QCoreApplication::translate("PanelPunti", "Chiamante"),
                            QCoreApplication::translate("PanelPunti", "Socio"),
                            QCoreApplication::translate("PanelPunti", "Chiamata"), QString(),
                            QString(), QString(), QString(), QString()});
    ScalaTavolo::ImpostaColonne(lista, {50, 75, 75, 80, 40, 40, 40, 40, 40});
    for (int s = 0; s < 5; ++s) {
        lista->headerItem()->setTextAlignment(kColonneFisse + s, Qt::AlignRight | Qt::AlignVCenter);
    }

    const QColor grigio(Qt::gray);
    dettaglio = Etichetta(this, QRect(7, 171, 79, 17), QString(), grigio);
    dettaglio->setObjectName(QStringLiteral("lblGiocDettaglio"));
    dettaglio->setTextFormat(Qt::PlainText);

    // Two arrows side by side choosing the seat, stopping at either end.
    sinistra = new QToolButton(this);
    sinistra->setArrowType(Qt::LeftArrow);
    ScalaTavolo::Colloca(sinistra, QRect(7, 190, 39, 17));
    destra = new QToolButton(this);
    destra->setArrowType(Qt::RightArrow);
    ScalaTavolo::Colloca(destra, QRect(47, 190, 39, 17));
    connect(sinistra, &QToolButton::released, this, [this] { UpDownGiocMouseUp(-1); });
    connect(destra, &QToolButton::released, this, [this] { UpDownGiocMouseUp(1); });

    puntiGioc = Etichetta(this, QRect(7, 211, 79, 30), QStringLiteral("0"), Qt::black);
    puntiGioc->setObjectName(QStringLiteral("lblPuntiGioc"));
    ScalaTavolo::ImpostaCarattere(puntiGioc, Arial(27, true));

    modoPunti = new QPushButton(QCoreApplication::translate("PanelPunti", "Situazione"), this);
    modoPunti->setObjectName(QStringLiteral("btnModoPunti"));
    ScalaTavolo::Colloca(modoPunti, QRect(106, 171, 66, 17));
    ScalaTavolo::ImpostaCarattere(modoPunti, modoPunti->font());
    modoPunti->setFlat(true);
    connect(modoPunti, &QPushButton::clicked, this, [this] { btnModoPuntiClick(); });

    const std::array<QString, 3> righe{QCoreApplication::translate("PanelPunti", "Vinte"),
                                       QCoreApplication::translate("PanelPunti", "Perse"),
                                       QCoreApplication::translate("PanelPunti", "Totale")};
    const std::array<QString, 4> colonne{QCoreApplication::translate("PanelPunti", "Chiamante"),
                                         QCoreApplication::translate("PanelPunti", "Socio"),
                                         QCoreApplication::translate("PanelPunti", "Avversario"),
                                         QCoreApplication::translate("PanelPunti", "Totale")};
    const QString lettereRiga = QStringLiteral("VPT");
    const QString lettereColonna = QStringLiteral("CSAT");
    for (int c = 0; c < 4; ++c) {
        Etichetta(this, QRect(175 + 80 * c, 171, 79, 17), colonne[static_cast<std::size_t>(c)],
                  grigio);
    }
    for (int r = 0; r < 3; ++r) {
        Etichetta(this, QRect(107, 190 + 18 * r, 65, 17), righe[static_cast<std::size_t>(r)],
                  QColor(0, 255, 0));
        for (int c = 0; c < 4; ++c) {
            QLabel* cella = Etichetta(this, QRect(175 + 80 * c, 190 + 18 * r, 79, 17),
                                      QStringLiteral("0"), Qt::red);
            cella->setObjectName(QStringLiteral("lbl") + lettereRiga[r] + lettereColonna[c]);
            celle[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cella;
        }
    }
    hide();

    // Cards and markers raise themselves when shown; the panel, while open, stays in front.
    if (padre != nullptr) {
        padre->installEventFilter(this);
        for (QObject* fratello : padre->children()) {
            if (fratello != this) {
                fratello->installEventFilter(this);
            }
        }
    }
}

bool PanelPunti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == parent() && evento->type() == QEvent::ChildAdded) {
        QObject* figlio = static_cast<QChildEvent*>(evento)->child();
        if (figlio != this) {
            figlio->installEventFilter(this);
        }
    } else if (oggetto != parent() && evento->type() == QEvent::ZOrderChange && isVisible()) {
        raise();
    }
    return QWidget::eventFilter(oggetto, evento);
}

QLabel* PanelPunti::Cella(int esito, int ruolo) const {
    return celle.at(static_cast<std::size_t>(esito)).at(static_cast<std::size_t>(ruolo));
}

QString PanelPunti::Percentuale(double rapporto) {
    // The small allowance keeps a ratio that is exact in tenths (0.3) from being raised by the
    // rounding of its binary form.
    const auto millesimi = static_cast<long long>(std::ceil(rapporto * 1000.0 - 1e-9));
    QString testo = QString::number(millesimi / 10);
    if (millesimi % 10 != 0) {
        testo += QLatin1Char('.') + QString::number(millesimi % 10);
    }
    return testo + QLatin1Char('%');
}

QString PanelPunti::Media(int totale, int partite) {
    const double media = static_cast<double>(totale) / partite;
    const double assoluto = std::fabs(media);
    const int cifreIntere =
        assoluto >= 1.0 ? static_cast<int>(std::floor(std::log10(assoluto))) + 1 : 1;
    const int decimali = std::clamp(5 - cifreIntere, 0, 4);
    const double scala = std::pow(10.0, decimali);
    return QString::number(std::round(media * scala) / scala, 'f', 4);
}

void PanelPunti::SvuotaLista() {
    lista->clear();
}

void PanelPunti::AggiornaPunti() {
    lista->hide();
    lista->clear();
    ImpostaNomi();
    StatisticheGiocatore(posizione);

    const int partite = storia->numeroPartite;
    for (int s = 0; s < 5; ++s) {
        QLabel* etichetta = punti[static_cast<std::size_t>(s)];
        if (!soloComputer) {
            etichetta->setText(QString::number(storia->Totale(s)));
        } else if (partite > 0 && partite % 5 == 0) {
            etichetta->setText(Media(storia->Totale(s), partite));
        }
    }

    // Newest first; each row shows the standings after its game, so the totals are walked
    // back one game at a time.
    std::array<int, 5> correnti{};
    for (int s = 0; s < 5; ++s) {
        correnti[static_cast<std::size_t>(s)] = storia->Totale(s);
    }
    QList<QTreeWidgetItem*> righe;
    for (int g = partite - 1; g >= storia->PrimaPartitaTenuta(); --g) {
        auto* riga = new QTreeWidgetItem;
        riga->setText(0, QString::number(g + 1));
        // The list cuts what its columns cannot hold; the tooltips give names whole.
        for (const auto& [colonna, giocatore] :
             {std::pair{1, storia->Chiamante(g)}, std::pair{2, storia->Socio(g)}}) {
            riga->setText(colonna, nomeGiocatore(giocatore));
            riga->setToolTip(colonna, TooltipLetterale(nomeGiocatore(giocatore)));
        }
        riga->setText(3, TestoChiamata(storia->ChiamataPartita(g), nomiCarte));
        for (int s = 0; s < 5; ++s) {
            riga->setText(kColonneFisse + s,
                          QString::number(correnti[static_cast<std::size_t>(s)]));
            riga->setTextAlignment(kColonneFisse + s, Qt::AlignRight | Qt::AlignVCenter);
            correnti[static_cast<std::size_t>(s)] -= storia->Punteggio(g, s);
        }
        for (int c = 0; c < lista->columnCount(); ++c) {
            riga->setForeground(c, coloreTesto);
        }
        righe.append(riga);
    }
    lista->addTopLevelItems(righe);
    lista->show();
}

void PanelPunti::StatisticheGiocatore(int giocatore) {
    MostraEliso(*dettaglio, nomeGiocatore(posizione));
    puntiGioc->setText(QString::number(storia->Totale(giocatore)));
    modoPunti->setText(modoPercentuale ? QCoreApplication::translate("PanelPunti", "Percentuali")
                                       : QCoreApplication::translate("PanelPunti", "Situazione"));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            Cella(r, c)->setText(modoPercentuale
                                     ? Percentuale(storia->Rapporto(c, r, giocatore))
                                     : QString::number(storia->Statistiche(c, r, giocatore)));
        }
    }
}

void PanelPunti::ImpostaNomi() {
    for (int s = 0; s < 5; ++s) {
        lista->headerItem()->setText(kColonneFisse + s, nomeGiocatore(s));
        lista->headerItem()->setToolTip(kColonneFisse + s, TooltipLetterale(nomeGiocatore(s)));
    }
}

void PanelPunti::ImpostaColori(const QColor& sfondo, const QColor& testo) {
    coloreTesto = testo;
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        for (int c = 0; c < lista->columnCount(); ++c) {
            lista->topLevelItem(i)->setForeground(c, testo);
        }
    }
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, sfondo);
    setPalette(tavolozza);
    QPalette tavolozzaLista = lista->palette();
    tavolozzaLista.setColor(QPalette::Base, sfondo);
    tavolozzaLista.setColor(QPalette::Window, sfondo);
    tavolozzaLista.setColor(QPalette::Text, testo);
    tavolozzaLista.setColor(QPalette::WindowText, testo);
    lista->setPalette(tavolozzaLista);
    lista->viewport()->setPalette(tavolozzaLista);
    ColoreTesto(puntiGioc, testo);
    for (QLabel* etichetta : punti) {
        ColoreTesto(etichetta, testo);
    }
}

void PanelPunti::UpDownGiocMouseUp(int passo) {
    posizione = std::clamp(posizione + passo, 0, 4);
    StatisticheGiocatore(posizione);
}

void PanelPunti::btnModoPuntiClick() {
    modoPercentuale = !modoPercentuale;
    StatisticheGiocatore(posizione);
}
