#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "projekt/Katalog.h"
#include "projekt/MessageService.h"
#include "projekt/Zaehleingabe.h"

namespace tarvis {

// The kinds of rows an element list shows.
enum class RasterZeilenArt {
    Element,      // an article: quantities can be entered
    Ueberschrift, // a numbered heading: designation only
    Abstand,      // a spacer (Typ "U"): a blank row
};

struct RasterZeile {
    int satz = 0;
    RasterZeilenArt art = RasterZeilenArt::Element;
    std::string artikel;      // column 0: the record number
    std::string bezeichnung;  // column 1
    std::string code;         // column 2: part number or LIBEX code
};

// Which part of the catalogue a list shows, and how.
struct RasterAufbau {
    int von = 0, bis = 0;
    bool sachnummer = false;      // code column: part number ("S" mode), else a LIBEX code
    bool brandCode = false;       // LIBEX code of the fire panels, else of the intrusion panels
    bool nurMitAdressen = false;  // TL 300: only records with input or output addresses
};

// What a key typed in the list did.
enum class RasterTaste {
    Keine,      // nothing
    Ziffer,     // a digit: the quantity box of the selected column takes over
    Gefunden,   // a letter found a row: it is selected and goes to the top
    Suche,      // the search text changed, the selection stays
};

// The element list of the loop entry and of the peripheral windows: the
// rows of a catalogue range (headings, spacers and elements; withdrawn and
// blank records are left out), a number of quantity columns with an
// optional row total, the selected cell, the quick search by initial
// letters, and the quantity boxes (one per usable quantity column) that
// edit the selected row. Quantities live in the project: the list reads and
// writes them through the two functions it is given.
class ElementRaster {
public:
    static constexpr int kErsteMengenSpalte = 3;
    // Quantity of a record in quantity column k (0-based).
    using Lesen = std::function<long long(int satz, int k)>;
    using Schreiben = std::function<void(int satz, int k, long long wert)>;

    ElementRaster(int mengenSpalten, bool summenSpalte, int boxLaenge, Lesen lesen, Schreiben schreiben);

    // Builds the rows; the selection goes to the first row, first quantity column.
    void aufbauen(const Katalog& katalog, const RasterAufbau& a);
    // The quantity columns the panel uses (the others stay empty and unselectable).
    void setzeNutzbareSpalten(int n);
    int nutzbareSpalten() const { return nutzbar_; }

    void setzeKopf(std::vector<std::string> kopf) { kopf_ = std::move(kopf); }
    const std::vector<std::string>& kopf() const { return kopf_; }
    int spalten() const { return kErsteMengenSpalte + mengenSpalten_ + (summenSpalte_ ? 1 : 0); }
    int mengenSpalten() const { return mengenSpalten_; }
    int zeilen() const { return static_cast<int>(zeilen_.size()); }
    const RasterZeile& zeile(int r) const { return zeilen_.at(static_cast<std::size_t>(r)); }
    // The text of a cell; quantities and totals of 0 show as empty cells.
    std::string zelle(int r, int c) const;
    bool istMengenSpalte(int c) const { return c >= kErsteMengenSpalte && c < kErsteMengenSpalte + mengenSpalten_; }
    long long zeilenSumme(int r) const;

    // --- Selection ---
    // Selects a cell; the column is kept within the usable quantity columns.
    // The quick-search text is cleared.
    void waehlen(int r, int c);
    int gewaehlteZeile() const { return zeile_; }
    int gewaehlteSpalte() const { return spalte_; }
    int gewaehlteMenge() const { return spalte_ - kErsteMengenSpalte; }  // 0-based quantity column
    // The selected row, or nullptr.
    const RasterZeile* gewaehlt() const;
    // Whether the selected row takes quantities (an element row).
    bool eingabeMoeglich() const;
    std::optional<int> zeileVon(int satz) const;

    // --- Keys typed in the list ---
    // A digit hands over to the box of the selected column (box text = the
    // digit, quantity stored); letters A..Z extend the quick search, Backspace
    // shortens it without searching again.
    RasterTaste taste(char32_t c);
    const std::string& suchtext() const { return suche_; }

    // --- Quantity boxes, k = 0-based quantity column ---
    ZaehlAnsicht boxAnsicht(int k) const;
    bool boxAktiv(int k) const { return k < nutzbar_ && eingabeMoeglich(); }
    // Digits only; any other key, Backspace included, beeps.
    bool boxTaste(char32_t c, MessageService& ms) const;
    // The box's text changed: the selected row's quantity in column k takes its
    // value (empty text = 0). Returns whether a quantity was stored.
    bool boxText(int k, std::string_view text);
    // Left (-1) or Right (+1) in box k: moves the selection to the neighbouring
    // usable column; false when there is none.
    bool boxPfeil(int k, int richtung);
    // The boxes show the selected row's quantities.
    void boxenLaden();

private:
    int mengenSpalten_;
    bool summenSpalte_;
    int nutzbar_;
    Lesen lesen_;
    Schreiben schreiben_;
    ZaehlRegel boxRegel_;
    std::vector<std::string> kopf_;
    std::vector<RasterZeile> zeilen_;
    int zeile_ = -1, spalte_ = kErsteMengenSpalte;
    std::string suche_;
    std::vector<std::string> boxTexte_;
};

}  // namespace tarvis
