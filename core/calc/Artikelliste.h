#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "projekt/Druckseiten.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The article catalogue as the user looks through it, independent of any
// project: records 6..700 with their number, designation and code (the part
// number in part-number mode, CodeModus "S"; otherwise the LIBEX code of the
// list focus, Schwerpunkt "B" fire or "N" intrusion).

// A group heading: its designation contains ".)". Shown without number and code.
bool ArtikelUeberschrift(const KatSatz& s);

// Whether the list shows a record: never when its designation begins with
// five blanks (blank and withdrawn records); a heading always; any other
// article only with a part number, and in LIBEX mode only with a code for
// the focus (neither beginning with four blanks).
bool ArtikelGezeigt(const KatSatz& s, std::string_view codeModus, std::string_view schwerpunkt);

// The code column of a record: part number or the focus LIBEX code.
const std::string& ArtikellisteCode(const KatSatz& s, std::string_view codeModus, std::string_view schwerpunkt);

// One row of the article list window Listeseh.
struct ArtikelZeile {
    int satz = 0;
    std::string nummer;  // the record number and one blank; empty for a heading
    std::string bezeichnung;
    std::string code;    // empty for a heading
};

struct ListesehAnsicht {
    std::string titel;
    std::string kopfNummer, kopfBezeichnung, kopfCode;
    std::vector<ArtikelZeile> zeilen;
};
ListesehAnsicht ListesehAktivieren(const Programm& p);

// --- Search ---
// A dot text: only digits and dots, with at least one dot. Only these are
// checked against the code pattern and tried as a code ending.
bool Punkttext(std::string_view eingabe);
// The format check of a search text (refused texts get message 470): in
// part-number mode a dot text must fit the pattern #.###.###.### aligned at
// its right end (at most 13 characters, every dot at position 2, 6 or 10);
// in LIBEX mode, whose codes have no dots, every dot text is refused. Other
// texts always pass.
bool SuchformatGueltig(std::string_view eingabe, std::string_view codeModus);

struct Suchtreffer {
    std::string nummer;  // record number, three digits ("007")
    std::string bezeichnung, code;
};
// Records 6..700 (headings included) matching the search text T (in
// capitals) by any rule of the mode. Part-number mode: T equals the part
// number; the designation contains T; T has 5 characters equal to the last 5
// of the part number; T is a dot text with which the part number ends. LIBEX
// mode: T equals the focus code; the designation contains T; T has 4
// characters equal to the code's position key (characters 6..9).
std::vector<Suchtreffer> ArtikelSuchen(const Katalog& k, std::string_view eingabe, std::string_view codeModus,
                                       std::string_view schwerpunkt);

// The search command of the main window: the code-mode window (nothing
// happens unless confirmed), the focus window in LIBEX mode, then the input
// box until it is left empty or cancelled; a wrong format is refused with
// 470 and asked again; matches go to SuchArtNr/SuchBezeichnung/SuchCode and
// the result window Sucherg, no match gives 44; question 43 whether to go on.
void ArtikelsucheAblauf(Programm& p, MessageService& ms);

struct SuchergAnsicht {
    std::string titel;
    std::string kopfNummer, kopfBezeichnung, kopfCode;
    std::vector<Suchtreffer> zeilen;
};
SuchergAnsicht SuchergAktivieren(const Programm& p);

// --- Printed article list ---
Druckauftrag ArtikellisteSeiten(const Programm& p);
// The print command: the focus window first in LIBEX mode, then question 286.
std::optional<Druckauftrag> ArtikellisteDrucken(Programm& p, MessageService& ms);

}  // namespace tarvis
