#include "finestre/SerieSalvata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cerrno>

#include "comune/ScritturaAtomica.h"
#include "finestre/Dialoghi.h"
#include "partita/TipoStoriaPartite.h"

namespace {

QString Titolo() {
    return QCoreApplication::translate("SerieSalvata", "Briscola Chiamata");
}

QString Filtro() {
    return QCoreApplication::translate("SerieSalvata", "Partite a Briscola Chiamata (*.bri)");
}

// Why a file could not be written, as far as the folder tells.
QString MotivoScrittura(const QString& nome, int errore) {
    const QFileInfo file(nome);
    const QFileInfo cartella(file.absolutePath());
    if (!cartella.isDir()) {
        return QCoreApplication::translate("SerieSalvata", "la cartella non esiste");
    }
    if (file.isDir()) {
        return QCoreApplication::translate("SerieSalvata", "con questo nome c'è una cartella");
    }
    if (!cartella.isWritable() || errore == EACCES || errore == EPERM) {
        return QCoreApplication::translate("SerieSalvata", "permesso negato");
    }
    if (errore == ENOSPC) {
        return QCoreApplication::translate("SerieSalvata", "spazio esaurito sul disco");
    }
    if (errore == EROFS) {
        return QCoreApplication::translate("SerieSalvata", "il disco è in sola lettura");
    }
    return QCoreApplication::translate("SerieSalvata", "errore di scrittura");
}

QString Visibile(const QString& nome) {
    return QDir::toNativeSeparators(nome);
}

} // namespace

bool SalvaSerie(QWidget* padre, const TipoStoriaPartite& storia) {
    const QString nome = DialoghiCorrenti().SalvaFile(
        padre, QCoreApplication::translate("SerieSalvata", "Salva Partita"), QString(), Filtro(),
        QStringLiteral("bri"));
    if (nome.isEmpty()) {
        return false;
    }
    errno = 0;
    if (storia.Salva(QFile::encodeName(nome).toStdString())) {
        return true;
    }
    const int errore = errno;
    DialoghiCorrenti().Messaggio(
        padre, Titolo(),
        QCoreApplication::translate("SerieSalvata", "Impossibile salvare la partita in %1: %2.")
            .arg(Visibile(nome), MotivoScrittura(nome, errore)),
        Dialoghi::Icona::Errore);
    return false;
}

bool EsportaPartite(QWidget* padre, const std::string& testo) {
    const QString nome = DialoghiCorrenti().SalvaFile(
        padre, QCoreApplication::translate("SerieSalvata", "Esporta partite"), QString(),
        QCoreApplication::translate("SerieSalvata", "Partite annotate (*.txt)"),
        QStringLiteral("txt"));
    if (nome.isEmpty()) {
        return false;
    }
    errno = 0;
    if (ScriviFileAtomico(QFile::encodeName(nome).toStdString(), testo)) {
        return true;
    }
    const int errore = errno;
    DialoghiCorrenti().Messaggio(
        padre, Titolo(),
        QCoreApplication::translate("SerieSalvata", "Impossibile esportare le partite in %1: %2.")
            .arg(Visibile(nome), MotivoScrittura(nome, errore)),
        Dialoghi::Icona::Errore);
    return false;
}

bool CaricaSerie(QWidget* padre, TipoStoriaPartite& storia) {
    QString nome = DialoghiCorrenti().ApriFile(
        padre, QCoreApplication::translate("SerieSalvata", "Carica Partita"), QString(), Filtro());
    if (nome.isEmpty()) {
        return false;
    }
    // "serie" typed for "serie.bri", as when saving; a file of the very name typed comes first.
    if (!QFileInfo::exists(nome)) {
        nome = ConEstensione(nome, QStringLiteral("bri"));
    }
    if (storia.Carica(QFile::encodeName(nome).toStdString())) {
        return true;
    }
    const QFileInfo file(nome);
    const QString testo =
        !file.exists() ? QCoreApplication::translate("SerieSalvata",
                                                     "Impossibile aprire %1: il file non esiste.")
        : !file.isFile() || !file.isReadable()
            ? QCoreApplication::translate("SerieSalvata",
                                          "Impossibile aprire %1: il file non si può leggere.")
            : QCoreApplication::translate(
                  "SerieSalvata", "%1 non è una partita salvata valida: la serie in corso non è "
                                  "stata cambiata.");
    DialoghiCorrenti().Messaggio(padre, Titolo(), testo.arg(Visibile(nome)),
                                 Dialoghi::Icona::Errore);
    return false;
}
