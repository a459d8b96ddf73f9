#pragma once

#include <QString>

#include <vector>

#include "Sfondi.h"

// The pictures of the browser page, in PNG at 1x and 2x (NAME.png, NAME@2x.png) under the
// page's folder: carte/<set>/ with each card named by its network code (AC, 3P, RQ...), the
// back (dorso) and the suits (semeC...), the cut corners transparent; sfondi/<background>.
void ScriviPerPagina(const QString& cartella, const std::vector<Sfondo>& sfondi);
