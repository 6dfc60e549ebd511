#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/Programm.h"
#include "support/ScriptedMessages.h"

namespace tarvis::test {

// The program with the sample catalogue and element table of the build.
inline void musterLaden(Programm& p) {
    p.verzeichnis = TARVIS_PROGRAM_DIR;
    auto k = Katalog::oeffnen(p.datei("TARVIS.ART"));
    ASSERT_TRUE(k.ok());
    p.katalog = *k;
    auto e = EStromLesen(p.datei("ESTROMK.DAT"));
    ASSERT_TRUE(e.ok());
    p.estrom = *e;
    ProjektZuruecksetzen(p.z);
}

inline bool enthaelt(const std::vector<std::string>& texte, const std::string& teil) {
    return std::any_of(texte.begin(), texte.end(), [&](const std::string& t) { return t.find(teil) != std::string::npos; });
}

inline int piepser(const ScriptedMessages& ms) {
    return static_cast<int>(std::count_if(ms.protokoll.begin(), ms.protokoll.end(),
                                          [](const auto& e) { return e.art == ScriptedMessages::Eintrag::Piep; }));
}

}  // namespace tarvis::test
