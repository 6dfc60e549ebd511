#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "projekt/Druckseiten.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The code printed and exported beside an article: the part number in
// part-number mode (CodeModus "S"), otherwise the LIBEX code for the panel
// type (LIBEXCode). Fixed-length fields keep their blanks.
const std::string& ArtikelCode(const KatSatz& s, const Zustand& z);

// The KMAT column: "ja" (DruckKennz 1), "nein" (0), "KMAT DXA" (3); any other
// value prints nothing.
std::string KMATText(std::uint8_t druckKennz);

// The printed result list: header with the master data, the material list
// (records 6..700 with a quantity), then on a new page the report lines
// Hinweiszeile(1 .. HinweisAnz), where "Seitenwechsel" starts a new page.
Druckauftrag ErgebnislisteSeiten(const Programm& p, const Zeitstempel& t);

// The print command of the main window and of the report window: refused
// with message 178 when the code mode differs from the one of the last
// calculation; question 60. Nothing (nullopt) when nothing is to be printed.
std::optional<Druckauftrag> ErgebnislisteDrucken(Programm& p, MessageService& ms,
                                                 const Zeitstempel& t = Zeitstempel::jetzt());

}  // namespace tarvis
