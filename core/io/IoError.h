#pragma once
#include <cstddef>
#include <string>
#include <utility>

namespace tarvis::io {

// A run-time error of a reader or writer, numbered as the messages show it
// ("Errore N°" followed by the number and the description). `datei` is the
// file it concerns, as the caller named it, when the reader or writer knows.
struct IoError {
    IoError(int n = 0, std::string text = {}, std::string pfad = {})
        : nummer(n), beschreibung(std::move(text)), datei(std::move(pfad)) {}

    int nummer;
    std::string beschreibung;
    std::string datei;
};

inline IoError fehlerEndeDerDatei() { return {62, "Input past end of file"}; }
inline IoError fehlerUeberlauf() { return {6, "Overflow"}; }
// A count or a current below zero: as much out of its range as an overflow.
inline IoError fehlerNegativ() { return {6, "Overflow: negative value"}; }
inline IoError fehlerDateiNichtGefunden() { return {53, "File not found"}; }
inline IoError fehlerPfad() { return {76, "Path not found"}; }
inline IoError fehlerZugriff() { return {75, "Path/File access error"}; }
inline IoError fehlerOrdner() { return {75, "Path/File access error: is a directory"}; }
inline IoError fehlerKeineDatei() { return {75, "Path/File access error: not a regular file"}; }
inline IoError fehlerSchreibgeschuetzt() { return {75, "Path/File access error: read-only file"}; }
inline IoError fehlerZuGross(std::size_t grenze) {
    return {75, "Path/File access error: larger than " + std::to_string(grenze >> 20) + " MB"};
}
inline IoError fehlerDateiname() { return {64, "Bad file name: too long"}; }
inline IoError fehlerDiskVoll() { return {61, "Disk full"}; }
inline IoError fehlerGeraet() { return {68, "Device unavailable"}; }
inline IoError fehlerSchreiben() { return {57, "Device I/O error"}; }

}  // namespace tarvis::io
