#pragma once
#include <functional>

#include "projekt/KBNSummen.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The sum routine of the loop entry, run on every change of a quantity:
// recomputes the sums (SumElem1..4, SumStrom1..4 and the labels) and then
// the limit check, whose passing refills KBNWert.
// neueSummen, when given, gets the sums before the limit check may show its
// message, so that a window shows the sums the message speaks of.
struct KBNSummenStand {
    KBNSummen summen;
    bool grenzenEingehalten = false;
};
KBNSummenStand KBNSummieren(Programm& p, MessageService& ms,
                            const std::function<void(const KBNSummen&)>& neueSummen = {});

// The recount after a project was opened: the sum routine with the limit
// check (its message shown), then the article quantities 504..700, the
// derived module counts and the TL 300 operating units as the forward button
// of the loop entry sets them. The open sets ProjektGeoeffnet = 1 before, so
// the PSM 300 question is not asked (and the flag is cleared); no follow-up
// window opens.
void KBNNachzaehlen(Programm& p, MessageService& ms);

}  // namespace tarvis
