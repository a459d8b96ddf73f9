#include "rete/CodiciTavolo.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace {

QByteArray ByteCasuali(int quanti) {
    QByteArray byte(quanti, '\0');
    QRandomGenerator* sicuro = QRandomGenerator::system();
    for (char& b : byte) {
        b = static_cast<char>(sicuro->bounded(256));
    }
    return byte;
}

bool LetteraOCifra(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

} // namespace

QString NuovoCodiceTavolo(const QString& prefisso) {
    return prefisso + QString::fromLatin1(ByteCasuali(12).toBase64(QByteArray::Base64UrlEncoding |
                                                                   QByteArray::OmitTrailingEquals));
}

QString NuovoGettone() {
    return QString::fromLatin1(ByteCasuali(16).toHex());
}

QString ImprontaGettone(const QString& gettone) {
    return QString::fromLatin1(
        QCryptographicHash::hash(gettone.toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool CodiceAmmissibile(const QString& codice) {
    if (codice.isEmpty() || codice.size() > 64) {
        return false;
    }
    for (QChar c : codice) {
        if (!LetteraOCifra(c) && c != u'-' && c != u'_') {
            return false;
        }
    }
    return true;
}

bool PrefissoAmmissibile(const QString& prefisso) {
    if (prefisso.size() > 16) {
        return false;
    }
    for (QChar c : prefisso) {
        if (!LetteraOCifra(c)) {
            return false;
        }
    }
    return true;
}
