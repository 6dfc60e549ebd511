#include "loops/KBNNachzaehlen.h"

#include "loops/KBNGrenzen.h"
#include "loops/KBNUebernahme.h"

namespace tarvis {

KBNSummenStand KBNSummieren(Programm& p, MessageService& ms, const std::function<void(const KBNSummen&)>& neueSummen) {
    KBNSummenStand st;
    st.summen = KBNSummenBilden(p.z, p.katalog);
    KBNSummenSetzen(p.z, st.summen);
    if (neueSummen) neueSummen(st.summen);
    st.grenzenEingehalten = KBNGrenzenPruefen(p.z, st.summen, ms);
    return st;
}

void KBNNachzaehlen(Programm& p, MessageService& ms) {
    KBNSummieren(p, ms);
    KBNMengenUebernehmen(p.z);
    KBNModuleAbleiten(p.z, ms);
    KBNBedienteileZaehlen(p.z);
}

}  // namespace tarvis
