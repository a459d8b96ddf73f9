#pragma once

#include <QByteArray>
#include <QString>

// The secrets of the tables, all from the system's secure generator (never a table's seeded
// one): the codes that name tables in URLs, and the seats' tokens, of which only a hash is kept.

// prefisso followed by 96 random bits in URL-safe base64 (16 characters).
QString NuovoCodiceTavolo(const QString& prefisso);
// 128 random bits as 32 lowercase hex digits.
QString NuovoGettone();
// The SHA-256 of a token, as 64 lowercase hex digits: what a table keeps of it.
QString ImprontaGettone(const QString& gettone);
// True when the text is a table code this server could have made (a prefix's letters and
// digits, then the URL-safe alphabet), at most 64 characters.
bool CodiceAmmissibile(const QString& codice);
// True when the prefix holds only letters and digits, at most 16.
bool PrefissoAmmissibile(const QString& prefisso);
