#include "finestre/PanelLicitazione.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

#include "carte/Carta.h"
#include "carte/NomiCarte.h"
#include "finestre/DisegniPulsanti.h"
#include "finestre/Maschere.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/SegnoTastiera.h"
#include "finestre/SuperficieMascherata.h"

namespace {

struct PostoValore {
    int valore;
    QPoint faccia;
    QRect etichetta;
    const char* testo;
};

// The arc of ranks, from Asso at the left down to Fante and Sette and up to Due at the right.
constexpr std::array<PostoValore, 10> kPostiValore = {{
    {kAsso, {1, 21}, {2, 30, 49, 30}, "A"},
    {8, {50, 49}, {53, 58, 42, 34}, "3"},
    {kRe, {102, 70}, {105, 79, 44, 29}, "R"},
    {6, {151, 83}, {153, 93, 46, 35}, "D"},
    {5, {201, 88}, {201, 97, 49, 30}, "F"},
    {4, {251, 88}, {256, 97, 41, 36}, "7"},
    {3, {301, 83}, {307, 92, 37, 35}, "6"},
    {2, {350, 70}, {357, 79, 34, 30}, "5"},
    {1, {402, 49}, {410, 58, 33, 33}, "4"},
    {kDue, {451, 21}, {457, 30, 37, 33}, "2"},
}};

struct PostoSeme {
    int seme;
    QPoint faccia;
    QRect immagine;
};

constexpr std::array<PostoSeme, 4> kPostiSeme = {{
    {3, {306, 7}, {317, 18, 26, 27}},
    {1, {197, 2}, {210, 13, 25, 26}},
    {2, {252, 2}, {264, 14, 27, 27}},
    {0, {143, 7}, {154, 19, 26, 24}},
}};

const QColor kGiallo(250, 210, 30);
const QColor kBlu(40, 90, 200);
const QColor kVerde(30, 150, 60);
const QColor kRosso(255, 0, 0);
const QColor kAcqua(0, 255, 255);
const QColor kLime(0, 255, 0);

template <typename Disegno>
FacciaPulsante Faccia(Disegno disegno) {
    return {disegno(1), disegno(2)};
}

FacciaPulsante MascheraDi(int larghezza, int altezza) {
    return {MascheraEllisse(larghezza, altezza, 1), MascheraEllisse(larghezza, altezza, 2)};
}

QLabel* Etichetta(QWidget* padre, const QRect& area, const QString& testo, int pixel,
                  bool grassetto, const QColor& colore) {
    auto* etichetta = new QLabel(testo, padre);
    ScalaTavolo::Colloca(etichetta, area);
    etichetta->setAlignment(Qt::AlignCenter);
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(pixel);
    carattere.setBold(grassetto);
    ScalaTavolo::ImpostaCarattere(etichetta, carattere);
    QPalette tavolozza = etichetta->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    etichetta->setPalette(tavolozza);
    etichetta->setAttribute(Qt::WA_TranslucentBackground);
    return etichetta;
}

QString TestoPunti(int punti) {
    return QCoreApplication::translate("PanelLicitazione", "Chiama il due al %1").arg(punti);
}

} // namespace

PanelLicitazione::PanelLicitazione(const SfondoTavolo& sfondo, QWidget* tavolo)
    : QWidget(tavolo), sfondo(sfondo) {
    ScalaTavolo::Colloca(this, QRect(0, 62, 500, 137));
    // Nothing of its own is painted: the table shows through but for the buttons.
    setAttribute(Qt::WA_TranslucentBackground);

    const FacciaPulsante discoGiallo =
        Faccia([](int s) { return DisegnaDisco(kGiallo, 50, false, s); });
    const FacciaPulsante discoGialloGiu =
        Faccia([](int s) { return DisegnaDisco(kGiallo, 48, true, s); });
    const FacciaPulsante discoVerde =
        Faccia([](int s) { return DisegnaDisco(kVerde, 50, false, s); });
    const FacciaPulsante discoVerdeGiu =
        Faccia([](int s) { return DisegnaDisco(kVerde, 48, true, s); });
    const FacciaPulsante ovale = Faccia([](int s) { return DisegnaOvale(kBlu, false, s); });
    const FacciaPulsante ovaleGiu = Faccia([](int s) { return DisegnaOvale(kBlu, true, s); });
    const FacciaPulsante piccolo = Faccia([](int s) { return DisegnaDisco(kBlu, 24, false, s); });
    const FacciaPulsante piccoloGiu = Faccia([](int s) { return DisegnaDisco(kBlu, 24, true, s); });
    const FacciaPulsante mascheraDisco = MascheraDi(48, 48);
    const FacciaPulsante mascheraOvale = MascheraDi(80, 23);
    const FacciaPulsante mascheraPiccola = MascheraDi(24, 24);

    for (const PostoValore& posto : kPostiValore) {
        QLabel* etichetta =
            Etichetta(this, posto.etichetta, QString::fromLatin1(posto.testo), 27, true, kRosso);
        etichetta->setWordWrap(true);
        labelValore[static_cast<std::size_t>(posto.valore)] = etichetta;
        pulsantiValore[static_cast<std::size_t>(posto.valore)] =
            CreaPulsante(QRect(posto.faccia, QSize(49, 49)), etichetta, discoGiallo, discoGialloGiu,
                         mascheraDisco);
    }
    // The small pass captions sit at the top of their labels, in the middle of the oval.
    labelPasso[0] = Etichetta(this, QRect(1, 107, 81, 33), tr("PASSO"), 12, true, kAcqua);
    labelPasso[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pulsantiPasso[0] =
        CreaPulsante(QRect(0, 104, 81, 33), labelPasso[0], ovale, ovaleGiu, mascheraOvale);
    labelPasso[1] = Etichetta(this, QRect(418, 108, 81, 30), tr(" PASSO"), 12, true, kAcqua);
    labelPasso[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pulsantiPasso[1] =
        CreaPulsante(QRect(419, 104, 81, 33), labelPasso[1], ovale, ovaleGiu, mascheraOvale);
    for (const PostoSeme& posto : kPostiSeme) {
        auto* immagine = new QLabel(this);
        ScalaTavolo::Colloca(immagine, posto.immagine);
        immagine->setScaledContents(true);
        immagine->setAttribute(Qt::WA_TranslucentBackground);
        ScalaTavolo::ImpostaFigura(immagine, DisegnaSeme(posto.seme, 1),
                                   DisegnaSeme(posto.seme, 2));
        immagineSeme[static_cast<std::size_t>(posto.seme)] = immagine;
        pulsantiSeme[static_cast<std::size_t>(posto.seme)] = CreaPulsante(
            QRect(posto.faccia, QSize(49, 49)), immagine, discoVerde, discoVerdeGiu, mascheraDisco);
    }
    labelMeno = Etichetta(this, QRect(191, 47, 23, 36), QStringLiteral("-"), 32, false, kAcqua);
    labelMeno->setToolTip(tr("Diminuisce i punti"));
    pulsanteMeno =
        CreaPulsante(QRect(190, 56, 28, 28), labelMeno, piccolo, piccoloGiu, mascheraPiccola);
    labelPiu = Etichetta(this, QRect(293, 50, 19, 36), QStringLiteral("+"), 32, false, kAcqua);
    labelPiu->setToolTip(tr("Aumenta i punti"));
    pulsantePiu =
        CreaPulsante(QRect(291, 56, 28, 28), labelPiu, piccolo, piccoloGiu, mascheraPiccola);
    labelPunti = Etichetta(this, QRect(229, 49, 49, 33), QStringLiteral("61"), 27, true, kLime);
    labelPunti->setToolTip(TestoPunti(61));
    pulsantePunti =
        CreaPulsante(QRect(228, 39, 49, 49), labelPunti, discoVerde, discoVerdeGiu, mascheraDisco);

    // Every control lies above every face, whatever the order the faces were made in.
    for (const auto& pulsante : pulsanti.Pulsanti()) {
        pulsante->Comando()->raise();
    }
    segno = new SegnoTastiera(SegnoTastiera::Forma::Ellisse, this);
    hide();
}

PanelLicitazione::~PanelLicitazione() = default;

TipoPulsante* PanelLicitazione::CreaPulsante(const QRect& riquadro, QWidget* comando,
                                             const FacciaPulsante& su, const FacciaPulsante& giu,
                                             const FacciaPulsante& maschera) {
    auto* superficie = new SuperficieMascherata(sfondo, this);
    ScalaTavolo::Colloca(superficie, riquadro);
    comando->installEventFilter(this);
    return &pulsanti.Aggiungi(
        std::make_unique<TipoPulsante>(superficie, comando, su, giu, maschera));
}

void PanelLicitazione::ImpostaAttivo(bool attivo) {
    setEnabled(attivo);
    if (attivo) {
        setGraphicsEffect(nullptr);
    } else if (graphicsEffect() == nullptr) {
        auto* sbiadito = new QGraphicsOpacityEffect;
        sbiadito->setOpacity(0.35);
        setGraphicsEffect(sbiadito);
    }
}

void PanelLicitazione::Prepara() {
    ImpostaAttivo(true);
    Segna(nullptr);
    for (QLabel* immagine : immagineSeme) {
        immagine->hide();
    }
    // A button whose release never came (its control was hidden under the mouse) starts afresh.
    for (const auto& pulsante : pulsanti.Pulsanti()) {
        if (!pulsante->Su()) {
            pulsante->Rilascia();
        }
    }
    for (TipoPulsante* pulsante : pulsantiValore) {
        pulsante->Mostra(true);
    }
    ImpostaPunti(61);
    for (TipoPulsante* pulsante :
         {pulsantePiu, pulsanteMeno, pulsantePunti, pulsantiPasso[0], pulsantiPasso[1]}) {
        pulsante->Mostra(true);
    }
    for (TipoPulsante* pulsante : pulsantiSeme) {
        pulsante->Mostra(false);
    }
}

void PanelLicitazione::SeguiChiamata(const Chiamata& chiamata) {
    // Past the Due at 120 nothing can be bid: the counter stops at 120, and a click on it is a
    // bid the game turns into a pass.
    if (punti <= chiamata.Punti) {
        ImpostaPunti(std::min(chiamata.Punti + 1, kPuntiMassimi));
    }
    if (chiamata.Valore < 0 || chiamata.Valore > 9) {
        return;
    }
    for (int valore = chiamata.Valore; valore < 10; ++valore) {
        labelValore[static_cast<std::size_t>(valore)]->hide();
    }
    if (Segnato() == nullptr) {
        Segna(nullptr);
    }
}

void PanelLicitazione::ModoSeme() {
    Segna(nullptr);
    for (TipoPulsante* pulsante : pulsantiSeme) {
        pulsante->Mostra(true);
    }
    for (TipoPulsante* pulsante : {pulsantePiu, pulsanteMeno, pulsantePunti}) {
        pulsante->Mostra(false);
    }
    for (QLabel* etichetta : labelValore) {
        etichetta->hide();
    }
    for (QLabel* etichetta : labelPasso) {
        etichetta->hide();
    }
}

void PanelLicitazione::ImpostaPunti(int nuovi) {
    punti = nuovi;
    labelPunti->setText(QString::number(punti));
}

void PanelLicitazione::Diminuisci(int minimo) {
    if (punti > minimo) {
        ImpostaPunti(punti - 1);
    }
    labelPunti->setToolTip(TestoPunti(punti));
}

void PanelLicitazione::Aumenta() {
    if (punti < kPuntiMassimi) {
        ImpostaPunti(punti + 1);
    }
    labelPunti->setToolTip(TestoPunti(punti));
}

void PanelLicitazione::ImpostaNomi(const NomiCarte& nomi) {
    for (int valore = 0; valore < 10; ++valore) {
        const int faccia = kIndiceFaccia[static_cast<std::size_t>(valore)];
        QLabel* etichetta = labelValore[static_cast<std::size_t>(valore)];
        etichetta->setText(QString::fromStdString(nomi.Valore(faccia, true)));
        etichetta->setToolTip(QString::fromStdString(nomi.Valore(faccia, false)));
    }
    for (int seme = 0; seme < 4; ++seme) {
        immagineSeme[static_cast<std::size_t>(seme)]->setToolTip(
            QString::fromStdString(nomi.Seme(seme, false)));
    }
}

void PanelLicitazione::CaricaSemi(const QString& cartella) {
    for (int seme = 0; seme < 4; ++seme) {
        const QString nome = cartella + QStringLiteral("/S") + QString::number(seme);
        const QImage normale(nome + QStringLiteral(".bmp"));
        if (normale.isNull()) {
            return;
        }
        const QImage doppia(nome + QStringLiteral("@2x.bmp"));
        QLabel* immagine = immagineSeme[static_cast<std::size_t>(seme)];
        ScalaTavolo::ImpostaFigura(immagine, normale, doppia);
    }
}

Chiamata PanelLicitazione::ChiamataDi(const QObject* comando) const {
    for (int valore = 0; valore < 10; ++valore) {
        if (comando == labelValore[static_cast<std::size_t>(valore)]) {
            return Chiamata(valore);
        }
    }
    if (comando == labelPasso[0] || comando == labelPasso[1]) {
        return ChiamataPasso;
    }
    if (comando == labelPunti) {
        return Chiamata(std::clamp(punti, 61, kPuntiMassimi));
    }
    return ChiamataNulla;
}

int PanelLicitazione::SemeDi(const QObject* comando) const {
    const auto trovata = std::find(immagineSeme.begin(), immagineSeme.end(), comando);
    return trovata == immagineSeme.end() ? -1 : static_cast<int>(trovata - immagineSeme.begin());
}

QLabel* PanelLicitazione::EtichettaValore(int valore) const {
    return valore >= 0 && valore < 10 ? labelValore[static_cast<std::size_t>(valore)] : nullptr;
}

QLabel* PanelLicitazione::EtichettaPasso(int quale) const {
    return quale >= 0 && quale < 2 ? labelPasso[static_cast<std::size_t>(quale)] : nullptr;
}

QLabel* PanelLicitazione::ImmagineSeme(int seme) const {
    return seme >= 0 && seme < 4 ? immagineSeme[static_cast<std::size_t>(seme)] : nullptr;
}

void PanelLicitazione::Cliccato(QObject* comando) {
    if (comando == labelMeno) {
        emit MenoCliccato();
    } else if (comando == labelPiu) {
        emit PiuCliccato();
    } else if (const int seme = SemeDi(comando); seme >= 0) {
        emit SemeCliccato(seme);
    } else {
        emit ChiamataCliccata(ChiamataDi(comando));
    }
}

bool PanelLicitazione::eventFilter(QObject* oggetto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonDblClick &&
        tipo != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(oggetto, evento);
    }
    TipoPulsante* pulsante = pulsanti.Trova(oggetto);
    if (pulsante != nullptr && !isEnabled()) {
        return true;
    }
    const auto* mouse = static_cast<QMouseEvent*>(evento);
    if (pulsante == nullptr || mouse->button() != Qt::LeftButton) {
        return QWidget::eventFilter(oggetto, evento);
    }
    QWidget* comando = pulsante->Comando();
    // A hidden control takes no clicks, even one sent to it directly.
    if (!comando->isVisible()) {
        return true;
    }
    if (tipo == QEvent::MouseButtonRelease) {
        const bool dentro = comando->rect().contains(mouse->position().toPoint());
        const bool premuto = !pulsante->Su();
        pulsante->Rilascia();
        if (dentro && premuto) {
            Cliccato(comando);
        }
    } else {
        pulsante->Premi();
    }
    return true;
}
