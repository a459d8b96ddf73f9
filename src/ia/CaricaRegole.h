#pragma once

#include <string>
#include <string_view>

class IntelligenzaArtificiale;

// The rules-file reader. A file is a sequence of rules separated by ";"; each rule is a name,
// a weight (an integer) or a target predicate, then antecedents: predicate names with the
// operators "&" (AND, the default), "|" (OR) and "!" (NOT), which attach to the next token
// completed at or after them. "#" comments to the end of the line. Tokens may be of any
// length. An unknown predicate raises ErroreRegole with the line of the token.

// Appends the rules of a text (already UTF-8) to the engine, in order. The rules read before
// an error stay in the engine.
void CaricaRegole(IntelligenzaArtificiale& ia, std::string_view testo);

// Reads the file at percorso (Windows-1252 files are decoded) and appends its rules; raises
// ErroreFileRegole when it cannot be read.
void CaricaRegoleDaFile(IntelligenzaArtificiale& ia, const std::string& percorso);
