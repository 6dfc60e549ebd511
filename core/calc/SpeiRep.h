#pragma once
#include <array>
#include <string>

#include "projekt/Zustand.h"

namespace tarvis {

// The save report SpeiRep: its caption and the texts of Label1 .. Label8
// (index 0 unused; an empty text is an empty label).
struct SpeiRepAnsicht {
    std::string titel;
    std::array<std::string, 9> label{};
};

// Which files the last save wrote and what the hand-over file contains.
SpeiRepAnsicht SpeiRepAktivieren(const Zustand& z);

}  // namespace tarvis
