// The person's series and game kept between two runs of the window: read back before the first
// step, written when the window closes.

#include "finestre/TfrmBriscolaMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>

#include "comune/Errore.h"
#include "comune/ScritturaAtomica.h"
#include "finestre/CicloGioco.h"
#include "finestre/PanelPunti.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "partita/FileStoria.h"

namespace {

// A kept file that could not be read goes beside it under a name of its own, never over one
// put aside before.
void MettiDaParte(const QString& percorso) {
    const QString base = percorso + QStringLiteral(".illeggibile");
    QString nome = base;
    for (int n = 2; QFileInfo::exists(nome); ++n) {
        nome = base + QLatin1Char('-') + QString::number(n);
    }
    QFile::rename(percorso, nome);
}

} // namespace

QString FileSerieConservata() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("SerieInCorso.txt"));
}

void TfrmBriscolaMain::AnnotaInizioPartita() {
    inizioPartita.generatoreGiocatori = TavoloGioco().GeneratoreAiGiocatori();
    inizioPartita.generatorePartita = TavoloGioco().Stato().generatore;
    inizioPartita.generatoreFinestra = generatoreFinestra;
    inizioPartita.esperti = espertiAlTavolo;
    inizioPartita.manoAlBuio = SemaforoGioco().ManoAlBuio();
    inizioPartita.puntiMonte = SemaforoGioco().PuntiMonte();
}

void TfrmBriscolaMain::PrimaDiUscire() {
    // A hosted table is saved as the server saves it when it stops; the window keeps its own
    // series, not the table's.
    LasciaTavolo();
    if (fileConservato.isEmpty() || soloComputer) {
        return;
    }
    PartitaConservata conservata = inizioPartita;
    RilevaPartita(TavoloGioco(), conservata);
    QDir().mkpath(QFileInfo(fileConservato).absolutePath());
    if (!ScriviFileAtomico(QFile::encodeName(fileConservato).toStdString(),
                           ScriviPartitaConservata(conservata))) {
        MostraErrore(tr("Impossibile conservare la serie in corso in %1.")
                         .arg(QDir::toNativeSeparators(fileConservato)));
    }
}

void TfrmBriscolaMain::PrimaDiGiocare() {
    if (fileConservato.isEmpty() || soloComputer) {
        return;
    }
    QFile file(fileConservato);
    if (!file.exists()) {
        return;
    }
    PartitaConservata conservata;
    try {
        if (!file.open(QIODevice::ReadOnly)) {
            throw Errore("Il file non si può aprire");
        }
        const QByteArray byte = file.readAll();
        file.close();
        conservata = LeggiPartitaConservata(
            std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
        // Played through away from the table first: a game that does not go as kept changes
        // nothing here.
        ProvaPartitaConservata(conservata, OpzioniGiocatori(conservata.esperti));
    } catch (const std::exception&) {
        file.close();
        MettiDaParte(fileConservato);
        MostraErrore(tr("La serie conservata in %1 non si può leggere: si comincia "
                        "una serie nuova.")
                         .arg(QDir::toNativeSeparators(fileConservato)));
        return;
    }
    RiprendiConservata(conservata);
}

void TfrmBriscolaMain::RiprendiConservata(const PartitaConservata& conservata) {
    FileStoria::Leggi(conservata.storia, TavoloGioco().Stato().storia, nullptr);
    panelPunti->AggiornaPunti();
    if (!conservata.inCorso) {
        return;
    }
    lblBenvenuto->hide();
    inizioPartita = conservata;
    espertiAlTavolo = conservata.esperti;
    generatoreFinestra = conservata.generatoreFinestra;
    try {
        RigiocaPartita(TavoloGioco(), *this, 4, conservata, OpzioniGiocatori(espertiAlTavolo));
    } catch (const std::exception& e) {
        MostraErrore(QString::fromUtf8(e.what()));
    }
    // The players were made anew: the loop steps the new ones.
    Ciclo().ImpostaSemaforo(SemaforoGioco());
    if (opzioni != nullptr) {
        cambioGiocatori = opzioni->Esperti() != espertiAlTavolo;
        SemaforoGioco().ImpostaManoAlBuio(opzioni->ManoAlBuio());
        SemaforoGioco().ImpostaPuntiMonte(opzioni->PuntiMonte());
    }
}
