#pragma once
#include "projekt/MessageService.h"
#include "projekt/Zustand.h"

namespace tarvis {

// The interface count check of the additional functions: whether the panel
// can take all the interfaces the project asks for. Run by the forward
// button of the additional-functions window, by the networking window and
// as the first step of the calculation.

// The number of interfaces n: the remote terminals (for the KVT 1000, the
// KVT 2000 N and the KVT 2000 B any number of them counts as one), one for
// a log printer, one for each interface in use, one for each OLN link and
// one for teleservice unless it was answered "no".
int SchnittstellenAnzahl(const Zustand& z);

struct SchnittstellenPruefung {
    int anzahl = 0;          // n as counted
    bool abbruch = false;    // the check refused (ZusAbbruch = 1)
    // A RW 500 without OLMA 10 has too many interfaces: the window enables
    // its OLMA 10 question on tab 9 (optOLMAja, optOLMAnein, lblOLMA, lblUndOder).
    bool olmaFrageFreigeben = false;
};

// Runs the check: sets ZusAbbruch (0, or 1 on a refusal) and ZusKennz (1 when
// a KVT 2000 without OLN networking and encryption has 4 or more interfaces,
// so that the calculation adds the interface extension), and shows the
// refusal messages 211, 209, 210 (exclamation icon, OK).
SchnittstellenPruefung SchnittstellenPruefen(Zustand& z, MessageService& ms);

}  // namespace tarvis
