#pragma once

#include <QByteArray>
#include <QString>

struct RichiestaHttp;

// The browser page's files, served from one folder to plain HTTP requests: GET and HEAD of
// the files the path rules allow, never a file outside the folder (a symbolic link that leads
// out is refused too), with headers that keep the page to its own files.
class PaginaStatica {
public:
    // Throws Errore when the folder has no index.html.
    explicit PaginaStatica(const QString& cartella);

    // The whole answer, headers and body; the connection closes after it.
    QByteArray Rispondi(const RichiestaHttp& richiesta) const;

    const QString& Cartella() const { return cartella_; }

private:
    QString cartella_;
};

// The page's folder that ships with the program: "pagina" beside the executable (a build
// tree), else in the installed data folder; empty when neither has one.
QString CartellaPaginaPredefinita();
