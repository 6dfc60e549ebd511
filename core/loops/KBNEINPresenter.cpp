#include "loops/KBNEINPresenter.h"

#include "projekt/Format.h"
#include "loops/KBNNachzaehlen.h"
#include "loops/KBNUebernahme.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {


Beschriftung zahl(long long n, bool sichtbar = true) { return Beschriftung{std::to_string(n), true, sichtbar}; }
Beschriftung text(int nummer, bool sichtbar = true) { return Beschriftung{Text(nummer), true, sichtbar}; }

}  // namespace

int KBNSchleifen(int zentralenTyp) {
    switch (zentralenTyp) {
    case 2: case 5: return 2;
    case 3: case 4: return 4;
    default: return 1;
    }
}

KBNEINPresenter::KBNEINPresenter(Programm& p, MessageService& ms)
    : p_(p),
      ms_(ms),
      raster_(4, true, 3,
              [&z = p.z](int satz, int k) { return static_cast<long long>(z.KBNMenge(k + 1)[satz]); },
              [&z = p.z](int satz, int k, long long q) {
                  z.KBNMenge(k + 1)[satz] = static_cast<Long>(q);
              }) {}

int KBNEINPresenter::schleifen() const { return KBNSchleifen(p_.z.ZentralenTyp); }

void KBNEINPresenter::aktivieren() {
    const Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    const bool sachnummer = z.CodeModus == "S";
    raster_.setzeKopf({Text(104), Text(105), sachnummer ? Text(106) : Text(107), "TPX1",
                       typ >= 2 && typ <= 5 ? "TPX2" : "", istKVT2000N(typ) || istKVT2000B(typ) ? "TPX3" : "",
                       istKVT2000N(typ) || istKVT2000B(typ) ? "TPX4" : "", ""});
    raster_.setzeNutzbareSpalten(schleifen());
    raster_.aufbauen(p_.katalog, RasterAufbau{kKBNErster, kKBNLetzter, sachnummer, istBrandzentrale(typ), istTL300(typ)});
    summieren();
}

bool KBNEINPresenter::summieren() {
    return KBNSummieren(p_, ms_, [this](const KBNSummen& s) {
               summen_ = s;
               if (beiNeuenSummen_) beiNeuenSummen_();
           }).grenzenEingehalten;
}

KBNEINAnsicht KBNEINPresenter::ansicht() const {
    const Zustand& z = p_.z;
    const bool tl300 = istTL300(z.ZentralenTyp);
    const int n = schleifen();
    KBNEINAnsicht a;
    a.titel = z.ZentralenName + "   " + Text(103);
    a.schleifen = n;
    for (std::size_t k = 0; k < 4; ++k) {
        const bool da = static_cast<int>(k) < n;
        const std::size_t i = k + 1;
        a.boxSichtbar[k] = da && raster_.eingabeMoeglich();
        a.tpxOben[k] = Beschriftung{"TPX" + std::to_string(i), true, da};
        a.elemente[k] = zahl(summen_.elemente[i], da);
        // A current that is no number (a damaged catalogue) shows as such.
        a.strom[k] = Beschriftung{ZahlText(summen_.strom[i]), true, da};
        a.speicherRLM[k] = zahl(summen_.speicherRLM[i], da);
        a.speicherRAM[k] = zahl(summen_.speicherRAM[i], da);
    }
    a.lblMengen = text(114);
    a.lblMjeTPX = text(115);
    a.frmSuche = text(110);
    a.lblSchnellsuche2 = text(111);
    a.lblSuche = Beschriftung{raster_.suchtext(), true, true};
    a.frmSummen = text(109);
    a.lblElSu = text(120);
    a.lblStromSu = text(121);
    a.lblSpeicher1 = text(676);
    a.lblSpeicher2 = text(677);
    a.lblAdrEin = Beschriftung{tl300 ? Text(669) : "", true, tl300};
    a.lblAdrAus = Beschriftung{tl300 ? Text(187) : "", true, tl300};
    a.lblAdr1 = Beschriftung{tl300 ? std::to_string(summen_.adrEin) : "", true, tl300};
    a.lblAdr2 = Beschriftung{tl300 ? std::to_string(summen_.adrAus) : "", true, tl300};
    a.fra28 = Beschriftung{"28 V, mA", true, true};
    a.lbl28 = Beschriftung{ZahlText(summen_.strom28), true, true};
    a.fraTotal = text(350);
    a.lblTotal = zahl(summen_.gesamt);
    a.lblQuer = text(299);
    a.lblElemente = text(118);
    a.loeschen = Schalter{Text(377)};
    a.weiter = Schalter{Text(170)};
    a.hilfe = Schalter{Text(37)};
    return a;
}

RasterTaste KBNEINPresenter::rasterTaste(char32_t zeichen) {
    RasterTaste t = raster_.taste(zeichen);
    if (t == RasterTaste::Ziffer) summieren();
    return t;
}

void KBNEINPresenter::zaehlText(int f, const std::string& text) {
    if (raster_.boxText(f, text)) summieren();
}

void KBNEINPresenter::allesLoeschen() {
    if (ms_.frage(Nr(378), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) return;
    Zustand& z = p_.z;
    for (int k = 1; k <= 4; ++k) z.KBNMenge(k).fill(0);
    aktivieren();
}

bool KBNEINPresenter::weiter() {
    Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    auto m = [&z](int i) { return static_cast<int>(z.Menge[i]); };
    auto ja = [this](const Meldungstext& frage) {
        return ms_.frage(frage, Schaltflaechen::JaNein, Symbol::Frage) == Antwort::Ja;
    };

    // 1. The loop limits.
    if (!summieren()) return false;

    // 2. Nothing entered at all is allowed, but asked.
    int eingetragen = 0;
    for (int i = kKBNUebernahmeErster; i <= kKBNLetzter; ++i) {
        long long q = 0;
        for (int k = 1; k <= 4; ++k) q += z.KBNMenge(k)[i];
        if (q > 0) ++eingetragen;
    }
    if (eingetragen == 0 && !ja(Nr(155))) return false;

    // 3..5. Article quantities, module counts (with the PSM 300 question), BE 300.
    KBNMengenUebernehmen(z);
    KBNModuleAbleiten(z, ms_);
    KBNBedienteileZaehlen(z);

    // 6. Relay couplers are unusual on a fire panel.
    if (istBrandzentrale(typ)) {
        if (z.AnzPQK > 0 && !ja(Nr(158))) return false;
        if (z.AnzPQV > 0 && !ja(Nr(159))) return false;
    }

    // 7. An intrusion panel is normally set and unset somewhere; asked once
    // per project.
    if (istEinbruchzentrale(typ) && m(677) + m(678) == 0 && z.AnzPQV == 0 && z.BedienFrageGestellt == 0) {
        z.BedienFrageGestellt = 1;
        if (!ja(Nr(160))) return false;
    }

    // 8. What a RW 500 cannot take.
    if (istRW500(typ)) {
        if (z.AnzPQS >= 17) {
            ms_.meldung(Symbol::Ausrufezeichen, Nr(274));
            return false;
        }
        if (m(519) + m(520) >= 1) {
            ms_.meldung(Symbol::Ausrufezeichen, Nr(697));
            return false;
        }
    }

    // 9. The safety query for the fire-brigade controls.
    if (z.WEKAbfrage == 1 && (istKVT2000_1(typ) || istKVT2000B(typ)) && m(608) + m(609) == 0 &&
        !ja("WEK 100 KBN und/oder JAG 100 KBN nicht ausgewählt!\nRichtig?"))
        return false;
    return true;
}

bool KBNEINPresenter::nachSchliessen() {
    Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    auto m = [&z](int i) { return static_cast<int>(z.Menge[i]); };

    // 10. The modules on the loops that need further input.
    if (z.AnzPQS > 0) {
        ms_.oeffnen(Fenster::PQSloeschen);
    } else {
        z.SchaltenNorm = z.SchaltenInv = z.Loeschen = z.VOGanz = 0;
    }
    if (z.AnzPQK + z.AnzPQV == 0) {
        z.PQKnorm28 = z.PQKinv28 = z.PQKnorm12 = z.PQKinv12 = 0;
        z.PQVnorm28 = z.PQVinv28 = z.PQVnorm12 = z.PQVinv12 = 0;
        z.PQK28 = z.PQK12 = z.HYZusatz = z.AnzHY = 0;
    }
    if (z.AnzPQS > 0 || z.AnzPQB > 0) ms_.oeffnen(Fenster::PQSPQBsp);
    if (z.AnzPQK > 0) ms_.oeffnen(Fenster::PQKSpeisung);
    if (z.AnzPQV > 0) ms_.oeffnen(Fenster::PQVSpeisung);
    if (z.AnzPQK + z.AnzPQV > 0) ms_.oeffnen(Fenster::HY100);
    if (z.AnzDUV > 0) ms_.oeffnen(Fenster::DUV100Sp);

    // 11. Mimic-panel controls and operating panels a panel can drive.
    int zaehler = 0;
    switch (typ) {
    case 1:
        for (int i = 612; i <= 615; ++i)
            if (m(i) > 0) zaehler = 2;
        break;
    case 2: case 3: case 4:
        if (m(612) > 0 || m(613) > 0) zaehler = 2;
        for (int i : {614, 615})
            if (m(i) > 0) zaehler += m(i);
        break;
    case 5:
        if (m(614) > 0 || m(615) > 0) zaehler = 2;
        for (int i : {612, 613}) {
            if (m(i) <= 0) continue;
            if (z.MGEAZ == 2) zaehler += m(i);
            else if (z.MGEAZ == 1) zaehler = m(i) + 2;
        }
        break;
    case 6:
        zaehler = m(607);
        for (int i = 609; i <= 614; ++i) zaehler += m(i);
        break;
    default: break;
    }
    if (zaehler >= 2) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(389));
        return false;
    }
    if (istTL300(typ) && m(620) >= 6) {
        ms_.meldung(Symbol::Ausrufezeichen, "Max. 5 BE 300 in TL 300!");
        return false;
    }
    // 12.
    if (m(620) >= 1 && !istTL300(typ)) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(522));
        return false;
    }
    // 13.
    if (istTL300(typ) && z.AnzPSM > 0) ms_.oeffnen(Fenster::PSM300);
    // 14. Editing and printing the loop entry are possible from now on.
    z.KBNMenueAktiv = 1;
    return true;
}

}  // namespace tarvis
