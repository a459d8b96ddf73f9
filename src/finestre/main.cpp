#include <QApplication>

#include "finestre/Avvio.h"

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    QStringList argomenti = QApplication::arguments();
    argomenti.removeFirst();
    return AvviaGioco(argomenti);
}
