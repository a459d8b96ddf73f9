#include "finestre/TavoloDiProva.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include "comune/Percorsi.h"
#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Semaforo.h"
#include "partita/TipoGiocatori.h"

TavoloDiProva::TavoloDiProva(int tipoGiocatori, std::uint32_t seme, const QString& righeOpzioni) {
    AzzeraStatoGlobale();
    ImpostaTipoGiocatori(tipoGiocatori);
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    fileOpzioni = QString::fromStdString(cartella.File("BriscolaChiamata.ini"));
    QFile file(fileOpzioni);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(righeOpzioni.toUtf8());
    }
    file.close();
    finestra = std::make_unique<TfrmBriscolaMain>(seme);
    const QString build = QStringLiteral(PENTALUDO_FINESTRE_BUILD);
    opzioni = std::make_unique<TfrmOpzioni>(fileOpzioni, build + QStringLiteral("/Carte"),
                                            build + QStringLiteral("/Sfondi"), finestra.get());
    finestra->ImpostaFinestraOpzioni(opzioni.get());
    finestra->show();
}

TavoloDiProva::~TavoloDiProva() {
    opzioni.reset();
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
