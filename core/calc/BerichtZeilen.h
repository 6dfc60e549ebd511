#pragma once
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis::bericht {

// Writes the report lines into Hinweiszeile/HinweisAnz. Every numbered item
// of the report that writes a line starts with one empty line (the first
// item excepted); an item that writes nothing adds nothing. Lines beyond
// line 149 are dropped, so that line 150 stays the empty last line of the
// printout.
class Zeilen {
public:
    explicit Zeilen(Zustand& z);

    // Starts the next numbered item.
    void punkt() { leerVorPunkt_ = punkte_++ > 0; }
    void zeile(const std::string& text);
    // An empty line inside an item.
    void leer();

private:
    void vorPunkt();
    Zustand& z_;
    int punkte_ = 0;
    bool leerVorPunkt_ = false;
};

// A row of n times the character c.
std::string reihe(char c, std::size_t n);
// A string-table text and what follows it, joined by one blank.
std::string mit(const std::string& a, const std::string& b);

// The report parts (items 1..23 and 24..61).
void Hinweise(Programm& p, Zeilen& zeilen);
void Strombericht(Programm& p, MessageService& ms, Zeilen& zeilen);

}  // namespace tarvis::bericht
