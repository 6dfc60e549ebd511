#include "calc/MaterialRegeln.h"
#include "projekt/Zahlen.h"

namespace tarvis::calc {
namespace {

void setzen(Zustand& z, int satz) { z.Menge[satz] = 1; }
void addieren(Zustand& z, int satz, int wert) { z.Menge[satz] = alsInteger(z.Menge[satz] + wert); }
bool zwischen(int typ, int von, int bis) { return typ >= von && typ <= bis; }

void bedieneinheiten(Zustand& z, int typ) {
    if (istRW500(typ)) {
        // The RW 500 unit comes in one article per language; the Italian
        // build has none for French. Every terminal is one article.
        if (z.Sprache == 1) z.Menge[209] = z.AnzBE;
        else if (z.Sprache >= 2 && z.Sprache <= 10) z.Menge[193 + z.Sprache] = z.AnzBE;
        return;
    }
    if (istKVT1000(typ)) z.Menge[205] = z.AnzBE;
    if (zwischen(typ, 2, 4)) z.Menge[210] = z.AnzBE;
    if (z.CodeModus == "S") {
        if (istKVT1000(typ) || istKVT2000N(typ)) z.Menge[46] = z.AnzBE;
        else z.Menge[144] = z.AnzBE;
    }
}

void drucker(Zustand& z, int typ) {
    switch (z.AnzDrucker) {
    case 1:
        if (istKVT1000(typ)) setzen(z, 206);
        if (zwischen(typ, 2, 4)) setzen(z, 211);
        break;
    case 2:
        if (istKVT1000(typ)) setzen(z, 207);
        if (zwischen(typ, 2, 4)) setzen(z, 212);
        break;
    case 3:
        setzen(z, 208);
        break;
    default:
        break;
    }
}

void ya2000(Zustand& z, int typ) {
    if (z.YAwahl == 2) {
        if (istKVT1000(typ)) { setzen(z, 220); setzen(z, 232); setzen(z, 234); }
        if (zwischen(typ, 2, 5)) { setzen(z, 232); setzen(z, 236); }
        if (istTL300(typ)) { setzen(z, 237); setzen(z, 232); }
    } else if (z.YAwahl == 3) {
        if (istKVT1000(typ)) { setzen(z, 220); setzen(z, 233); setzen(z, 235); }
        if (zwischen(typ, 2, 5)) { setzen(z, 233); setzen(z, 236); }
        if (istTL300(typ)) { setzen(z, 237); setzen(z, 233); }
    }
}

void schnittstellen(Zustand& z, int typ) {
    if (istKVT1000(typ) && (z.Schnitt1 == 2 || z.Schnitt2 == 2)) {
        setzen(z, 220);
        setzen(z, 224);
    }
    if (zwischen(typ, 2, 4)) {
        if (z.Schnitt1 == 2) z.Menge[227] = 1;
        if (z.Schnitt2 == 2) addieren(z, 227, 1);
        if (z.Schnitt1 == 3) z.Menge[156] = 1;
        if (z.Schnitt2 == 3) addieren(z, 156, 1);
    }
    if (istRW500(typ)) {
        if (z.Schnitt1 == 2) { setzen(z, 228); setzen(z, 163); }
        if (z.Schnitt1 == 3) setzen(z, 162);
    }
    if (z.AnzBE > 0) {
        if (zwischen(typ, 2, 4)) setzen(z, 155);
        if (istRW500(typ)) addieren(z, 162, z.AnzBE);
    }
    if (z.AnzDrucker >= 1) {
        if (zwischen(typ, 2, 4)) addieren(z, 156, 1);
        if (istRW500(typ)) addieren(z, 162, 1);
    }
}

// One networking side: the optical coupler module takes an interface card,
// fibre optic and modem a WX 24; every link needs the RAVI 1 extension.
void olnSeite(Zustand& z, int typ, Byte opto, Byte lwl, Byte modem) {
    if (opto == 1 && typ >= 2) {
        if (zwischen(typ, 2, 4)) addieren(z, 156, 1);
        if (istRW500(typ)) addieren(z, 162, 1);
        if (zwischen(typ, 2, 5)) setzen(z, 158);
    }
    if (lwl == 1) {
        if (zwischen(typ, 2, 4)) addieren(z, 157, 1);
        setzen(z, 158);
    }
    if (modem == 1) {
        if (zwischen(typ, 2, 4)) addieren(z, 157, 1);
        addieren(z, 161, 1);
        setzen(z, 158);
    }
}

void verschluesselung(Zustand& z, Integer schnitt, Integer ravi) {
    if (schnitt >= 2) {
        if (ravi == 1) {
            setzen(z, 158);
            addieren(z, 164, 1);
        }
        if (schnitt == 2) addieren(z, 157, 1);
    }
}

}  // namespace

void AllgemeineArtikel(Zustand& z) {
    const int typ = z.ZentralenTyp;
    const bool sachnummern = z.CodeModus == "S";

    z.Menge[256] = z.VOGanz;
    if (sachnummern) z.Menge[257] = z.VOGanz;
    if (z.Doppeln == "J" && (istKVT2000N(typ) || istKVT2000B(typ))) setzen(z, 154);

    bedieneinheiten(z, typ);
    if (istKVT1000(typ)) {
        if (z.Typ1Zusatz == 2) setzen(z, 142);
        if (z.Typ1Zusatz == 3) setzen(z, 145);
    }
    drucker(z, typ);
    ya2000(z, typ);

    if (z.Tele != 1) {
        if (zwischen(typ, 2, 5)) setzen(z, 165);
        if (istTL300(typ) && z.YAwahl > 1) setzen(z, 165);
        if (istRW500(typ)) setzen(z, 149);
    }

    schnittstellen(z, typ);
    olnSeite(z, typ, z.OLN1a, z.OLN1b, z.OLN1c);
    olnSeite(z, typ, z.OLN2a, z.OLN2b, z.OLN2c);

    // The RW 500 takes a second interface only with the OLMA 10 board.
    if (istRW500(typ) && (z.Menge[157] + z.Menge[162] + z.Menge[163] >= 2 || z.OLMAwahl == 1)) setzen(z, 149);

    if (istKVT2000N(typ)) {
        verschluesselung(z, z.Schnitt1, z.RAVI1);
        verschluesselung(z, z.Schnitt2, z.RAVI2);
    }
    if (z.ZusKennz == 1 && zwischen(typ, 2, 4)) setzen(z, 158);
    if (z.RAVI1 == 1 && istKVT1000(typ)) setzen(z, 159);

    switch (z.SDwahl) {
    case 1: case 5: setzen(z, 252); break;
    case 2: case 6: setzen(z, 253); break;
    case 3: case 7:
        setzen(z, 254);
        if (istRW500(typ)) setzen(z, 147);
        break;
    case 4: case 8: setzen(z, 255); break;
    default: break;
    }

    if (z.AnzFBF == 1) setzen(z, 247);

    if (istKVT1000(typ)) z.Menge[226] = z.Schlwahl;
    if (zwischen(typ, 2, 4)) z.Menge[238] = z.Schlwahl;
    if (istRW500(typ)) z.Menge[230] = z.Schlwahl;

    if (z.Flaechwahl == 1) {
        if (istKVT1000(typ)) setzen(z, 43);
        if (istKVT2000N(typ)) setzen(z, 44);
    }
    if (z.Loeschen == 1) {
        if (istKVT1000(typ)) setzen(z, 143);
        if (zwischen(typ, 2, 4)) setzen(z, 153);
    }
    if (istKVT1000(typ)) z.Menge[47] = z.DIPwahl;
    if (istKVT2000N(typ)) z.Menge[48] = z.DIPwahl;
    if (z.QUFwahl == 1) z.Menge[251] = sachnummern ? 2 : 1;
}

void SignalgeberKarte(Zustand& z) {
    const int typ = z.ZentralenTyp;
    if (!zwischen(typ, 1, 4)) return;
    bool signalgeber = false;
    for (int i = 364; i <= 380; ++i) signalgeber = signalgeber || z.Menge[i] > 0;
    for (int i = 431; i <= 451; ++i) signalgeber = signalgeber || z.Menge[i] > 0;
    if (signalgeber && (z.TIRwahl != 1 || z.AnzPQS == 0)) {
        if (zwischen(typ, 2, 4)) setzen(z, 240);
        if (istKVT1000(typ)) setzen(z, 244);
    }
}

}  // namespace tarvis::calc
