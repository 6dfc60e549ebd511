#pragma once
#include <filesystem>
#include <string>

#include "io/Result.h"
#include "projekt/Zustand.h"

namespace tarvis {

// Workstation kind from RECHNER.DAT: 1 single-user, 2 multi-user. A missing
// or unreadable file means a single-user workstation.
Byte RechnerLesen(const std::filesystem::path& datei);
io::Status RechnerSchreiben(const std::filesystem::path& datei, Byte arbeitsplatz);

// Reads the clerk's settings (PERS.DAT or NAME.KON) into the state: eleven
// label/value lines; lines that are missing or unreadable keep the current
// values. The version read goes to KonfigVersion. Returns false when the
// file does not exist.
bool KonfigDateiLesen(const std::filesystem::path& datei, Zustand& z);

// The values written by KonfigDateiSchreiben; taken from the state unless
// the caller replaces clerk and project path (adding a clerk).
struct KonfigWerte {
    std::string sachbearbeiter, projPfad;
    // A configuration written when a clerk is added carries a blank before
    // the colon of its tenth label.
    bool neuerSachbearbeiter = false;
};
KonfigWerte KonfigWerteAus(const Zustand& z);
io::Status KonfigDateiSchreiben(const std::filesystem::path& datei, const Zustand& z, const KonfigWerte& w);

// One line of the use log User.dat or of an occupancy marker: clerk, date,
// time and program version.
std::string ProtokollZeile(const std::string& name, const std::string& datum, const std::string& zeit,
                           const std::string& version);

}  // namespace tarvis
