// Times `tarvis-cli check` on a folder of generated projects against running
// `tarvis-cli calc --json` once per file, as a shell loop over the folder
// would.
//   tarvis_check_bench [--cli PATH] [--program-dir DIR] [--projects N] [--runs N] [--jobs N] [--large 1]
// --large 1: every project is the large one of tarvis_calc_bench instead of
// generated projects of the six panels.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "GrossesProjekt.h"
#include "Prozesszeit.h"
#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"
#include "support/Projektgenerator.h"

namespace fs = std::filesystem;
using namespace tarvis;
using namespace tarvis::bench;

int main(int argc, char** argv) {
    fs::path selbst = fs::read_symlink("/proc/self/exe");
    std::string cli = (selbst.parent_path() / "tarvis-cli").string();
    fs::path programmVerzeichnis = TARVIS_PROGRAM_DIR;
    int anzahl = 300, laeufe = 3;
    std::string jobs;
    bool gross = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--cli") cli = argv[i + 1];
        else if (a == "--program-dir") programmVerzeichnis = argv[i + 1];
        else if (a == "--projects") anzahl = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--runs") laeufe = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--jobs") jobs = argv[i + 1];
        else if (a == "--large") gross = std::atoi(argv[i + 1]) != 0;
    }

    const std::optional<Programm> gelesen = programmLesen(programmVerzeichnis);
    if (!gelesen) return 2;
    const Programm& muster = *gelesen;

    // Projects of the six panels, as the property test makes them.
    const fs::path ordner = fs::temp_directory_path() / ("tarvis-check-bench-" + std::to_string(getpid()));
    fs::create_directories(ordner);
    test::Generator g(20261207);
    const std::vector<int> elemente = test::SchleifenElemente(muster);
    std::vector<std::string> dateien;
    for (int i = 0; i < anzahl; ++i) {
        Programm p = muster;
        if (gross) {
            grossesProjekt(p);
        } else {
            g.projekt(p, elemente);
            p.z.ZentralenTyp = static_cast<Integer>(1 + i % 6);
        }
        p.z.Projektname = "Bench " + std::to_string(i);
        dateien.push_back((ordner / ("B" + std::to_string(1000 + i) + ".PLM")).string());
        if (!ProjektSchreiben(p, dateien.back())) {
            std::cerr << "cannot write " << dateien.back() << "\n";
            return 2;
        }
    }

    std::vector<std::string> checkArgs = {cli, "check", ordner.string(), "--json", "--program-dir",
                                          programmVerzeichnis.string()};
    if (!jobs.empty()) checkArgs.insert(checkArgs.end(), {"--jobs", jobs});
    // What the folder holds, by the check's own verdict (also warms the file cache).
    std::string zeilen;
    if (std::FILE* f = popen(("'" + cli + "' check '" + ordner.string() + "' --json --program-dir '" +
                              programmVerzeichnis.string() + "' 2>/dev/null").c_str(), "r")) {
        char puffer[4096];
        for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;) zeilen.append(puffer, n);
        pclose(f);
    }
    auto zaehlen = [&](const std::string& teil) {
        int n = 0;
        for (std::size_t pos = 0; (pos = zeilen.find(teil, pos)) != std::string::npos; pos += teil.size()) ++n;
        return n;
    };
    const int gestoppt = zaehlen("\"stopped\""), gut = zaehlen("\"Ueberschritten\":[]");
    std::printf("folder: %d calculated (%d within their limits, %d exceeding), %d stopped\n", anzahl - gestoppt, gut,
                anzahl - gestoppt - gut, gestoppt);
    int status = 0;
    std::vector<double> wandEinzeln, cpuEinzeln, wandCheck, cpuCheck;
    for (int r = 0; r < laeufe; ++r) {
        Zeit summe{0, 0};
        for (const std::string& d : dateien) {
            Zeit z = prozess({cli, "calc", d, "--json", "--program-dir", programmVerzeichnis.string()}, status);
            summe.wand += z.wand;
            summe.cpu += z.cpu;
        }
        wandEinzeln.push_back(summe.wand);
        cpuEinzeln.push_back(summe.cpu);
        Zeit c = prozess(checkArgs, status);
        wandCheck.push_back(c.wand);
        cpuCheck.push_back(c.cpu);
    }
    fs::remove_all(ordner);

    const double we = median(wandEinzeln), ce = median(cpuEinzeln), wc = median(wandCheck), cc = median(cpuCheck);
    std::printf("%d projects, medians of %d runs        wall ms    cpu ms\n", anzahl, laeufe);
    std::printf("tarvis-cli calc --json once per file  %8.1f  %8.1f\n", we, ce);
    std::printf("tarvis-cli check%-21s %8.1f  %8.1f\n", jobs.empty() ? "" : (" --jobs " + jobs).c_str(), wc, cc);
    std::printf("ratio                                 %8.1f  %8.1f  (target >= 10: %s)\n", we / wc, ce / cc,
                we / wc >= 10 ? "met" : "missed");
    return 0;
}
