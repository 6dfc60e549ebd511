#pragma once
#include <functional>
#include <string>
#include <vector>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

// What one module frame of the supply windows shows.
struct SpeiseRahmenAnsicht {
    bool aktiv = true;        // the frame and its controls
    Beschriftung lblSpeis;    // lblPQSspeis ...
    Schalter alle, nicht;     // "Tutti", "Non tutti, ma"
    bool boxAktiv = false;    // the box and its scroll bar
    Beschriftung info;        // the current the modules need at 28 V and at 12 V
};

// One kind of module that needs 28 V besides the loop's 35 V (PQS, PQB, DUV
// 100): whether all modules of the kind get their 28 V from the system, or
// how many do. Used by the windows PQSPQBsp and DUV100Sp.
class SpeiseRahmen {
public:
    struct Art {
        std::string kuerzel;           // " PQS " in the information line
        std::vector<int> saetze;       // the catalogue records of the kind
        int lblText, alleText, nichtText;
        std::function<Integer&(Zustand&)> anzahl, speis;
        std::function<int(const Zustand&)> wahl;
        std::function<void(Zustand&, int)> wahlSetzen;
        std::function<Byte&(Zustand&)> bestaetigt;
    };
    static Art PQS();
    static Art PQB();
    static Art DUV();

    // Adds the frame's count box (3 digits, 0..999, kept to the module count) to the window's boxes.
    SpeiseRahmen(Programm& p, Zaehlgruppe& felder, Art art);
    SpeiseRahmen(const SpeiseRahmen&) = delete;
    SpeiseRahmen& operator=(const SpeiseRahmen&) = delete;

    int feld() const { return feld_; }
    // On show.
    void aktivieren();
    // The options; setting one from the program runs the same action.
    void alle();
    void nichtAlle();
    SpeiseRahmenAnsicht ansicht() const;
    // The 28 V current of the modules entered (each record's share rounded)
    // and its 12 V equivalent, whole numbers (not finite for a damaged
    // catalogue).
    double strom28() const;
    double strom12() const;

private:
    Integer anzahl() const { return art_.anzahl(p_.z); }

    Programm& p_;
    Zaehlgruppe& felder_;
    Art art_;
    int feld_;
    bool boxAktiv_ = false;
};

}  // namespace tarvis
