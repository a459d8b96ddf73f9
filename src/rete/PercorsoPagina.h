#pragma once

#include <optional>
#include <string>
#include <string_view>

// Which file of the page's folder a request path names. Standard C++ only: it reads paths sent
// by anyone on the network, so it accepts a narrow shape and refuses everything else.

// The file, relative to the page's folder ("index.html" for "/"), or nothing when the path
// could lead elsewhere or to a file the page does not have: every segment (percent-decoded)
// is letters, digits, '-', '_', '@' and dots not at its start, so no "..", no hidden file, no
// encoded slash or NUL, no empty segment; at most four segments, 200 bytes; a known extension.
std::optional<std::string> FileDaPercorso(std::string_view percorso);

// The Content-Type of a file the page may have, by its extension; nullptr for any other.
const char* TipoContenuto(std::string_view file);
