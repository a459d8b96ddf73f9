#include "finestre/TestoEliso.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>

namespace {

// Qt's line edit keeps this many pixels free at each side of its text.
constexpr int kMargineLineEdit = 2;

template <typename Controllo>
void Mostra(Controllo& controllo, const QString& testo) {
    const QString visibile = Eliso(controllo.fontMetrics(), testo, LarghezzaTesto(controllo));
    controllo.setText(visibile);
    controllo.setToolTip(visibile == testo ? QString() : TooltipLetterale(testo));
}

} // namespace

QString TooltipLetterale(const QString& testo) {
    if (!Qt::mightBeRichText(testo)) {
        return testo;
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + testo.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString Eliso(const QFontMetrics& metrica, const QString& testo, int larghezza) {
    return metrica.elidedText(testo, Qt::ElideRight, larghezza);
}

int LarghezzaTesto(const QLabel& etichetta) {
    return etichetta.contentsRect().width() - 2 * etichetta.margin();
}

int LarghezzaTesto(const QLineEdit& casella) {
    QStyleOptionFrame opzioni;
    opzioni.initFrom(&casella);
    opzioni.lineWidth =
        casella.hasFrame()
            ? casella.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzioni, &casella)
            : 0;
    const QRect interno =
        casella.style()->subElementRect(QStyle::SE_LineEditContents, &opzioni, &casella);
    const QMargins margini = casella.textMargins();
    return interno.width() - margini.left() - margini.right() - 2 * kMargineLineEdit;
}

void MostraEliso(QLabel& etichetta, const QString& testo) {
    Mostra(etichetta, testo);
}

void MostraEliso(QLineEdit& casella, const QString& testo) {
    Mostra(casella, testo);
    casella.setCursorPosition(0);
}
