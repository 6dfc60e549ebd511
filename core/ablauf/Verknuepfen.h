#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "io/Result.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// One entry of a hand-over file (NAME.EPO): LIBEX code, quantity, designation.
struct UebergabeEintrag {
    std::string code;
    Integer menge = 0;
    std::string name;
};

// A hand-over file as the link reads it, with the presence of the articles
// that make a networked KVT 2000 B: 108 the panel, 158 and 156 its OLN
// parts, 154 the DKM 100 (found by their fire LIBEX code, quantity >= 1).
struct Uebergabedatei {
    std::vector<UebergabeEintrag> eintraege;
    bool hat108 = false, hat158 = false, hat156 = false, hat154 = false;
};

// The link holds at most this many entries per file.
inline constexpr std::size_t kMaxUebergabeEintraege = 100;

// Reads a hand-over file: the first line (the limits flag) is skipped, then
// entries of four fields to the end. A file with more than 100 entries is
// refused (error 9, "Subscript out of range").
io::Result<Uebergabedatei> UebergabeLesen(const std::filesystem::path& datei, const Katalog& katalog);

// The two files written by the link: the combined hand-over file NAME_6.EPO
// (its flag line "J", the KVT 2000/6 fire D, then the entries of both
// files without the two panels, one set of OLN parts and one DKM 100) and
// the material list NAME_6.TXT to print without OKTA. Texts in UTF-8.
struct Verknuepfungsdateien {
    std::string epo, txt;
};
Verknuepfungsdateien VerknuepfungInhalt(const Programm& p, const Uebergabedatei& d1, const Uebergabedatei& d2,
                                        const std::string& ziel, const Zeitstempel& t);

struct VerknuepfungAnsicht {
    int dateiNr = 1;                 // selected option: 1 opt1, 2 opt2, 0 none
    std::string lblD1, lblD2;        // file labels
    std::string rahmen;              // caption of frmDatei
    bool oeffnenHinweisSichtbar = true;  // lblÖffnen
    bool speichernSichtbar = false;  // lblSpeichern and txtSpeichern
    bool speichernAktiv = false;     // cmdSpeichern enabled (and then the default button)
    std::string ziel;                // txtSpeichern
};

// The link window Oeffnen6 without its file lists: two hand-over files are
// read one after the other, each checked for a KVT 2000 B with OLN parts,
// the pair for a DKM 100; then the combined files are written.
class Verknuepfung {
public:
    enum class Ergebnis { Gelesen, Ungueltig, Gueltig, Geschlossen };

    Verknuepfung(Programm& p, MessageService& ms);

    void aktivieren();
    VerknuepfungAnsicht ansicht() const;
    void dateiNrSetzen(int nr);
    // A double click in the file list or cmdÖffnen: reads the file as file
    // 1 or 2 (by the option). nullopt = no file selected (message 364).
    // Gelesen: file 1 is valid (opt2 now selected); Gueltig: both files are
    // valid and can be saved; Ungueltig: refused, choose again; Geschlossen:
    // the pair can never be linked, the window closes.
    Ergebnis oeffnen(const std::optional<std::filesystem::path>& datei);
    // txtSpeichern edited: the target follows the text, ending in ".EPO".
    void zielSetzen(const std::string& text);
    const std::string& ziel() const { return ziel_; }
    // The material list written beside it (NAME_6.TXT).
    std::string liste() const;
    // cmdSpeichern: question, then both files. True when they were written
    // (WeiterOK = 1, Verknuepft = 1, the window closes).
    bool speichern(const Zeitstempel& t = Zeitstempel::jetzt());
    // cmdAbbrechen: WeiterOK = 0, the window closes.
    void abbrechen();

private:
    Ergebnis pruefen1(const std::string& name);
    Ergebnis pruefen2(const std::string& name);

    Programm& p_;
    MessageService& ms_;
    int dateiNr_ = 1;
    bool optionenGeloescht_ = false;
    std::string datei1_, datei2_;
    Uebergabedatei d1_, d2_;
    std::string lblD1_, lblD2_;
    bool beideGueltig_ = false;
    std::string ziel_;
};

}  // namespace tarvis
