#include "finestre/TavoloDiProva.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "comune/Percorsi.h"
#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "finestre/TfrmStato.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"

TavoloDiProva::TavoloDiProva(int tipoGiocatori, std::uint32_t seme, const QString& righeOpzioni) {
    // The thread's own test table, not another window's.
    ImpostaTavoloDelTest(nullptr);
    AzzeraStatoGlobale();
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    fileOpzioni = QString::fromStdString(cartella.File("BriscolaChiamata.ini"));
    QFile file(fileOpzioni);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(righeOpzioni.toUtf8());
    }
    file.close();
    finestra = std::make_unique<TfrmBriscolaMain>(seme, tipoGiocatori);
    ImpostaTavoloDelTest(&finestra->TavoloGioco().Stato());
    const QString build = QStringLiteral(PENTALUDO_FINESTRE_BUILD);
    // The window owns its options dialog, as in the program.
    auto* opzioni = new TfrmOpzioni(fileOpzioni, build + QStringLiteral("/Carte"),
                                    build + QStringLiteral("/Sfondi"), finestra.get());
    finestra->ImpostaFinestraOpzioni(opzioni);
    finestra->show();
}

TavoloDiProva::~TavoloDiProva() {
    ImpostaTavoloDelTest(nullptr);
    finestra.reset();
    AzzeraStatoGlobale();
}

bool TavoloDiProva::Avviato() const {
    return finestra->Immagine(0) != nullptr;
}

bool TavoloDiProva::AttendiInattivo(int millisecondi) const {
    return AttendiCondizione(
        [this] {
            const CicloGioco& ciclo = finestra->Ciclo();
            return Avviato() && !ciclo.Attivo() && !ciclo.InPasso();
        },
        millisecondi);
}

void SalvaSchermata(QWidget& widget, const QString& nome) {
    const QString cartella = QStringLiteral(PENTALUDO_BUILD) + QStringLiteral("/schermate");
    QDir().mkpath(cartella);
    widget.grab().save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
}

bool AttendiCondizione(const std::function<bool()>& condizione, int millisecondi) {
    if (condizione()) {
        return true;
    }
    QEventLoop ciclo;
    QTimer controllo;
    controllo.setInterval(1);
    QObject::connect(&controllo, &QTimer::timeout, &ciclo, [&] {
        if (condizione()) {
            ciclo.quit();
        }
    });
    QTimer::singleShot(millisecondi, &ciclo, &QEventLoop::quit);
    controllo.start();
    ciclo.exec();
    return condizione();
}

int NumeroStato(const TfrmBriscolaMain& finestra) {
    const Partita* partita = finestra.SemaforoGioco().PartitaCorrente();
    return partita != nullptr ? static_cast<int>(partita->Stato()) : -1;
}

std::vector<Carta> ManoUmano() {
    std::vector<Carta> carte;
    for (int k = 0; k < 8; ++k) {
        const Carta c = Registro().CartaInMano(kUmano, k);
        if (c.Definita()) {
            carte.push_back(c);
        }
    }
    return carte;
}

void Clicca(TfrmBriscolaMain& finestra, const Carta& carta) {
    ImmagineCarta* immagine = finestra.Immagine(carta.Indice());
    ASSERT_NE(immagine, nullptr);
    QTest::mouseClick(immagine, Qt::LeftButton, {}, QPoint(27, 50));
}

void DecidiComeUmano(TfrmBriscolaMain& finestra) {
    switch (NumeroStato(finestra)) {
    case 1:
        finestra.ImpostaChiamataScelta(
            Registro().chiamata.Valore == kNessunaChiamata ? Chiamata(kFante) : ChiamataPasso);
        finestra.Ciclo().Sveglia();
        break;
    case 4:
        finestra.ImpostaBriscolaScelta(Briscola(kCuori));
        finestra.Ciclo().Sveglia();
        break;
    case 5:
        Clicca(finestra, ManoUmano().front());
        break;
    default:
        break;
    }
}

void GiocaFinche(TavoloDiProva& tavolo, const std::function<bool()>& fine) {
    while (!fine()) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        if (!tavolo.Finestra().SemaforoGioco().InCorso()) {
            tavolo.Finestra().menuNuovaPartitaClick();
            continue;
        }
        DecidiComeUmano(tavolo.Finestra());
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

QString NomeDi(int giocatore) {
    return QStringLiteral("Nome%1").arg(giocatore);
}

QString Testo(const TfrmStato& stato, const char* nome) {
    const auto* casella = stato.findChild<QLineEdit*>(QString::fromLatin1(nome));
    return casella != nullptr ? casella->text() : QStringLiteral("(manca)");
}
