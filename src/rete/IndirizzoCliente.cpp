#include "rete/IndirizzoCliente.h"

#include "rete/RichiestaHttp.h"

QString NomeIndirizzo(const QHostAddress& indirizzo) {
    bool ipv4 = false;
    const quint32 valore = indirizzo.toIPv4Address(&ipv4);
    if (ipv4)
        return QHostAddress(valore).toString();
    QHostAddress senzaZona(indirizzo);
    senzaZona.setScopeId(QString());
    return senzaZona.toString();
}

bool DalProxy(const QHostAddress& pari, const QHostAddress& proxy) {
    return !proxy.isNull() && pari.isEqual(proxy, QHostAddress::TolerantConversion);
}

QString IndirizzoCliente(const QHostAddress& pari, const QHostAddress& proxy,
                         const RichiestaHttp& richiesta) {
    if (DalProxy(pari, proxy)) {
        const QHostAddress inoltrato(QString::fromStdString(richiesta.UltimoInoltro()));
        if (!inoltrato.isNull())
            return NomeIndirizzo(inoltrato);
    }
    return NomeIndirizzo(pari);
}
