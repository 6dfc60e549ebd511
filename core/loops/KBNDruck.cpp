#include "loops/KBNDruck.h"

#include <array>

#include "projekt/Format.h"
#include "io/Cp1252.h"
#include "loops/KBNNachzaehlen.h"
#include "projekt/KBNSummen.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace {

constexpr std::array<int, 5> kLoopSpalte{0, 45, 53, 61, 69};

std::string vier(long long n) { return FormatText(std::to_string(n), "@@@@"); }

}  // namespace

Druckauftrag KBNDruckSeiten(Programm& p, bool vollstaendig, const Zeitstempel& t) {
    Zustand& z = p.z;
    KBNSummenSetzen(z, KBNSummenBilden(z, p.katalog));

    Druckauftrag a;
    a.schrift = z.DruckSchrift;
    a.groesse = z.DruckGroesse;
    a.leer(2);
    const std::string& banner = Text(321);
    a.zeile().bei(22, banner);
    a.zeile().bei(22, std::string(io::utf8Length(banner), '_'));
    a.leer(2);
    a.zeile().bei(5, Text(322)).bei(23, z.Projektname).bei(45, z.ZentralenName);
    a.zeile().bei(5, Text(222) + " " + t.datum).bei(45, Text(223) + " " + t.zeit);
    a.zeile().bei(5, Text(137));
    a.zeile().bei(38, Text(224)).bei(45, "TPX1").bei(53, "TPX2").bei(61, "TPX3").bei(69, "TPX4");
    a.zeile().bei(5, std::string(75, '_'));
    a.leer();

    const std::array<long long, 5> elemente{0, z.SumElem1, z.SumElem2, z.SumElem3, z.SumElem4};
    const std::array<long long, 5> strom{0, z.SumStrom1, z.SumStrom2, z.SumStrom3, z.SumStrom4};
    a.zeile().bei(5, Text(419));
    for (std::size_t k = 1; k <= 4; ++k) a.bei(kLoopSpalte[k], vier(elemente[k]));
    a.zeile().bei(5, Text(420));
    for (std::size_t k = 1; k <= 4; ++k) a.bei(kLoopSpalte[k], vier(strom[k]));
    a.leer();

    for (int i = kKBNErster; i <= kKBNLetzter; ++i) {
        const std::string& name = p.katalog.satz(i).Bezeichnung.str();
        std::array<long long, 5> q{};
        for (int k = 1; k <= 4; ++k) {
            q[static_cast<std::size_t>(k)] = z.KBNMenge(k)[i];
            q[0] += q[static_cast<std::size_t>(k)];
        }
        if (!vollstaendig && q[0] < 1) continue;
        if (name.find_first_not_of(' ') == std::string::npos) continue;
        if (name[0] >= '1' && name[0] <= '9') continue;  // a numbered heading
        a.zeile().bei(5, name).bei(38, vier(q[0]));
        for (std::size_t k = 1; k <= 4; ++k) a.bei(kLoopSpalte[k], vier(q[k]));
    }
    a.leer();
    return a;
}

std::optional<Druckauftrag> KBNDrucken(Programm& p, MessageService& ms, const Zeitstempel& t) {
    Antwort antwort = ms.frage(Nr(361) + "\n" + Nr(362), Schaltflaechen::JaNeinAbbrechen, Symbol::Frage, Nr(363),
                               Antwort::Nein);
    if (antwort != Antwort::Ja && antwort != Antwort::Nein) return std::nullopt;
    // The sums printed are those of the loop entry's sum routine, limit check
    // included: an exceeded limit is shown, a kept one refreshes KBNWert.
    KBNSummieren(p, ms);
    return KBNDruckSeiten(p, antwort == Antwort::Ja, t);
}

}  // namespace tarvis
