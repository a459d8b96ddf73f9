#include "finestre/Avvio.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>

#include <exception>
#include <memory>

#include "comune/Percorsi.h"
#include "comune/Testo.h"
#include "finestre/Dialoghi.h"
#include "finestre/FileOpzioni.h"
#include "finestre/Lingua.h"
#include "finestre/RigaDiComando.h"
#include "finestre/TfrmAboutBox.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "finestre/TfrmStato.h"
#include "ia/RegistraRegole.h"

QString CartellaDatiGioco(const QString& cartellaProgramma, const QString& nome) {
    const QString accanto = QDir(cartellaProgramma).filePath(nome);
    if (QFileInfo(accanto).isDir()) {
        return accanto;
    }
    const QString installata =
        QDir(QString::fromStdString(CartellaDatiInstallati())).filePath(nome);
    if (QFileInfo(installata).isDir()) {
        return installata;
    }
    return accanto;
}

CartelleGioco TrovaCartelleGioco(const QString& cartellaProgramma) {
    CartelleGioco cartelle;
    cartelle.carte = CartellaDatiGioco(cartellaProgramma, QStringLiteral("Carte"));
    cartelle.sfondi = CartellaDatiGioco(cartellaProgramma, QStringLiteral("Sfondi"));
    const QString nome = QStringLiteral("BriscolaChiamata.ini");
    // A build tree or a portable copy keeps its options beside the program; an installed game
    // (its data under share/) never writes into bin/, even where it could.
    const QFileInfo programma(cartellaProgramma);
    const bool portatile =
        QFileInfo(QDir(cartellaProgramma).filePath(QStringLiteral("Carte"))).isDir();
    if (portatile && programma.isWritable()) {
        cartelle.fileOpzioni = QDir(cartellaProgramma).filePath(nome);
    } else {
        const QString configurazione =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/pentaludo");
        QDir().mkpath(configurazione);
        cartelle.fileOpzioni = QDir(configurazione).filePath(nome);
    }
    cartelle.manuale = QDir(CartellaDatiGioco(cartellaProgramma, QStringLiteral("manuale")))
                           .filePath(QStringLiteral("index.html"));
    return cartelle;
}

QString ManualeNellaLingua(const QString& manuale) {
    if (!LinguaInglese()) {
        return manuale;
    }
    const QFileInfo italiano(manuale);
    const QString inglese = italiano.dir().filePath(italiano.completeBaseName() +
                                                    QStringLiteral(".en.") + italiano.suffix());
    return QFileInfo::exists(inglese) ? inglese : manuale;
}

void ImpostaApplicazione() {
    QApplication::setApplicationName(QStringLiteral("Pentaludo"));
    // No display name: Qt would append it to every caption the window system shows.
    QApplication::setDesktopFileName(QStringLiteral("org.pentaludo.Pentaludo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pentaludo/pentaludo-128.png")));
    CaricaTraduzioniQt(QLocale(QLocale::Italian, QLocale::Italy));
}

int AvviaGioco(const QStringList& argomenti) {
    const ArgomentiAvvio avvio = LeggiRigaDiComando(argomenti);
    ImpostaApplicazione();
    const QString cartellaProgramma = QCoreApplication::applicationDirPath();
    ImpostaCartellaProgramma(cartellaProgramma.toStdString());
    AvviaLogIA();

    // The language is chosen before any window is made, since each takes its texts when made.
    CartelleGioco cartelle = TrovaCartelleGioco(cartellaProgramma);
    const auto byteOpzioni = LeggiFile(QFile::encodeName(cartelle.fileOpzioni).toStdString());
    const ValoriOpzioni valori = LeggiOpzioni(byteOpzioni ? *byteOpzioni : std::string());
    ImpostaLingua(LinguaFinestra(valori.lingua, QLocale::system()));
    cartelle.manuale = ManualeNellaLingua(cartelle.manuale);

    std::unique_ptr<TfrmBriscolaMain> principale;
    // The dialogs belong to the main window, their Qt parent, and go with it.
    TfrmOpzioni* opzioni = nullptr;
    try {
        principale = std::make_unique<TfrmBriscolaMain>(avvio.semeCasuale, avvio.tipoGiocatori);
        // A seeded or computer-only run is there to be repeated: it neither keeps nor resumes.
        if (avvio.tipoGiocatori == 0 && avvio.semeCasuale == 0) {
            principale->ImpostaFileConservato(FileSerieConservata());
        }
        opzioni = new TfrmOpzioni(cartelle.fileOpzioni, cartelle.carte, cartelle.sfondi,
                                  principale.get());
        principale->ImpostaFinestraOpzioni(opzioni);
        auto* about = new TfrmAboutBox(cartelle.manuale, principale.get());
        auto* stato = new TfrmStato(
            [finestra = opzioni](int i) { return finestra->NomeGiocatore(i); }, principale.get());
        principale->ImpostaFinestreInfo(about, stato);
    } catch (const std::exception& e) {
        DialoghiCorrenti().Messaggio(nullptr, QStringLiteral("Pentaludo"),
                                     QString::fromUtf8(e.what()), Dialoghi::Icona::Errore);
        // Options read before the failure are kept, as at a normal end.
        if (opzioni != nullptr) {
            opzioni->Salva();
        }
        return 1;
    }
    principale->show();
    const int esito = QApplication::exec();
    // The options are written at the end as well as when confirmed, so the file is there for
    // the next run even if they were never opened.
    opzioni->Salva();
    return esito;
}
