#pragma once
#include <array>
#include <functional>
#include <string>

#include "loops/ElementRaster.h"
#include "projekt/KBNSummen.h"
#include "projekt/Bedienelemente.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// What the loop entry shows besides its grid.
struct KBNEINAnsicht {
    std::string titel;
    int schleifen = 1;                     // loops of the panel: 1, 2 or 4
    std::array<bool, 4> boxSichtbar{};     // txtAnz1..4
    std::array<Beschriftung, 4> tpxOben;   // lblTPXtop1..4
    Beschriftung lblMengen, lblMjeTPX;
    Beschriftung frmSuche, lblSchnellsuche2, lblSuche;
    Beschriftung frmSummen, lblElSu, lblStromSu, lblSpeicher1, lblSpeicher2;
    std::array<Beschriftung, 4> elemente, strom, speicherRLM, speicherRAM;  // lblElemente1.., lblStrom1.., lblSpPl1k, lblSpPl2k
    Beschriftung lblAdrEin, lblAdr1, lblAdrAus, lblAdr2;  // TL 300 only
    Beschriftung fra28, lbl28, fraTotal, lblTotal, lblQuer, lblElemente;
    Schalter loeschen, weiter, hilfe;
};

// The loop entry KBNEIN: the KBN elements of the catalogue per loop, the
// running sums with the loop limits, and on forward the transfer into the
// project with the follow-up windows of the modules found on the loops.
class KBNEINPresenter {
public:
    KBNEINPresenter(Programm& p, MessageService& ms);

    // On show: builds the grid from the catalogue and the loop quantities,
    // selects the first quantity column and runs the sum routine.
    void aktivieren();
    KBNEINAnsicht ansicht() const;
    const KBNSummen& summen() const { return summen_; }

    // The grid.
    const ElementRaster& raster() const { return raster_; }
    void zelleWaehlen(int zeile, int spalte) { raster_.waehlen(zeile, spalte); }
    // A key typed in the grid; a digit also stores the quantity and runs the sums.
    RasterTaste rasterTaste(char32_t zeichen);

    // The quantity boxes txtAnz1..4 (f = loop - 1), for Zaehlfeld::binden.
    ZaehlAnsicht zaehlAnsicht(int f) const { return raster_.boxAnsicht(f); }
    void zaehlText(int f, const std::string& text);
    void zaehlBalken(int, int) {}
    bool zaehlTaste(int, char32_t zeichen) { return raster_.boxTaste(zeichen, ms_); }
    void zaehlTasteUnten(int) {}
    // Left (-1) or Right (+1) in box f: true when the selection moved to the
    // neighbouring loop column and the focus goes back to the grid.
    bool boxPfeil(int f, int richtung) { return raster_.boxPfeil(f, richtung); }

    // Called whenever the sums changed, before a limit message is shown: the
    // view brings its labels up to date so that the message stands over the
    // sums it speaks of.
    void setzeBeiNeuenSummen(std::function<void()> f) { beiNeuenSummen_ = std::move(f); }

    void hilfe() { ms_.hilfe(60); }
    // cmdLöschen: after question 378 every loop quantity is cleared.
    void allesLoeschen();

    // cmdWeiter, the checks up to the WEK question (steps 1..9): true when the
    // form closes.
    bool weiter();
    // After the form closed: the follow-up windows, the operating-panel and
    // BE 300 checks and the PSM 300 options (steps 10..14). False when a check
    // refused: the form is shown again with everything entered.
    bool nachSchliessen();

private:
    bool summieren();  // the sum routine with the limit check; true when it passed
    int schleifen() const;

    Programm& p_;
    MessageService& ms_;
    ElementRaster raster_;
    KBNSummen summen_;
    std::function<void()> beiNeuenSummen_;
};

// The number of KBN loops of a panel type: 1, 2 or 4.
int KBNSchleifen(int zentralenTyp);

}  // namespace tarvis
