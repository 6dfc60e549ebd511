#pragma once
#include <string>

#include "loops/SpeiseRahmen.h"

namespace tarvis {

struct PQSPQBspAnsicht {
    std::string titel;
    Beschriftung label1, label2;
    SpeiseRahmenAnsicht pqs, pqb;
    Schalter weiter;
};

// PQSPQBsp: how many PQS and PQB modules get their 28 V from the system.
class PQSPQBspPresenter {
public:
    PQSPQBspPresenter(Programm& p, MessageService& ms);

    void aktivieren();
    PQSPQBspAnsicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    SpeiseRahmen& pqs() { return pqs_; }
    SpeiseRahmen& pqb() { return pqb_; }
    // cmdWeiter: both kinds count as confirmed.
    bool weiter();

private:
    Programm& p_;
    Zaehlgruppe felder_;
    SpeiseRahmen pqs_, pqb_;
};

struct DUV100SpAnsicht {
    std::string titel;
    Beschriftung frmDUV, label1, label2;
    SpeiseRahmenAnsicht duv;
    Schalter weiter;
};

// DUV100Sp: the same for the DUV 100 KBN modules.
class DUV100SpPresenter {
public:
    DUV100SpPresenter(Programm& p, MessageService& ms);

    void aktivieren() { duv_.aktivieren(); }
    DUV100SpAnsicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    SpeiseRahmen& duv() { return duv_; }
    bool weiter();

private:
    Programm& p_;
    Zaehlgruppe felder_;
    SpeiseRahmen duv_;
};

}  // namespace tarvis
