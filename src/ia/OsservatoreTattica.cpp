#include "ia/OsservatoreTattica.h"

namespace {
OsservatoreTattica* osservatoreAttivo = nullptr;
}

void ImpostaOsservatoreTattica(OsservatoreTattica* osservatore) {
    osservatoreAttivo = osservatore;
}

OsservatoreTattica* OsservatoreTatticaAttivo() {
    return osservatoreAttivo;
}
