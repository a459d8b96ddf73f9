#pragma once

#include <QProcess>
#include <QSslSocket>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A self-signed certificate and its private key (PEM files in a folder of their own) for a
// server name, made by openssl as the test runs: nothing secret is kept in the repository.
struct CertificatoDiProva {
    QTemporaryDir cartella;
    QString certificato = cartella.filePath(QStringLiteral("certificato.pem"));
    QString chiave = cartella.filePath(QStringLiteral("chiave.pem"));
    // Why there is none: no openssl or no TLS in Qt (the test is skipped), or openssl's words.
    QString assente;
    QString errore;

    // The certificate's common name and its subject alternative names ("DNS:x,IP:y").
    CertificatoDiProva(const QString& nome, const QString& nomiAlternativi) {
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty() || !QSslSocket::supportsSsl()) {
            assente = QStringLiteral("openssl non disponibile");
            return;
        }
        QProcess processo;
        processo.start(openssl, {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                                 "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj",
                                 "/CN=" + nome, "-addext", "subjectAltName=" + nomiAlternativi,
                                 "-keyout", chiave, "-out", certificato});
        if (!cartella.isValid() || !processo.waitForFinished(30000) || processo.exitCode() != 0) {
            errore = QString::fromLocal8Bit(processo.readAllStandardError());
            if (errore.isEmpty()) {
                errore = QStringLiteral("openssl non ha creato il certificato");
            }
        }
    }
};
