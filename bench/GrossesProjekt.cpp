#include "GrossesProjekt.h"

#include <iostream>
#include <vector>

#include "loops/DXAGehPruefung.h"
#include "loops/KBNGrenzen.h"
#include "projekt/EStrom.h"
#include "projekt/Katalog.h"

namespace tarvis::bench {

bool StilleMeldungen::oeffnen(Fenster f) {
    if (f == Fenster::JUBLSpeis) return true;
    if (f != Fenster::DXAGeh) return false;
    DXAGehVorschlagUebernehmen(z_);
    return DXAGehWeiter(z_, *this);
}

std::optional<Programm> programmLesen(const std::filesystem::path& verzeichnis) {
    Programm p;
    p.verzeichnis = verzeichnis;
    auto katalog = Katalog::oeffnen(p.datei("TARVIS.ART"));
    auto estrom = EStromLesen(p.datei("ESTROMK.DAT"));
    if (!katalog || !estrom) {
        std::cerr << "cannot read the program directory " << verzeichnis << "\n";
        return std::nullopt;
    }
    p.katalog = *katalog;
    p.estrom = *estrom;
    ProjektZuruecksetzen(p.z);
    return p;
}

void grossesProjekt(Programm& p) {
    Zustand& z = p.z;
    ProjektZuruecksetzen(z);
    z.Projektname = "BENCH";
    z.Sachbearbeiter = "Bench";
    z.ZentralenTyp = 3;
    z.Sprache = 1;
    z.CodeModus = "S";
    z.AnzBE = 4; z.AnzBE2 = 2;
    z.AnzDrucker = 1;
    z.Schnitt1 = 2;
    z.Tele = 1;
    z.OLNJa = 1; z.OLN1a = 1; z.OLN2b = 1;  // 5 interfaces with networking
    z.RAVI1 = 1;
    z.YAwahl = 3; z.SDwahl = 3; z.AnzFBF = 1; z.Schlwahl = 2; z.Flaechwahl = 1; z.Loeschen = 1;
    z.DIPwahl = 2; z.QUFwahl = 1; z.TIRwahl = 2; z.KOPwahl = 1;
    z.MRVNnorm = 1; z.MRVNinv = 1; z.VRXnorm = 4; z.VRXinv = 2; z.KPLnorm = 4; z.KPLinv = 4;
    z.TabloNorm = 4; z.TabloInv = 2; z.ZusStrom = 50; z.Vert20DA = 2; z.Verzwahl = 60; z.UeZeit = 72;
    z.SchaltenNorm = 2; z.SchaltenInv = 1; z.VOGanz = 2;
    z.PQKnorm28 = 2; z.PQKinv28 = 1; z.PQKnorm12 = 2; z.PQKinv12 = 1;
    z.PQVnorm28 = 1; z.PQVinv28 = 1; z.PQVnorm12 = 1; z.PQVinv12 = 1;
    z.AnzJUBL = 1;
    for (std::size_t k = 0; k < 10; ++k) {
        z.Ext12Name[k] = "Last 12V " + std::to_string(k);
        z.Ext12Menge[k] = 2; z.Ext12RuheI[k] = 10; z.Ext12AlarmI[k] = 25;
        z.Ext28Name[k] = "Last 28V " + std::to_string(k);
        z.Ext28Menge[k] = 1; z.Ext28RuheI[k] = 15; z.Ext28AlarmI[k] = 40;
    }
    for (int i = 320; i <= 499; ++i)
        if (p.katalog.satz(i).Bezeichnung.str().compare(0, 4, "    ") != 0) z.Menge[i] = 1;

    std::vector<int> elemente;
    for (int i = 504; i <= 700; ++i) {
        const KatSatz& s = p.katalog.satz(i);
        if (s.Bezeichnung.str().compare(0, 4, "    ") != 0 && s.Kennung.str().compare(0, 1, "!") != 0) elemente.push_back(i);
    }
    // Each loop gets 127 elements of changing kinds, as long as the loop
    // limits (current, memory) allow; an element that would break one is
    // passed over for the next kind.
    std::size_t naechstes = 0;
    for (int k = 1; k <= 4; ++k) {
        for (int n = 0; n < kMaxElementeJeLoop; ++n) {
            for (std::size_t versuch = 0; versuch < elemente.size(); ++versuch) {
                const int i = elemente[(naechstes++) % elemente.size()];
                auto& q = z.KBNMenge(k)[i];
                q += 1;
                if (!KBNGrenzmeldung(KBNSummenBilden(z, p.katalog), z.ZentralenTyp)) break;
                q -= 1;
            }
        }
    }
    KBNWertFuellen(z);
    for (int i = 504; i <= 700; ++i) {
        const auto u = static_cast<std::size_t>(i);
        z.Menge[u] = static_cast<Integer>(z.KBNMenge1[u] + z.KBNMenge2[u] + z.KBNMenge3[u] + z.KBNMenge4[u]);
    }
    auto m = [&](int i) { return z.Menge[i]; };
    z.AnzPQS = static_cast<Integer>(m(529) + m(530) + m(531));
    z.PQSspeis = z.AnzPQS;
    z.AnzPQB = static_cast<Integer>(m(527) + m(528));
    z.PQBspeis = z.AnzPQB;
    z.AnzDUV = static_cast<Integer>(m(600) + m(601));
    z.DUVspeis = z.AnzDUV;
    z.PQK12 = m(626);
    z.AnzBETL = m(620);
}

}  // namespace tarvis::bench
