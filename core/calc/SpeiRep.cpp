#include "calc/SpeiRep.h"

#include "projekt/Texte.h"

namespace tarvis {

SpeiRepAnsicht SpeiRepAktivieren(const Zustand& z) {
    SpeiRepAnsicht a;
    a.titel = Text(655);
    a.label[1] = Text(56) + " " + z.ProjektDatei;
    if (z.ParaSpeichern == 1) a.label[2] = Text(474) + " " + z.ParaDatei;
    if (z.EPOGeschrieben == 1) {
        a.label[3] = Text(301) + " " + z.EPODatei;
        if (z.LIBEXFehlt == 1) a.label[4] = Text(302);
        auto teil = [](int was, bool mit) { return Text(was) + (mit ? "" : " " + Text(483)) + " " + Text(482); };
        a.label[5] = teil(462, z.EPONetz == 1);
        a.label[6] = teil(463, z.EPOPeri == 1);
        a.label[7] = Text(464);
        a.label[8] = Text(465);
    }
    return a;
}

}  // namespace tarvis
