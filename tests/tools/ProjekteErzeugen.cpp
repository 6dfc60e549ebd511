// Writes random project files for comparing the batch tool's output of two
// builds:  tarvis_projekte PROGRAM_DIR OUT_DIR COUNT [SEED]
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"
#include "support/Projektgenerator.h"

using namespace tarvis;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: tarvis_projekte PROGRAM_DIR OUT_DIR COUNT [SEED]\n";
        return 2;
    }
    Programm muster;
    muster.verzeichnis = argv[1];
    auto k = Katalog::oeffnen(muster.datei("TARVIS.ART"));
    auto e = EStromLesen(muster.datei("ESTROMK.DAT"));
    if (!k || !e) {
        std::cerr << "no catalogue or element table in " << argv[1] << "\n";
        return 2;
    }
    muster.katalog = *k;
    muster.estrom = *e;
    ProjektZuruecksetzen(muster.z);
    const std::filesystem::path ziel = argv[2];
    std::filesystem::create_directories(ziel);
    const int anzahl = std::atoi(argv[3]);
    test::Generator g(argc > 4 ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)) : 1u);
    const std::vector<int> elemente = test::SchleifenElemente(muster);
    for (int i = 0; i < anzahl; ++i) {
        Programm p = muster;
        g.projekt(p, elemente);
        p.z.Projektname = "Zufall " + std::to_string(i);
        p.z.Sachbearbeiter = "Prova";
        const auto datei = ziel / ("Z" + std::to_string(1000 + i) + ".PLM");
        if (!ProjektSchreiben(p, datei)) {
            std::cerr << "cannot write " << datei << "\n";
            return 1;
        }
    }
    return 0;
}
