#pragma once
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "io/FieldWriter.h"
#include "projekt/ProjektDatei.h"

namespace tarvis::test {

// The lines of a file text with CR LF line ends.
inline std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t e = text.find("\r\n", pos);
        if (e == std::string::npos) e = text.size();
        z.push_back(text.substr(pos, e - pos));
        pos = e + 2;
    }
    return z;
}


// Every variable the project file keeps, as "name=value" lines, so that two
// projects compare field by field and a difference names its variable. The
// clerk who wrote the file comes back as AltSachbearbeiter.
class Gespeichert {
public:
    static std::vector<std::string> von(const Zustand& z, const std::string& sachbearbeiter) {
        Gespeichert g;
#define TARVIS_F(x) g.feld(#x, z.x)
        g.feld("Sachbearbeiter", sachbearbeiter);
        TARVIS_F(Projektname); TARVIS_F(Angebotsnummer); TARVIS_F(Bestellnummer); TARVIS_F(Baupapiernummer);
        TARVIS_F(Auftragsnummer); TARVIS_F(Bemerkung1); TARVIS_F(Bemerkung2); TARVIS_F(Bemerkung3);
        TARVIS_F(YAwahl); TARVIS_F(PQVspeis); TARVIS_F(Frei1); TARVIS_F(AnzJUBL); TARVIS_F(RAVI1); TARVIS_F(CodeModus);
        TARVIS_F(QUFwahl); TARVIS_F(AnzDrucker); TARVIS_F(OLNName); TARVIS_F(AnzMG); TARVIS_F(Flaechwahl);
        TARVIS_F(FSKAwahl); TARVIS_F(AnzFBF); TARVIS_F(PeriEingabe); TARVIS_F(Tele); TARVIS_F(Sprache);
        TARVIS_F(ZusKennz); TARVIS_F(RAVI2); TARVIS_F(ZusStrom); TARVIS_F(PQSspeis); TARVIS_F(PQBspeis);
        TARVIS_F(DUVspeis); TARVIS_F(SchaltenNorm); TARVIS_F(SchaltenInv); TARVIS_F(SDwahl);
        TARVIS_F(Ext12Ruhe); TARVIS_F(Ext28Ruhe); TARVIS_F(Ext12Alarm); TARVIS_F(Ext28Alarm); TARVIS_F(PSMParallel);
        TARVIS_F(Vert20DA); TARVIS_F(Loeschen);
        TARVIS_F(PQKnorm28); TARVIS_F(PQKinv28); TARVIS_F(PQKnorm12); TARVIS_F(PQKinv12);
        TARVIS_F(PQVnorm28); TARVIS_F(PQVinv28); TARVIS_F(PQVnorm12); TARVIS_F(PQVinv12);
        TARVIS_F(UeZeit); TARVIS_F(VOGanz); TARVIS_F(MGEAZ); TARVIS_F(Schlwahl); TARVIS_F(TIRwahl); TARVIS_F(KOPwahl);
        TARVIS_F(MRVNnorm); TARVIS_F(MRVNinv); TARVIS_F(VRXnorm); TARVIS_F(VRXinv); TARVIS_F(KPLnorm); TARVIS_F(KPLinv);
        TARVIS_F(RWZusatzkarte); TARVIS_F(TabloNorm); TARVIS_F(TabloInv);
        TARVIS_F(PSMVRX); TARVIS_F(Doppeln); TARVIS_F(Wandler28);
        TARVIS_F(OLNJa); TARVIS_F(OLN1a); TARVIS_F(OLN2a); TARVIS_F(OLN1b); TARVIS_F(OLN2b); TARVIS_F(OLN1c); TARVIS_F(OLN2c);
        TARVIS_F(PQK28); TARVIS_F(HYZusatz); TARVIS_F(DIPwahl); TARVIS_F(Schnitt2); TARVIS_F(PQK12);
        TARVIS_F(AnzBE); TARVIS_F(AnzBETL); TARVIS_F(Schnitt1); TARVIS_F(AnzBE2);
        TARVIS_F(Typ1Zusatz); TARVIS_F(ParaSpeichern); TARVIS_F(ZentralenTyp); TARVIS_F(Kennz11E); TARVIS_F(OLMAwahl);
        TARVIS_F(AnzZOLW); TARVIS_F(AnzDXA); TARVIS_F(Frei2); TARVIS_F(Frei3); TARVIS_F(Verzwahl);
        for (std::size_t k = 0; k < 10; ++k) {
            g.feld("Ext12Name", z.Ext12Name[k], k); g.feld("Ext12RuheI", z.Ext12RuheI[k], k);
            g.feld("Ext12AlarmI", z.Ext12AlarmI[k], k); g.feld("Ext12Menge", z.Ext12Menge[k], k);
            g.feld("Ext28Name", z.Ext28Name[k], k); g.feld("Ext28RuheI", z.Ext28RuheI[k], k);
            g.feld("Ext28AlarmI", z.Ext28AlarmI[k], k); g.feld("Ext28Menge", z.Ext28Menge[k], k);
        }
        for (std::size_t i = 320; i <= 499; ++i) g.feld("Menge", z.Menge[i], i);
        for (std::size_t i = 504; i <= 700; ++i) {
            g.feld("Menge", z.Menge[i], i);
            for (int k = 1; k <= 4; ++k) g.feld("KBNMenge" + std::to_string(k), z.KBNMenge(k)[i], i);
            for (int a = 1; a <= 2; ++a)
                for (int b = 1; b <= 2; ++b)
                    g.feld("KBNWert(" + std::to_string(a) + "," + std::to_string(b) + ")",
                           z.KBNWert(a, static_cast<int>(i), b), i);
        }
        // What the loop entry derives from the loops (not saved, recounted on opening).
        TARVIS_F(AnzPQS); TARVIS_F(AnzPQB); TARVIS_F(AnzDUV); TARVIS_F(AnzPQK); TARVIS_F(AnzPQV); TARVIS_F(AnzPSM);
        TARVIS_F(AnzHY); TARVIS_F(AnzArt646);
#undef TARVIS_F
        return g.zeilen_;
    }

private:
    template <typename T> void feld(const std::string& name, const T& wert, std::size_t index = 9999) {
        std::ostringstream o;
        o << name;
        if (index != 9999) o << "[" << index << "]";
        o << "=";
        if constexpr (std::is_same_v<T, Single>) o << io::FieldWriter::formatSingle(wert);
        else if constexpr (std::is_same_v<T, Byte> || std::is_same_v<T, Integer> || std::is_same_v<T, Long>)
            o << static_cast<long long>(wert);
        else o << "\"" << static_cast<const std::string&>(wert) << "\"";
        zeilen_.push_back(o.str());
    }
    std::vector<std::string> zeilen_;
};

}  // namespace tarvis::test
