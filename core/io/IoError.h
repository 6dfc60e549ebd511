#pragma once
#include <string>

namespace tarvis::io {

// A run-time error of a reader or writer, numbered as the messages show it
// ("Errore N°" followed by the number and the description).
struct IoError {
    int nummer = 0;
    std::string beschreibung;
};

inline IoError fehlerEndeDerDatei() { return {62, "Input past end of file"}; }
inline IoError fehlerUeberlauf() { return {6, "Overflow"}; }
inline IoError fehlerDateiNichtGefunden() { return {53, "File not found"}; }
inline IoError fehlerPfad() { return {76, "Path not found"}; }
inline IoError fehlerZugriff() { return {75, "Path/File access error"}; }
inline IoError fehlerSchreiben() { return {57, "Device I/O error"}; }

}  // namespace tarvis::io
