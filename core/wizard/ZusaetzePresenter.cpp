#include "wizard/ZusaetzePresenter.h"

#include <algorithm>

#include "projekt/Texte.h"

namespace tarvis {

namespace {

constexpr int kStunden[] = {4, 30, 60, 72};
constexpr int kKeineGrenze = 32767;

// KVT 1000, KVT 2000 N and TL 300 run 60 hours on battery, the others 72.
// Intrusion panels have 60 hours of standby time, fire panels 72.
bool sechzigStunden(int typ) { return istEinbruchzentrale(typ); }

int stundenIndex(int h) {
    for (int i = 0; i < 4; ++i)
        if (kStunden[i] == h) return i;
    return -1;
}

ZaehlRegel regel(ZFeld f) {
    switch (f) {
    case ZFeld::MRVNnorm: case ZFeld::MRVNinv: return {2, false, true, 1};
    case ZFeld::VRXnorm: case ZFeld::VRXinv: return {32, false, true, 2};
    case ZFeld::KPLnorm: case ZFeld::KPLinv: case ZFeld::TabloNorm: case ZFeld::TabloInv: return {44, false, true, 2};
    case ZFeld::Strom: return {300, false, true, 3};
    case ZFeld::Vert20DA: return {6, true, true, 1};
    case ZFeld::BE1: case ZFeld::BE2: return {4, true, true, 1};
    case ZFeld::BE300: return {5, true, true, 1};
    case ZFeld::Vzeit: return {60, true, false, 2};
    case ZFeld::Uezeit: return {0, true, true, 4, false};
    }
    return {};
}

bool peripherieGewaehlt(const Zustand& z) {
    for (int i = 320; i <= 499; ++i)
        if (z.Menge[i] > 0) return true;
    return false;
}

bool signalgeberGewaehlt(const Zustand& z) {
    for (int i = 364; i <= 380; ++i)
        if (z.Menge[i] > 0) return true;
    for (int i = 431; i <= 451; ++i)
        if (z.Menge[i] > 0) return true;
    return false;
}

Schalter option(std::string text, bool gewaehlt, bool aktiv = true) { return Schalter{std::move(text), aktiv, gewaehlt}; }
Beschriftung beschriftung(std::string text, bool aktiv = true) { return Beschriftung{std::move(text), aktiv, true}; }

}  // namespace

ZusaetzePresenter::ZusaetzePresenter(Programm& p, MessageService& ms, int startReiter)
    : p_(p), ms_(ms), reiter_(std::clamp(startReiter, 0, kReiterAnzahl - 1)) {
    for (int i = 0; i < kZFelder; ++i) boxen_[static_cast<std::size_t>(i)] = Zaehlbox(regel(static_cast<ZFeld>(i)));
    for (int i = 0; i < kZFelder; ++i) box(static_cast<ZFeld>(i)).zeigen(wert(static_cast<ZFeld>(i)));
    // Loading the window shows which tabs already hold entries.
    markierungenAuffrischen();
}

Integer& ZusaetzePresenter::variable(ZFeld f) {
    Zustand& z = p_.z;
    switch (f) {
    case ZFeld::MRVNnorm: return z.MRVNnorm;
    case ZFeld::MRVNinv: return z.MRVNinv;
    case ZFeld::VRXnorm: return z.VRXnorm;
    case ZFeld::VRXinv: return z.VRXinv;
    case ZFeld::KPLnorm: return z.KPLnorm;
    case ZFeld::KPLinv: return z.KPLinv;
    case ZFeld::TabloNorm: return z.TabloNorm;
    case ZFeld::TabloInv: return z.TabloInv;
    case ZFeld::Strom: return z.ZusStrom;
    case ZFeld::Vert20DA: return z.Vert20DA;
    case ZFeld::BE1: return z.AnzBE;
    case ZFeld::BE2: return z.AnzBE2;
    case ZFeld::BE300: return be300_;
    case ZFeld::Vzeit: return z.Verzwahl;
    case ZFeld::Uezeit: return z.UeZeit;
    }
    return be300_;
}

Integer ZusaetzePresenter::wert(ZFeld f) const { return const_cast<ZusaetzePresenter*>(this)->variable(f); }

int ZusaetzePresenter::grenze(ZFeld f) const {
    int typ = p_.z.ZentralenTyp;
    auto jeTyp = [typ](int kvt1000, int kvt2000, int rw500, int sonst) {
        if (istKVT1000(typ)) return kvt1000;
        if (istKVT2000(typ)) return kvt2000;
        if (istRW500(typ)) return rw500;
        return sonst;
    };
    switch (f) {
    case ZFeld::MRVNnorm: case ZFeld::MRVNinv: return 2;
    case ZFeld::VRXnorm: case ZFeld::VRXinv: return jeTyp(22, 12, 4, 32);
    case ZFeld::KPLnorm: return jeTyp(44, 24, 8, 44);
    case ZFeld::KPLinv: return jeTyp(44, 24, 0, 44);
    case ZFeld::TabloNorm: case ZFeld::TabloInv: return jeTyp(44, 24, 8, istTL300(typ) ? 2 : 44);
    case ZFeld::Strom: return jeTyp(300, 300, 100, istTL300(typ) ? 100 : 300);
    case ZFeld::Vert20DA: return jeTyp(6, 1, 2, 6);
    case ZFeld::BE1: case ZFeld::BE2: return 4;
    case ZFeld::BE300: return 5;
    case ZFeld::Vzeit: return 60;
    case ZFeld::Uezeit: return kKeineGrenze;
    }
    return kKeineGrenze;
}

int ZusaetzePresenter::balkenMaximum(ZFeld f) const {
    if (f == ZFeld::BE1) return beMaximum_;
    if (f == ZFeld::BE2) return be2Maximum_;
    return std::min(box(f).regel().maximum, grenze(f));
}

bool ZusaetzePresenter::zaehlAktiv(ZFeld f) const {
    int typ = p_.z.ZentralenTyp;
    switch (f) {
    case ZFeld::MRVNnorm: case ZFeld::VRXnorm: case ZFeld::KPLnorm: return !istTL300(typ);
    case ZFeld::MRVNinv: case ZFeld::VRXinv: case ZFeld::KPLinv: return !istTL300(typ) && !istRW500(typ);
    case ZFeld::TabloInv: return !istRW500(typ);
    case ZFeld::TabloNorm: case ZFeld::Strom: return true;
    case ZFeld::Vert20DA: return typ >= 1 && typ <= 5;
    case ZFeld::BE1: return beAktiv_;
    case ZFeld::BE2: return beAktiv_ && be2Aktiv_;
    case ZFeld::BE300: return be300Aktiv_;
    case ZFeld::Vzeit: return verzJa_ && !istTL300(typ);
    case ZFeld::Uezeit: return true;
    }
    return true;
}

std::optional<ZFeld> ZusaetzePresenter::fokusAbholen() {
    auto f = fokus_;
    fokus_.reset();
    return f;
}

// --- Activation ---

void ZusaetzePresenter::aktivieren() {
    Zustand& z = p_.z;
    int typ = z.ZentralenTyp;
    if (z.UeZeit == 0) reiter_ = kReiterEnergie;
    for (int i = 0; i < kZFelder; ++i) box(static_cast<ZFeld>(i)).zeigen(wert(static_cast<ZFeld>(i)));

    // Standby time: the default of the panel, and the hour options it offers.
    if (z.UeZeit == 0) z.UeZeit = sechzigStunden(typ) ? 60 : 72;
    box(ZFeld::Uezeit).zeigen(z.UeZeit);
    stundenAktiv_[2] = sechzigStunden(typ);
    stundenAktiv_[3] = !sechzigStunden(typ);
    stundenGewaehlt_ = stundenIndex(z.UeZeit);
    if (stundenGewaehlt_ < 0) stundenAktiv_.fill(false);

    // Mains-failure delay; the TL 300 always reports after 30 minutes.
    verzJa_ = z.Verzwahl > 0;
    if (istTL300(typ)) {
        z.Verzwahl = 30;
        box(ZFeld::Vzeit).zeigen(30);
        verzJa_ = true;
    }

    optionenUebernehmen();

    // Remote terminals.
    beAktiv_ = be2Aktiv_ = olmaAktiv_ = true;
    if (z.AnzBE == 0 && z.OLMAwahl == 0 && z.ZusAbbruch == 0) be2Aktiv_ = olmaAktiv_ = false;
    if (istRW500(typ)) {
        beMaximum_ = be2Maximum_ = 3;
        olmaAktiv_ = z.AnzBE > 0 || z.ZusAbbruch != 0 || z.OLMAwahl != 0;
        be300Aktiv_ = false;
    } else if (istTL300(typ)) {
        beAktiv_ = olmaAktiv_ = false;
        beMaximum_ = be2Maximum_ = 4;
        be300Aktiv_ = true;
    } else {
        beMaximum_ = be2Maximum_ = 4;
        olmaAktiv_ = false;
        be300Aktiv_ = false;
    }
}

// Each option group shows one option for the stored value, and selecting it
// runs its click: the project then holds exactly what the window shows. A
// teleservice never answered is shown "no" and so becomes "no" (left at 0 it
// would count as chosen); a value without an option of its own (a damaged
// file) is shown and stored as the group's "none".
void ZusaetzePresenter::optionenUebernehmen() {
    Zustand& z = p_.z;
    auto zwischen = [](int v, int von, int bis) { return v >= von && v <= bis; };
    if (!verzJa_) {
        z.Verzwahl = 0;
        box(ZFeld::Vzeit).zeigen(0);
    }
    fbf(z.AnzFBF >= 1 ? 1 : 0);
    if (z.SDwahl > 8) schluesseldepot(0);
    ya(zwischen(z.YAwahl, 2, 3) ? z.YAwahl : 1);
    tele(z.Tele == 2);
    schnitt1(zwischen(z.Schnitt1, 2, 4) ? z.Schnitt1 : 1);
    schnitt2(zwischen(z.Schnitt2, 2, 3) ? z.Schnitt2 : 1);
    ravi1(z.RAVI1 == 1);
    ravi2(z.RAVI2 == 1);
    quf(z.QUFwahl == 1);
    flaeche(z.Flaechwahl == 1);
    kop(z.KOPwahl == 1);
    tir(z.TIRwahl != 1);
    schluessel(zwischen(z.Schlwahl, 0, 2) ? z.Schlwahl : 0);
    dip(zwischen(z.DIPwahl, 0, 2) ? z.DIPwahl : 0);
    olma(z.OLMAwahl == 1);
    drucker(zwischen(z.AnzDrucker, 0, 3) ? z.AnzDrucker : 0);
}

void ZusaetzePresenter::markierungenAuffrischen() {
    const Zustand& z = p_.z;
    bool rw = istRW500(z.ZentralenTyp);
    double energie = z.UeZeit + z.Ext12Ruhe + z.Ext12Alarm + z.Ext28Ruhe + z.Ext28Alarm + z.Verzwahl;
    int kontakte = z.MRVNnorm + z.MRVNinv + z.VRXnorm + z.VRXinv + z.KPLnorm + z.KPLinv + z.TabloNorm + z.TabloInv;
    markiert_ = {
        energie != 0,
        z.SDwahl != 0 || z.AnzFBF >= 1,
        kontakte > 0,
        z.Tele != 1 || z.YAwahl >= 2,
        z.Schnitt1 > 1 || z.Schnitt2 >= 2,
        z.Vert20DA > 0 || z.KOPwahl > 0 || z.Flaechwahl > 0 || z.QUFwahl >= 1,
        peripherieGewaehlt(z),
        z.Schlwahl > 0,
        z.DIPwahl > 0,
        z.AnzBE > 0 || (rw && z.OLMAwahl >= 1),
        z.AnzDrucker >= 1,
    };
}

// --- Count boxes ---

ZaehlAnsicht ZusaetzePresenter::zaehlAnsicht(ZFeld f) const {
    return box(f).ansicht(wert(f), zaehlAktiv(f), balkenMaximum(f));
}

bool ZusaetzePresenter::zaehlTaste(ZFeld f, char32_t zeichen) { return box(f).taste(zeichen, ms_); }

void ZusaetzePresenter::zaehlTasteUnten(ZFeld f) { box(f).tasteUnten(wert(f)); }

void ZusaetzePresenter::zaehlText(ZFeld f, const std::string& text) { textAenderung(f, text); }

void ZusaetzePresenter::zaehlBalken(ZFeld f, int w) {
    Integer alt = wert(f);
    textAenderung(f, std::to_string(w));
    // The scroll bar of the remote terminals also decides on the OLMA 10
    // question (textAenderung did so already when the count changed).
    if (f == ZFeld::BE1 && alt == wert(f)) beGeaendert(true);
}

void ZusaetzePresenter::textAenderung(ZFeld f, const std::string& text) {
    Zustand& z = p_.z;
    Zaehlbox& b = box(f);
    switch (f) {
    case ZFeld::Vzeit: {
        int w = b.textAendern(text, kKeineGrenze);
        if (w > 60) {
            ms_.meldung(Symbol::Ausrufezeichen, Nr(150));
            w = 60;
            b.zeigen(60);
        }
        if (w == 0 && verzJa_) {
            w = 1;
            b.zeigen(1);
        }
        z.Verzwahl = static_cast<Integer>(w);
        break;
    }
    case ZFeld::Uezeit:
        z.UeZeit = static_cast<Integer>(b.textAendern(text, kKeineGrenze));
        uezeitGeaendert();
        break;
    case ZFeld::BE1: {
        Integer alt = z.AnzBE;
        z.AnzBE = static_cast<Integer>(b.textAendern(text, grenze(f)));
        beGeaendert(alt != z.AnzBE);
        break;
    }
    default:
        variable(f) = static_cast<Integer>(b.textAendern(text, grenze(f)));
        break;
    }
}

void ZusaetzePresenter::beGeaendert(bool balken) {
    Zustand& z = p_.z;
    if (z.AnzBE > 0) {
        be2Aktiv_ = true;
    } else {
        be2Aktiv_ = false;
        z.AnzBE2 = 0;
        box(ZFeld::BE2).zeigen(0);
    }
    // The supplied terminals follow the terminals down.
    be2Maximum_ = std::min<int>(z.AnzBE, beMaximum_);
    if (z.AnzBE2 > z.AnzBE) {
        z.AnzBE2 = z.AnzBE;
        box(ZFeld::BE2).zeigen(z.AnzBE2);
    }
    if (!balken) return;
    if (z.AnzBE >= 1) {
        olmaAktiv_ = istRW500(z.ZentralenTyp);
    } else if (istRW500(z.ZentralenTyp)) {
        olmaAktiv_ = false;
        z.OLMAwahl = 0;
    }
}

// --- Tab 0 ---

void ZusaetzePresenter::uezeitGeaendert() {
    int typ = p_.z.ZentralenTyp;
    int i = stundenIndex(p_.z.UeZeit);
    if (i >= 0) stundenAktiv_.fill(true);
    stundenGewaehlt_ = i;
    if (sechzigStunden(typ)) {
        stundenAktiv_[3] = false;
        if (i >= 0) stundenAktiv_[2] = true;
    } else {
        stundenAktiv_[2] = false;
        if (i >= 0) stundenAktiv_[3] = true;
    }
}

void ZusaetzePresenter::stundenWaehlen(int stunden) {
    p_.z.UeZeit = static_cast<Integer>(stunden);
    box(ZFeld::Uezeit).zeigen(stunden);
    uezeitGeaendert();
}

void ZusaetzePresenter::verzoegerung(bool ja) {
    Zustand& z = p_.z;
    if (istTL300(z.ZentralenTyp)) return;  // fixed at 30 minutes
    verzJa_ = ja;
    if (ja) {
        if (z.Verzwahl == 0) textAenderung(ZFeld::Vzeit, "10");
        fokus_ = ZFeld::Vzeit;
    } else {
        z.Verzwahl = 0;
        box(ZFeld::Vzeit).zeigen(0);
    }
}

void ZusaetzePresenter::ext12Loeschen() {
    if (ms_.frage(Nr(151), Schaltflaechen::JaNein, Symbol::Frage, {}, Antwort::Nein) != Antwort::Ja) return;
    Zustand& z = p_.z;
    z.Ext12Name.fill("");
    z.Ext12RuheI.fill(0);
    z.Ext12AlarmI.fill(0);
    z.Ext12Menge.fill(0);
    z.Ext12Ruhe = z.Ext12Alarm = 0;
}

void ZusaetzePresenter::ext28Loeschen() {
    if (ms_.frage(Nr(152), Schaltflaechen::JaNein, Symbol::Frage, {}, Antwort::Nein) != Antwort::Ja) return;
    Zustand& z = p_.z;
    z.Ext28Name.fill("");
    z.Ext28RuheI.fill(0);
    z.Ext28AlarmI.fill(0);
    z.Ext28Menge.fill(0);
    z.Ext28Ruhe = z.Ext28Alarm = 0;
}

void ZusaetzePresenter::fensterOeffnen(Fenster f) {
    if (!fensterDa(f)) return;
    ms_.oeffnen(f);
    aktivieren();
}

// --- Tabs 1, 4, 6 ---

void ZusaetzePresenter::fbf(int anzahl) { p_.z.AnzFBF = static_cast<Integer>(anzahl); }

void ZusaetzePresenter::schluesseldepot(int option) {
    Zustand& z = p_.z;
    if (option <= 0) {
        z.SDwahl = 0;
        return;
    }
    bool gma = z.SDwahl >= 1 && z.SDwahl <= 4;
    z.SDwahl = static_cast<Byte>(gma ? option : option + 4);
}

void ZusaetzePresenter::heizung(bool gma) {
    Zustand& z = p_.z;
    if (z.SDwahl == 0 || z.SDwahl > 8) return;
    int option = (z.SDwahl - 1) % 4 + 1;
    z.SDwahl = static_cast<Byte>(gma ? option : option + 4);
}

void ZusaetzePresenter::schnitt1(int wahl) {
    Zustand& z = p_.z;
    z.Schnitt1 = static_cast<Integer>(wahl);
    int typ = z.ZentralenTyp;
    if (wahl == 1 && (istEinbruchzentrale(typ))) z.RAVI1 = 0;
}

void ZusaetzePresenter::schnitt2(int wahl) {
    Zustand& z = p_.z;
    z.Schnitt2 = static_cast<Integer>(wahl);
    if (wahl == 1 && istKVT2000N(z.ZentralenTyp)) z.RAVI2 = 0;
}

void ZusaetzePresenter::peripherieLoeschen() {
    if (ms_.frage(Nr(149), Schaltflaechen::JaNein) != Antwort::Ja) return;
    for (int i = 320; i <= 499; ++i) p_.z.Menge[i] = 0;
}

void ZusaetzePresenter::hilfe(int reiter) {
    if (reiter == kReiterEnergie) ms_.hilfe(30);
    else if (reiter == kReiterTableau) ms_.hilfe(40);
    else if (reiter == kReiterPeripherie) ms_.hilfe(71);
}

// --- View state ---

ZusaetzeAnsicht ZusaetzePresenter::ansicht() const {
    const Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    const bool kvt1000 = istKVT1000(typ), kvt2000 = istKVT2000(typ), rw = istRW500(typ), tl = istTL300(typ);
    ZusaetzeAnsicht a;

    Zustand name;  // the display name without touching TypFehler
    ZentralenNameSetzen(name, typ);
    a.titel = Text(89) + "   " + name.ZentralenName + "   " + z.Projektname;
    const int reiterTexte[] = {90, 0, 92, 93, 94, 95, 96, 97, 98, 99, 100};
    for (int i = 0; i < kReiterAnzahl; ++i) {
        std::string t = i == kReiterFbfSd ? std::string("&FBF, SD") : Text(reiterTexte[i]);
        if (i == kReiterBedien && rw) t += ", OLMA";
        if (markiert_[static_cast<std::size_t>(i)]) t += " *";
        a.reiter[static_cast<std::size_t>(i)] = t;
    }
    a.reiterVorn = reiter_;
    a.zurueck = option(Text(293), false);
    a.gedaechtnis = option(Text(171), false);
    a.weiter = option(Text(170), false);

    // Tab 0: supply.
    auto& e = a.energie;
    e.fraUezeit = beschriftung(Text(671));
    e.lblUezeit = beschriftung(Text(125));
    for (int i = 0; i < 4; ++i)
        e.stunden[static_cast<std::size_t>(i)] = option(std::to_string(kStunden[i]) + " h", stundenGewaehlt_ == i,
                                                        stundenAktiv_[static_cast<std::size_t>(i)]);
    e.fraVzeit = beschriftung(Text(188), !tl);
    e.lblVerz = beschriftung(Text(130), !tl);
    e.lblMinuten = beschriftung("min", !tl && verzJa_);
    e.verz = JaNein({}, verzJa_, !tl);
    e.fraExtVerb = beschriftung(Text(126));
    e.lblBedarf = beschriftung(Text(127));
    e.lbl12 = beschriftung(Text(z.Ext12Ruhe + z.Ext12Alarm > 0 ? 131 : 132));
    e.lbl28 = beschriftung(Text(z.Ext28Ruhe + z.Ext28Alarm > 0 ? 128 : 129));
    e.cmd12eingeben = option(Text(670), false, fensterDa(Fenster::Ex12));
    e.cmd28eingeben = option(Text(670), false, fensterDa(Fenster::Ex28));
    e.cmd12loeschen = option(Text(133), false);
    e.cmd28loeschen = option(Text(133), false);
    e.hilfe = option(Text(37), false);

    // Tab 1: fire-brigade panel and key depot.
    auto& f = a.fbfSd;
    bool fbfSd = !kvt1000 && !tl;
    f.fraFBF = beschriftung(Text(218), fbfSd);
    f.fraSD = beschriftung(Text(503), fbfSd);
    f.fbf = {option("0 FBF", z.AnzFBF < 1, fbfSd), option("1 FBF", z.AnzFBF >= 1, fbfSd)};
    int sd = z.SDwahl == 0 ? 0 : (z.SDwahl <= 8 ? (z.SDwahl - 1) % 4 + 1 : -1);
    for (int i = 0; i < 5; ++i) f.sd[static_cast<std::size_t>(i)] = option(Text(504 + i), sd == i, fbfSd);
    f.gma = option(Text(502), z.SDwahl >= 1 && z.SDwahl <= 4, fbfSd && z.SDwahl != 0);

    // Tab 2: contacts and mimic-panel points.
    auto& t = a.tableau;
    t.fra1 = beschriftung(Text(262), !tl);
    t.fra2 = beschriftung(Text(263));
    t.lblKontMenge = beschriftung(Text(259), !tl);
    t.lblMRVN = beschriftung(Text(256), !tl);
    t.lblVRX = beschriftung(Text(257), !tl);
    t.lblKPL = beschriftung(Text(258), !tl);
    t.lblTablop = beschriftung(Text(261));
    t.lblStrombed = beschriftung(Text(260));
    t.lblNormal = beschriftung("Normal");
    t.lblInvers = beschriftung("Invers", !rw);
    t.lblMax = beschriftung(Text(380));
    auto zahl = [](int n) { return std::to_string(n); };
    t.maxMRVN = beschriftung("2", !tl);
    t.maxVRX = beschriftung(tl ? "" : zahl(grenze(ZFeld::VRXnorm)), !tl);
    t.maxKPL = beschriftung(tl ? "" : zahl(grenze(ZFeld::KPLnorm)), !tl);
    t.maxTablo = beschriftung(zahl(grenze(ZFeld::TabloNorm)));
    t.maxStrom = beschriftung(zahl(grenze(ZFeld::Strom)));
    t.hilfe = option(Text(37), false);

    // Tab 3: YA 2000 and teleservice.
    a.yaTele.fraYA2000 = beschriftung(Text(253));
    a.yaTele.ya = {option("0 YA 2000", z.YAwahl != 2 && z.YAwahl != 3), option("YA 2000 Analog", z.YAwahl == 2),
                   option("YA 2000 ISDN", z.YAwahl == 3)};
    a.yaTele.tele = JaNein(Text(703), z.Tele == 2);

    // Tab 4: interfaces to a superior system and their encryption.
    auto& s = a.schnittstellen;
    bool s1 = !tl, s2 = !tl && !kvt1000 && !rw;
    s.fraSchnitt1 = beschriftung(Text(227), s1);
    s.fraSchnitt2 = beschriftung(Text(233), s2);
    std::string modem = Text(229) + (rw ? " + WX 24" : "");
    s.schnitt1 = {option(Text(232), z.Schnitt1 <= 1, s1), option(modem, z.Schnitt1 == 2, s1),
                  option(Text(230), z.Schnitt1 == 3, s1 && !kvt1000), option(Text(231), z.Schnitt1 == 4, kvt1000)};
    s.schnitt2 = {option(Text(232), z.Schnitt2 <= 1, s2), option(Text(229), z.Schnitt2 == 2, s2),
                  option(Text(230), z.Schnitt2 == 3, s2)};
    // Encryption on the KVT 1000 and KVT 2000 N, for an interface in use,
    // and never on a networked panel.
    bool vernetzt = z.OLNJa == 1;
    s.ravi1 = JaNein(Text(228), z.RAVI1 == 1, (kvt1000 || istKVT2000N(typ)) && z.Schnitt1 > 1 && !vernetzt);
    s.ravi2 = JaNein(Text(226), z.RAVI2 == 1, istKVT2000N(typ) && z.Schnitt2 > 1 && !vernetzt);

    // Tab 5: distribution material and protection.
    auto& v = a.verteiler;
    v.fraVert2 = beschriftung(Text(252), kvt1000 || kvt2000 || rw);
    v.lblVert20DA = beschriftung(Text(251), kvt1000 || kvt2000 || rw);
    v.quf = JaNein(Text(246), z.QUFwahl == 1, kvt1000);
    v.flaech = JaNein(Text(245), z.Flaechwahl == 1, kvt1000 || kvt2000);
    v.kop = JaNein(Text(243), z.KOPwahl == 1, kvt1000 || kvt2000);

    // Tab 6: peripheral elements.
    auto& pe = a.peripherie;
    bool gewaehlt = peripherieGewaehlt(z);
    bool tir = signalgeberGewaehlt(z) && !rw && !tl;
    pe.lblTrennung = beschriftung(Text(196));
    pe.lblGewaehlt = beschriftung(Text(gewaehlt ? 197 : 198));
    pe.lblSignal = beschriftung(Text(675), tir);
    pe.cmdWahl = option(Text(194), false, fensterDa(Fenster::PERIPH));
    pe.cmdLoeschen = option(Text(195), false, gewaehlt);
    pe.hilfe = option(Text(37), false);
    pe.tir = JaNein("TIR", z.TIRwahl != 1, tir);

    // Tabs 7, 8: key switches and internal program modules.
    a.schluessel.rahmen = beschriftung(Text(102), !tl);
    for (int i = 0; i < 3; ++i)
        a.schluessel.optionen[static_cast<std::size_t>(i)] = option(std::to_string(i), z.Schlwahl == i, !tl);
    int dipMax = kvt1000 ? 2 : (istKVT2000N(typ) ? 1 : -1);
    a.dip.rahmen = beschriftung(Text(212), dipMax >= 0);
    for (int i = 0; i < 3; ++i)
        a.dip.optionen[static_cast<std::size_t>(i)] = option(Text(213 + i), z.DIPwahl == i, i <= dipMax);

    // Tab 9: remote terminals.
    auto& b = a.bedien;
    b.fraBE = beschriftung(Text(124));
    b.lblBE1 = beschriftung(Text(200), beAktiv_);
    b.lblBE2 = beschriftung(Text(201), beAktiv_ && be2Aktiv_);
    b.lblOLMA = beschriftung(Text(189), olmaAktiv_);
    b.lblUndOder = beschriftung(Text(520), olmaAktiv_);
    b.olma = JaNein({}, z.OLMAwahl == 1, olmaAktiv_);
    b.fraBE300 = beschriftung("BE 300 KBN (TL 300)", be300Aktiv_);
    b.lblEingabe = beschriftung(Text(519), be300Aktiv_);

    // Tab 10: log printer.
    a.drucker.fraDrucker = beschriftung(Text(238), !tl);
    const int druTexte[] = {401, 239, 240, 241};
    const bool druAktiv[] = {kvt1000 || kvt2000 || rw, kvt1000 || kvt2000, kvt1000 || kvt2000, kvt1000 || rw};
    for (int i = 0; i < 4; ++i)
        a.drucker.optionen[static_cast<std::size_t>(i)] = option(Text(druTexte[i]), z.AnzDrucker == i, druAktiv[i]);
    return a;
}

}  // namespace tarvis
