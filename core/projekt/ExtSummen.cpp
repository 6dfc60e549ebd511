#include "projekt/ExtSummen.h"

#include "projekt/Texte.h"

namespace tarvis {

double ExtSumme(const std::array<Integer, 10>& menge, const std::array<Long, 10>& strom) {
    double summe = 0;
    for (std::size_t i = 0; i < 10; ++i) summe += static_cast<double>(menge[i]) * static_cast<double>(strom[i]);
    return summe;
}

ExtSummen ExtSummenBilden(Zustand& z, ExtSpannung spannung, MessageService& ms) {
    const bool v12 = spannung == ExtSpannung::V12;
    const auto& menge = v12 ? z.Ext12Menge : z.Ext28Menge;
    const auto& ruheI = v12 ? z.Ext12RuheI : z.Ext28RuheI;
    const auto& alarmI = v12 ? z.Ext12AlarmI : z.Ext28AlarmI;
    Single& ruheSumme = v12 ? z.Ext12Ruhe : z.Ext28Ruhe;
    Single& alarmSumme = v12 ? z.Ext12Alarm : z.Ext28Alarm;

    ExtSummen s;
    ruheSumme = 0;
    alarmSumme = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        // Products are checked in a wide type: a quantity of 400 at 100 mA
        // is refused, not wrapped around. The window takes digits only; a
        // negative value can come only from a damaged file and is refused
        // the same way when its product leaves the 16-bit range.
        const long long ruhe = static_cast<long long>(menge[i]) * ruheI[i];
        const long long alarm = static_cast<long long>(menge[i]) * alarmI[i];
        auto zuGross = [](long long x) { return x > 32767 || x < -32768; };
        if (zuGross(ruhe) || zuGross(alarm)) {
            ms.meldung(Symbol::Ausrufezeichen, Nr(147));
            s.zuGrosseZeile = static_cast<int>(i);
            return s;
        }
        // Ten rows of at most 32767 each cannot leave the 32-bit range.
        s.ruhe += static_cast<Long>(ruhe);
        s.alarm += static_cast<Long>(alarm);
        ruheSumme = static_cast<Single>(s.ruhe);
        alarmSumme = static_cast<Single>(s.alarm);
    }
    return s;
}

}  // namespace tarvis
