// `tarvis-cli dxa`: the result window of the standalone DXA 1000.
#include <charconv>

#include "Ausgabebefehle.h"
#include "calc/DXAErg.h"

namespace tarvis::cli {

namespace {

// "12=500,24=100" -> the currents of the four voltages; false on a wrong item.
bool stroeme(const std::string& text, Long& v12, Long& v24, Long& v28, Long& v35, std::ostream& fehler) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t ende = text.find(',', pos);
        if (ende == std::string::npos) ende = text.size();
        const std::string teil = text.substr(pos, ende - pos);
        pos = ende + 1;
        const auto gleich = teil.find('=');
        Long wert = 0;
        const char* anfang = gleich == std::string::npos ? nullptr : teil.data() + gleich + 1;
        const char* schluss = teil.data() + teil.size();
        auto r = anfang ? std::from_chars(anfang, schluss, wert) : std::from_chars_result{nullptr, std::errc::invalid_argument};
        const std::string volt = gleich == std::string::npos ? teil : teil.substr(0, gleich);
        Long* ziel = volt == "12" ? &v12 : volt == "24" ? &v24 : volt == "28" ? &v28 : volt == "35" ? &v35 : nullptr;
        if (!ziel || r.ec != std::errc() || r.ptr != schluss || wert < 0) {
            fehler << "tarvis-cli: dxa: \"" << teil << "\" is not VOLT=mA with VOLT 12, 24, 28 or 35\n";
            return false;
        }
        *ziel = wert;
    }
    return true;
}

}  // namespace

int dxa(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler) {
    Zustand z;
    z.Alarmart = o.alarmart;
    z.UeZeit = static_cast<Integer>(o.stunden);
    if (!stroeme(o.ruhe, z.DXARuhe12, z.DXARuhe24, z.DXARuhe28, z.DXARuhe35, fehler)) return 2;
    if (!stroeme(o.alarm, z.DXAAlarm12, z.DXAAlarm24, z.DXAAlarm28, z.DXAAlarm35, fehler)) return 2;
    const DXAErgAnsicht a = DXAErgAktivieren(z);
    aus << a.titel << "\n"
        << a.frmSumme << "\n"
        << "  " << a.lblRuhe << ": " << a.lblRuhestrom << "\n"
        << "  " << a.lblAlarm << ": " << a.lblAlarmstrom << "\n"
        << "  " << a.lblKap << ": " << a.lblBattkap << "\n"
        << "  " << a.lblLade << ": " << a.lblLadestrom << "\n"
        << a.frmBenoetigen << "\n"
        << "  " << a.lblDXA << ": " << a.lblDXAZahl << "\n"
        << "  " << a.lblZOLW << ": " << a.lblZOLWZahl << "\n"
        << "  " << a.lblBatt << ": " << a.lblBattZahl << "\n";
    if (!a.lblParallel1.empty()) aus << a.lblParallel1 << "\n" << a.lblParallel2 << "\n";
    return 0;
}

}  // namespace tarvis::cli
