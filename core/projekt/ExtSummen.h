#pragma once
#include <array>
#include <optional>

#include "projekt/MessageService.h"
#include "projekt/Zustand.h"

namespace tarvis {

// The external loads of one voltage: ten rows of quantity and currents.
enum class ExtSpannung { V12, V28 };

// Sum of quantity x current over all ten rows (the calculation's own sum;
// no limit on a row's product).
double ExtSumme(const std::array<Integer, 10>& menge, const std::array<Long, 10>& strom);

// What the total routine of an external-load window found.
struct ExtSummen {
    Long ruhe = 0;   // quiescent total of the rows summed
    Long alarm = 0;  // alarm total of the rows summed
    // The first row (0..9) whose quiescent or alarm product exceeds 32767;
    // the routine stopped there (the window puts the focus on its quantity).
    std::optional<int> zuGrosseZeile;
};

// The total routine of the external-load windows Ex12 and Ex28: sums the
// rows in order and stores the totals in Ext12Ruhe/Ext12Alarm (or
// Ext28Ruhe/Ext28Alarm). A row whose quantity x current exceeds 32767
// stops the sum before that row with message 147; the stored totals are
// then those of the rows before it, and the window leaves its labels as
// they were.
ExtSummen ExtSummenBilden(Zustand& z, ExtSpannung spannung, MessageService& ms);

}  // namespace tarvis
