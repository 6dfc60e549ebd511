#pragma once
#include <string>

#include "loops/ElementRaster.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

// The peripheral elements have the catalogue records 320..499.
constexpr int kPeriErster = 320;
constexpr int kPeriLetzter = 499;

// What the list part of the peripheral windows shows.
struct PeriListeAnsicht {
    Beschriftung lblMengenEin, lblSchnellsuche1, lblSchnellsuche2, lblSuche, lblElemente;
    bool boxSichtbar = false;  // txtAnz1
};

// The list of peripheral elements with one quantity column and its box
// txtAnz1, shared by PERIPH (the project's quantities) and PeriStrom (its
// own). The box takes four digits, so that a quantity stays within the
// range of the quantities.
class PeriListe {
public:
    PeriListe(Programm& p, MessageService& ms, SatzArray<Integer>& mengen);

    const ElementRaster& raster() const { return raster_; }
    void zelleWaehlen(int zeile, int spalte) { raster_.waehlen(zeile, spalte); }
    RasterTaste rasterTaste(char32_t zeichen) { return raster_.taste(zeichen); }

    // The box txtAnz1, for Zaehlfeld::binden (field 0).
    ZaehlAnsicht zaehlAnsicht(int) const { return raster_.boxAnsicht(0); }
    void zaehlText(int, const std::string& text) { raster_.boxText(0, text); }
    void zaehlBalken(int, int) {}
    bool zaehlTaste(int, char32_t zeichen) { return raster_.boxTaste(zeichen, ms_); }
    void zaehlTasteUnten(int) {}

    PeriListeAnsicht listeAnsicht() const;

protected:
    // Builds the list; brandCode: the code column shows the fire panels' LIBEX code.
    void aufbauen(bool brandCode);

    Programm& p_;
    MessageService& ms_;

private:
    ElementRaster raster_;
};

}  // namespace tarvis
