#include "loops/PQSPQBspPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

PQSPQBspPresenter::PQSPQBspPresenter(Programm& p, MessageService& ms)
    : p_(p), felder_(ms), pqs_(p, felder_, SpeiseRahmen::PQS()), pqb_(p, felder_, SpeiseRahmen::PQB()) {}

void PQSPQBspPresenter::aktivieren() {
    pqs_.aktivieren();
    pqb_.aktivieren();
}

PQSPQBspAnsicht PQSPQBspPresenter::ansicht() const {
    PQSPQBspAnsicht a;
    a.titel = Text(485);
    a.label1 = Beschriftung{Text(486)};
    a.label2 = Beschriftung{Text(487)};
    a.pqs = pqs_.ansicht();
    a.pqb = pqb_.ansicht();
    a.weiter = Schalter{Text(170)};
    return a;
}

bool PQSPQBspPresenter::weiter() {
    p_.z.PQSBestaetigt = 1;
    p_.z.PQBBestaetigt = 1;
    return true;
}

DUV100SpPresenter::DUV100SpPresenter(Programm& p, MessageService& ms)
    : p_(p), felder_(ms), duv_(p, felder_, SpeiseRahmen::DUV()) {}

DUV100SpAnsicht DUV100SpPresenter::ansicht() const {
    DUV100SpAnsicht a;
    a.titel = Text(649);
    a.frmDUV = Beschriftung{Text(650)};
    a.label1 = Beschriftung{Text(652)};
    a.label2 = Beschriftung{Text(653)};
    a.duv = duv_.ansicht();
    a.weiter = Schalter{Text(170)};
    return a;
}

bool DUV100SpPresenter::weiter() {
    p_.z.DUVBestaetigt = 1;
    return true;
}

}  // namespace tarvis
