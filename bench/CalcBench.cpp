// Times the calculation of a large project (four full loops, every
// peripheral, every add-on function) in the process, and `tarvis-cli calc`
// as a whole process against the bare start `tarvis-cli --version`.
//   tarvis_calc_bench [--cli PATH] [--program-dir DIR] [--runs N]
//   tarvis_calc_bench --write FILE.PLM     only writes the project file
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "GrossesProjekt.h"
#include "Prozesszeit.h"
#include "calc/Auswerten.h"
#include "loops/KBNGrenzen.h"
#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"

namespace fs = std::filesystem;
using namespace tarvis;
using namespace tarvis::bench;

int main(int argc, char** argv) {
    fs::path selbst = fs::read_symlink("/proc/self/exe");
    std::string cli = (selbst.parent_path() / "tarvis-cli").string();
    fs::path programmVerzeichnis = TARVIS_PROGRAM_DIR;
    int laeufe = 30;
    fs::path nurSchreiben;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--cli") cli = argv[i + 1];
        else if (a == "--program-dir") programmVerzeichnis = argv[i + 1];
        else if (a == "--runs") laeufe = std::max(3, std::atoi(argv[i + 1]));
        else if (a == "--write") nurSchreiben = argv[i + 1];
    }

    std::optional<Programm> gelesen = programmLesen(programmVerzeichnis);
    if (!gelesen) return 2;
    Programm& p = *gelesen;
    grossesProjekt(p);
    if (!nurSchreiben.empty()) return ProjektSchreiben(p, nurSchreiben) ? 0 : 2;

    // The calculation in the process (it rebuilds everything from the inputs
    // on every run, so repeated runs on one state measure the same work).
    StilleMeldungen ms(p.z);
    if (AuswertenAblauf(p, ms) != AuswertenHalt::Keiner) {
        std::cerr << "the benchmark project does not calculate\n";
        return 1;
    }
    const KBNSummen summen = KBNSummenBilden(p.z, p.katalog);
    const long long elemente = summen.gesamt;
    int artikel = 0;
    for (int i = 1; i <= 700; ++i) artikel += p.z.Menge[i] != 0;
    std::vector<double> zeiten;
    for (int r = 0; r < 2000; ++r) {
        const auto t0 = Uhr::now();
        AuswertenAblauf(p, ms);
        zeiten.push_back(std::chrono::duration<double, std::micro>(Uhr::now() - t0).count());
    }
    std::printf("project: KVT 2000 N, %lld loop elements on 4 loops (%.0f/%.0f/%.0f/%.0f mA), %d articles listed,\n"
                "         IRuhe %.1f mA, %d DXA 1000, %d messages\n",
                elemente, summen.strom[1], summen.strom[2], summen.strom[3], summen.strom[4], artikel,
                static_cast<double>(p.z.IRuhe), p.z.AnzDXA, ms.meldungen);
    std::printf("calculation (Auswerten), median of 2000 runs: %.1f us  (target < 1000 us: %s)\n", median(zeiten),
                median(zeiten) < 1000 ? "met" : "missed");

    // The whole batch command against the bare start of the program.
    fs::path tmp = fs::temp_directory_path() / ("tarvis-bench-" + std::to_string(getpid()));
    fs::create_directories(tmp);
    const fs::path datei = tmp / "BENCH.PLM";
    if (!ProjektSchreiben(p, datei)) {
        std::cerr << "cannot write " << datei << "\n";
        return 2;
    }
    const std::vector<std::string> calcArgs = {cli, "calc", datei.string(), "--json", "--program-dir",
                                               programmVerzeichnis.string()};
    const std::vector<std::string> versionArgs = {cli, "--version"};
    std::vector<double> tCalc, tVersion, cCalc, cVersion;
    int status = 0;
    prozess(calcArgs, status);  // warm the file cache
    if (status != 0) {
        std::cerr << "tarvis-cli calc ended with " << status << "\n";
        return 1;
    }
    for (int r = 0; r < laeufe; ++r) {
        Zeit v = prozess(versionArgs, status);
        Zeit c = prozess(calcArgs, status);
        tVersion.push_back(v.wand);
        cVersion.push_back(v.cpu);
        tCalc.push_back(c.wand);
        cCalc.push_back(c.cpu);
    }
    fs::remove_all(tmp);
    const double c = median(tCalc), v = median(tVersion), cc = median(cCalc), cv = median(cVersion);
    std::printf("medians of %d runs            wall ms   cpu ms\n", laeufe);
    std::printf("tarvis-cli --version          %7.2f  %7.2f\n", v, cv);
    std::printf("tarvis-cli calc --json        %7.2f  %7.2f\n", c, cc);
    std::printf("ratio calc / --version        %7.2f  %7.2f  (target <= 1.5: %s)\n", c / v, cc / cv,
                c / v <= 1.5 ? "met" : "missed");
    return 0;
}
