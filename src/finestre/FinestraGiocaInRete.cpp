#include "finestre/FinestraGiocaInRete.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "finestre/Dialoghi.h"

QString FileTavoloRicordato() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("TavoloInRete.txt"));
}

TavoloRicordato LeggiTavoloRicordato(const QString& percorso) {
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return TavoloRicordatoDaTesto(file.read(4096));
}

bool RicordaTavolo(const QString& percorso, const TavoloRicordato& tavolo) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(TestoTavoloRicordato(tavolo));
    return file.commit();
}

FinestraGiocaInRete::FinestraGiocaInRete(const QString& nome, const TavoloRicordato& ricordato,
                                         QWidget* padre)
    : QDialog(padre), nomeTavolo(new QLineEdit(nome.left(kLunghezzaNomeTavolo), this)),
      manoAlBuio(new QCheckBox(tr("Prima mano al buio"), this)), computer(new QComboBox(this)),
      tempoTurno(new QSpinBox(this)), certificato(new QLineEdit(this)), chiave(new QLineEdit(this)),
      server(new QLineEdit(this)), codice(new QLineEdit(this)),
      ospita(new QPushButton(tr("Ospita"), this)), unisciti(new QPushButton(tr("Unisciti"), this)),
      rientra(new QPushButton(tr("Rientra"), this)) {
    setWindowTitle(tr("Gioca in rete"));
    auto* layout = new QVBoxLayout(this);

    auto* gruppoOspita = new QGroupBox(tr("Ospita un tavolo"), this);
    auto* formaOspita = new QFormLayout(gruppoOspita);
    nomeTavolo->setMaxLength(kLunghezzaNomeTavolo);
    formaOspita->addRow(tr("Nome del tavolo"), nomeTavolo);
    formaOspita->addRow(QString(), manoAlBuio);
    computer->addItem(tr("Standard"), QStringLiteral("standard"));
    computer->addItem(tr("Tattico"), QStringLiteral("tattico"));
    computer->addItem(tr("Esperto"), QStringLiteral("esperto"));
    formaOspita->addRow(tr("Computer ai posti liberi"), computer);
    tempoTurno->setRange(0, kTempoTurnoMassimo);
    tempoTurno->setValue(60);
    tempoTurno->setSuffix(tr(" s"));
    tempoTurno->setSpecialValueText(tr("senza limite"));
    formaOspita->addRow(tr("Tempo per decidere"), tempoTurno);
    // Friends over the internet reach the table through the router: with a certificate the
    // link is https and their connection is encrypted.
    certificato->setPlaceholderText(tr("facoltativo"));
    certificato->setToolTip(tr("Il certificato (o la catena) in un file PEM"));
    chiave->setPlaceholderText(tr("facoltativa"));
    chiave->setToolTip(tr("La chiave privata del certificato, in un file PEM senza password"));
    formaOspita->addRow(tr("Certificato TLS"),
                        CampoFile(certificato, tr("Scegli il certificato TLS")));
    formaOspita->addRow(tr("Chiave privata TLS"),
                        CampoFile(chiave, tr("Scegli la chiave privata TLS")));
    formaOspita->addRow(QString(), ospita);
    layout->addWidget(gruppoOspita);

    auto* gruppoUnisciti = new QGroupBox(tr("Unisciti a un tavolo"), this);
    auto* formaUnisciti = new QFormLayout(gruppoUnisciti);
    server->setPlaceholderText(tr("indirizzo[:porta], o il collegamento intero"));
    codice->setPlaceholderText(tr("non serve col collegamento"));
    formaUnisciti->addRow(tr("Server"), server);
    formaUnisciti->addRow(tr("Codice del tavolo"), codice);
    formaUnisciti->addRow(QString(), unisciti);
    layout->addWidget(gruppoUnisciti);

    auto* gruppoRientra = new QGroupBox(tr("Rientra al tavolo"), this);
    auto* formaRientra = new QVBoxLayout(gruppoRientra);
    auto* descrizione = new QLabel(gruppoRientra);
    descrizione->setTextFormat(Qt::PlainText);
    descrizione->setText(ricordato.Valido() ? tr("Tavolo %1 su %2, posto %3")
                                                  .arg(ricordato.codice, ricordato.server)
                                                  .arg(ricordato.posto + 1)
                                            : tr("Nessun tavolo da riprendere"));
    formaRientra->addWidget(descrizione);
    formaRientra->addWidget(rientra);
    rientra->setEnabled(ricordato.Valido());
    layout->addWidget(gruppoRientra);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    layout->addWidget(pulsanti);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ospita, &QPushButton::clicked, this, [this] { Scegli(SceltaRete::Modo::Ospita); });
    connect(unisciti, &QPushButton::clicked, this, [this] { Scegli(SceltaRete::Modo::Unisciti); });
    connect(rientra, &QPushButton::clicked, this, [this] { Scegli(SceltaRete::Modo::Rientra); });
}

QWidget* FinestraGiocaInRete::CampoFile(QLineEdit* campo, const QString& titolo) {
    auto* riga = new QWidget(this);
    auto* layout = new QHBoxLayout(riga);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* sfoglia = new QPushButton(tr("Sfoglia…"), riga);
    layout->addWidget(campo);
    layout->addWidget(sfoglia);
    connect(sfoglia, &QPushButton::clicked, this, [this, campo, titolo] {
        const QString file = DialoghiCorrenti().ApriFile(
            this, titolo, QFileInfo(campo->text()).absolutePath(),
            tr("Certificati e chiavi PEM (*.pem *.crt *.key);;Tutti i file (*)"));
        if (!file.isEmpty()) {
            campo->setText(file);
        }
    });
    return riga;
}

void FinestraGiocaInRete::ImpostaFileTls(const QString& file, const QString& privata) {
    certificato->setText(file);
    chiave->setText(privata);
}

void FinestraGiocaInRete::Scegli(SceltaRete::Modo scelto) {
    modo = scelto;
    accept();
}

SceltaRete FinestraGiocaInRete::Scelta() const {
    SceltaRete scelta;
    scelta.modo = modo;
    scelta.impostazioni.nome = nomeTavolo->text().trimmed();
    scelta.impostazioni.manoAlBuio = manoAlBuio->isChecked();
    scelta.impostazioni.computer = ComputerDaNome(computer->currentData().toString());
    scelta.impostazioni.tempoTurno = tempoTurno->value();
    scelta.server = server->text().trimmed();
    scelta.codice = codice->text().trimmed();
    scelta.certificato = certificato->text().trimmed();
    scelta.chiave = chiave->text().trimmed();
    return scelta;
}
