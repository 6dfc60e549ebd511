#pragma once
#include <array>
#include <optional>
#include <set>
#include <string>

#include "projekt/Bedienelemente.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"
#include "projekt/Zaehleingabe.h"

namespace tarvis {

// The count boxes of the additional-functions window.
enum class ZFeld {
    MRVNnorm, MRVNinv, VRXnorm, VRXinv, KPLnorm, KPLinv, TabloNorm, TabloInv, Strom,  // tab 2
    Vert20DA,                                                                           // tab 5
    BE1, BE2, BE300,                                                                    // tab 9
    Vzeit, Uezeit,                                                                      // tab 0
};
constexpr int kZFelder = 15;

// The tabs, in the order of the tab control.
enum Reiter : int {
    kReiterEnergie, kReiterFbfSd, kReiterTableau, kReiterYaTele, kReiterSchnittstellen, kReiterVerteiler,
    kReiterPeripherie, kReiterSchluessel, kReiterDip, kReiterBedien, kReiterDrucker, kReiterAnzahl
};

// What the window Zusaetze shows, tab by tab.
struct ZusaetzeAnsicht {
    std::string titel;
    std::array<std::string, kReiterAnzahl> reiter;  // captions with the " *" markers
    int reiterVorn = 0;
    Schalter zurueck, gedaechtnis, weiter;

    struct Energie {
        Beschriftung fraUezeit, lblUezeit;
        std::array<Schalter, 4> stunden;  // opt4h, opt30h, opt60h, opt72h
        ZaehlAnsicht uezeit;
        Beschriftung fraVzeit, lblVerz, lblMinuten;
        JaNeinAnsicht verz;  // optVerzJa / optVerzNein
        ZaehlAnsicht vzeit;
        Beschriftung fraExtVerb, lblBedarf, lbl12, lbl28;
        Schalter cmd12eingeben, cmd12loeschen, cmd28eingeben, cmd28loeschen, hilfe;
    } energie;

    struct FbfSd {
        Beschriftung fraFBF, fraSD;
        std::array<Schalter, 2> fbf;  // optFBF0, optFBF1
        std::array<Schalter, 5> sd;   // optSD0, optLeicher12, optKruse12, optKruse24, optLeicher24
        Schalter gma;                 // chkGMA
    } fbfSd;

    struct Tableau {
        Beschriftung fra1, fra2, lblKontMenge, lblMRVN, lblVRX, lblKPL, lblTablop, lblStrombed;
        Beschriftung lblNormal, lblInvers, lblMax;
        Beschriftung maxMRVN, maxVRX, maxKPL, maxTablo, maxStrom;  // lblMRVNmax ...
        Schalter hilfe;
    } tableau;

    struct YaTele {
        Beschriftung fraYA2000;
        std::array<Schalter, 3> ya;  // optYA0, optYAa, optYAi
        JaNeinAnsicht tele;
    } yaTele;

    struct Schnittstellen {
        Beschriftung fraSchnitt1, fraSchnitt2;
        std::array<Schalter, 4> schnitt1;  // optSchnitt10, optBIX1, optWX201, opt20mA1
        std::array<Schalter, 3> schnitt2;  // optSchnitt20, optBIX2, optWX202
        JaNeinAnsicht ravi1, ravi2;
    } schnittstellen;

    struct Verteiler {
        Beschriftung fraVert2, lblVert20DA;
        JaNeinAnsicht quf, flaech, kop;
    } verteiler;

    struct Peripherie {
        Beschriftung lblTrennung, lblGewaehlt, lblSignal;
        Schalter cmdWahl, cmdLoeschen, hilfe;
        JaNeinAnsicht tir;
    } peripherie;

    struct Auswahl3 {
        Beschriftung rahmen;
        std::array<Schalter, 3> optionen;
    } schluessel, dip;

    struct Bedien {
        Beschriftung fraBE, lblBE1, lblBE2, lblOLMA, lblUndOder, fraBE300, lblEingabe;
        JaNeinAnsicht olma;
    } bedien;

    struct Drucker {
        Beschriftung fraDrucker;
        std::array<Schalter, 4> optionen;  // optDru0 .. optDru3
    } drucker;
};

// The additional-functions window Zusaetze: every add-on input of a panel
// project, what each panel type offers, and the forward checks against the
// capacity of the panel.
class ZusaetzePresenter {
public:
    // startReiter: the tab in front when the window was left with forward
    // and is shown again.
    ZusaetzePresenter(Programm& p, MessageService& ms, int startReiter = 0);

    // Which of the windows reached from here exist (peripherals, loads).
    void setzeVorhandeneFenster(std::set<Fenster> f) { fenster_ = std::move(f); }

    // Each time the window becomes active.
    void aktivieren();
    ZusaetzeAnsicht ansicht() const;
    int reiterVorn() const { return reiter_; }
    // Where the focus goes after the last action (once).
    std::optional<ZFeld> fokusAbholen();

    // Count boxes.
    ZaehlAnsicht zaehlAnsicht(ZFeld f) const;
    void zaehlText(ZFeld f, const std::string& text);
    void zaehlBalken(ZFeld f, int wert);
    bool zaehlTaste(ZFeld f, char32_t zeichen);
    void zaehlTasteUnten(ZFeld f);

    // Tab 0.
    void stundenWaehlen(int stunden);  // 4, 30, 60, 72
    void verzoegerung(bool ja);
    void ext12Eingeben() { fensterOeffnen(Fenster::Ex12); }
    void ext28Eingeben() { fensterOeffnen(Fenster::Ex28); }
    void ext12Loeschen();
    void ext28Loeschen();
    // Tab 1.
    void fbf(int anzahl);
    void schluesseldepot(int option);  // 0 none, 1 Leicher 12, 2 Kruse 12, 3 Kruse 24, 4 Leicher 24
    void heizung(bool gma);
    // Tab 3.
    void ya(int wahl) { p_.z.YAwahl = static_cast<Integer>(wahl); }
    void tele(bool ja) { p_.z.Tele = ja ? 2 : 1; }
    // Tab 4.
    void schnitt1(int wahl);
    void schnitt2(int wahl);
    void ravi1(bool ja) { p_.z.RAVI1 = ja ? 1 : 0; }
    void ravi2(bool ja) { p_.z.RAVI2 = ja ? 1 : 0; }
    // Tab 5.
    void quf(bool ja) { p_.z.QUFwahl = ja ? 1 : 0; }
    void flaeche(bool ja) { p_.z.Flaechwahl = ja ? 1 : 0; }
    void kop(bool ja) { p_.z.KOPwahl = ja ? 1 : 0; }
    // Tab 6.
    void peripherieWaehlen() { fensterOeffnen(Fenster::PERIPH); }
    void peripherieLoeschen();
    void tir(bool ja) { p_.z.TIRwahl = ja ? 2 : 1; }
    // Tabs 7, 8, 10.
    void schluessel(int anzahl) { p_.z.Schlwahl = static_cast<Integer>(anzahl); }
    void dip(int anzahl) { p_.z.DIPwahl = static_cast<Integer>(anzahl); }
    void drucker(int modell) { p_.z.AnzDrucker = static_cast<Integer>(modell); }
    // Tab 9.
    void olma(bool ja) { p_.z.OLMAwahl = ja ? 1 : 0; }

    void hilfe(int reiter);  // the help button of tab 0, 2 or 6
    void reiterWaehlen(int reiter) { reiter_ = reiter; }
    // cmdGedächtnis and a click on the free window area.
    void markierungenAuffrischen();

    // cmdWeiter: the checks in their fixed order. True when every check
    // passed (WeiterOK = 1, the window closes); on a refusal the tab of the
    // offending input is in front and the window stays open.
    bool weiter();

private:
    Integer& variable(ZFeld f);
    Integer wert(ZFeld f) const;
    Zaehlbox& box(ZFeld f) { return boxen_[static_cast<std::size_t>(f)]; }
    const Zaehlbox& box(ZFeld f) const { return boxen_[static_cast<std::size_t>(f)]; }
    int grenze(ZFeld f) const;
    int balkenMaximum(ZFeld f) const;
    bool zaehlAktiv(ZFeld f) const;
    void textAenderung(ZFeld f, const std::string& text);
    void optionenUebernehmen();
    void uezeitGeaendert();
    void beGeaendert(bool balken);
    void fensterOeffnen(Fenster f);  // a window reached from here; this one is active again afterwards
    bool fensterDa(Fenster f) const { return fenster_.count(f) != 0; }
    bool weiterPruefen();
    bool verweigern(int text, int reiter);
    bool verweigern(const Meldungstext& text, int reiter);

    Programm& p_;
    MessageService& ms_;
    std::set<Fenster> fenster_;
    std::array<Zaehlbox, kZFelder> boxen_;
    Integer be300_ = 0;  // the informative BE 300 box stores nothing
    int reiter_ = 0;
    std::optional<ZFeld> fokus_;
    std::array<bool, kReiterAnzahl> markiert_{};

    // Option states that the activation sets and the inputs change.
    std::array<bool, 4> stundenAktiv_{true, true, true, true};
    int stundenGewaehlt_ = -1;
    bool verzJa_ = false;
    bool be2Aktiv_ = true, olmaAktiv_ = true, beAktiv_ = true, be300Aktiv_ = false;
    int beMaximum_ = 4, be2Maximum_ = 4;
};

}  // namespace tarvis
