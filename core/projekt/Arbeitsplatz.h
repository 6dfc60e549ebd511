#pragma once
#include <filesystem>
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// Date and time as the log and marker lines carry them (dd/mm/yyyy, hh:mm:ss).
struct Zeitstempel {
    std::string datum, zeit;
    static Zeitstempel jetzt();
};

// Writes the clerk's settings (PERS.DAT, or the configuration file of the
// clerk on a multi-user workstation) and the workstation files.
void EinstellungenSpeichern(Programm& p, const Zeitstempel& t = Zeitstempel::jetzt());

// RECHNER.DAT and, on a multi-user workstation, one line of User.dat.
void ArbeitsplatzSchreiben(Programm& p, const Zeitstempel& t = Zeitstempel::jetzt());

// Reads the clerk's configuration file KonfigDatei; after a version change of
// a German catalogue the "what's new" help opens.
void KonfigLesen(Programm& p, MessageService& ms);

// Writes the first free occupancy marker (BELEGT.DAT, BELEGT2.DAT,
// BELEGT3.DAT; the third is replaced when all exist).
void BelegtSetzen(Programm& p, const Zeitstempel& t = Zeitstempel::jetzt());

// Deletes the markers this run created (errors ignored).
void BelegtLoeschen(Programm& p);

// A file of the program directory found regardless of letter case (clerk
// names are typed in any case, and file names here are case-sensitive).
std::filesystem::path DateiImVerzeichnis(const std::filesystem::path& verzeichnis, const std::string& name);

// Upper case of a UTF-8 text (ASCII and Latin-1 letters).
std::string Grossbuchstaben(const std::string& s);
std::string Kleinbuchstaben(const std::string& s);

// Whether record 2 of the catalogue marks the German catalogue.
bool DeutscherKatalog(const Katalog& k);

}  // namespace tarvis
