#pragma once
#include <functional>
#include <string>
#include <vector>

#include "io/IoError.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The files that carry a project's results to other programs: the parameter
// file (NPA) for the panel parameterisation, the PRN files for a word
// processor or a spreadsheet and the .EPO hand-over file for OKTA. All are
// CP1252 text with CR LF line ends, written in full through a temporary
// file, so that a failed write leaves the previous file as it was.

// The file beside `pfad`, named as it is, with the extension of its name
// (from the last point on) replaced by `endung`, or `endung` appended when
// it has none: ("/p/X.PLM", ".NPA") -> "/p/X.NPA", ("/p/A", ".NPA") ->
// "/p/A.NPA", ("/p/NORD.EPO", "_6.EPO") -> "/p/NORD_6.EPO". Always in the
// folder of `pfad`; empty when `pfad` names no file.
std::string DateiMitEndung(const std::string& pfad, const std::string& endung);

// The files the program has read and must never write over: the project
// file, the catalogue and the element table.
std::vector<std::string> Eingabedateien(const Programm& p);
// Whether `ziel` may be written: not when it is one of `eingaben` (the same
// file, however spelt); then message 2000 with the file (exclamation icon).
bool ZielErlaubt(MessageService& ms, const std::string& ziel, const std::vector<std::string>& eingaben);

// Shows a failed write: 394 "Errore N°", the error number and description
// and the file (exclamation icon).
void SchreibfehlerMelden(MessageService& ms, const io::IoError& fehler, const std::string& datei);

// --- Parameter file ---
// The content: key lines "000".."028", then one line per loop element and
// loop (Kennung, Bezeichnung, card, loop, quantity), leaving out elements
// whose Kennung is "!  ". `name` is the project name (written in capitals).
std::string ParaDateiInhalt(const Programm& p, const std::string& name, const Zeitstempel& t);
// ParaSpeich: refuses an incomplete project (neither opened nor calculated)
// with message 475; else writes the project file with the extension ".NPA"
// and stores that path in ParaDatei. True when written.
bool ParaSpeich(Programm& p, MessageService& ms, const std::string& pfad, const std::string& name,
                const Zeitstempel& t = Zeitstempel::jetzt());

// --- PRN files ---
enum class PRNModus { Text = 1, Tabelle = 2 };
std::string PRNInhalt(const Programm& p, PRNModus modus, const Zeitstempel& t);
// The two PRN commands. A project without a file first runs `speichernUnter`
// (the save-as command, its name label showing ".PRN"); still without a file
// nothing is written. Writes the project file with the extension ".PRN" and
// then shows "<file> gespeichert"; a write error is shown instead. True when
// written.
bool PRNDatei(Programm& p, MessageService& ms, PRNModus modus, const std::function<void()>& speichernUnter = {},
              const Zeitstempel& t = Zeitstempel::jetzt());

// --- .EPO hand-over file ---
struct EPOInhaltErgebnis {
    std::string text;
    bool libexFehlt = false;  // an article in range has a LIBEX number part of 0
};
// The flag line EPOKennz, then code, quantity, designation, 0 for each record
// 6..700 with a quantity (without loop elements when EPONetz = 0, without
// peripherals when EPOPeri = 0, without articles whose code begins with four
// blanks).
EPOInhaltErgebnis EPOInhalt(const Programm& p);
// The hand-over part of the save command in LIBEX mode: the options window
// EPOspei first when not yet confirmed for this project; with a project file
// path of at least four characters EPODatei := the project file with the
// extension ".EPO", the file is written and LIBEXFehlt and
// EPOGeschrieben = 1 are set. A write error is shown; nothing is set then.
// True when written.
bool EPOSchreiben(Programm& p, MessageService& ms);

}  // namespace tarvis
