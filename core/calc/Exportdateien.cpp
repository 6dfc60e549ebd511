#include "calc/Exportdateien.h"

#include "io/Cp1252.h"
#include "projekt/Texte.h"

namespace tarvis {

std::string PfadMitEndung(const std::string& pfad, std::size_t n, const std::string& neu) {
    std::size_t laenge = io::utf8Length(pfad);
    return io::utf8Left(pfad, laenge > n ? laenge - n : 0) + neu;
}

void SchreibfehlerMelden(MessageService& ms, const io::IoError& fehler, const std::string& datei) {
    ms.meldung(Symbol::Ausrufezeichen,
               Nr(394) + " " + std::to_string(fehler.nummer) + "\n" + fehler.beschreibung + "\n" + datei);
}

}  // namespace tarvis
