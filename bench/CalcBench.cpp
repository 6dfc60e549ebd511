// Times the calculation of a large project (four full loops, every
// peripheral, every add-on function) in the process, and `tarvis-cli calc`
// as a whole process against the bare start `tarvis-cli --version`.
//   tarvis_calc_bench [--cli PATH] [--program-dir DIR] [--runs N]
//   tarvis_calc_bench --write FILE.PLM     only writes the project file
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "calc/Auswerten.h"
#include "loops/DXAGehPruefung.h"
#include "loops/KBNGrenzen.h"
#include "shell/EStrom.h"
#include "shell/Katalog.h"
#include "shell/ProjektDatei.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace tarvis;
using Uhr = std::chrono::steady_clock;

namespace {

// Answers the calculation's windows as the batch tool does, silently.
class StilleMeldungen : public MessageService {
public:
    explicit StilleMeldungen(Zustand& z) : z_(z) {}
    void meldung(Symbol, const std::string&, const std::string&) override { ++meldungen; }
    Antwort frage(const std::string&, Schaltflaechen, Symbol, const std::string&, Antwort s) override { return s; }
    std::optional<std::string> eingabe(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool oeffnen(Fenster f) override {
        if (f == Fenster::JUBLSpeis) return true;
        if (f != Fenster::DXAGeh) return false;
        DXAGehVorschlagUebernehmen(z_);
        return DXAGehWeiter(z_, *this);
    }
    void hilfe(int) override {}
    void piepen() override {}
    int meldungen = 0;

private:
    Zustand& z_;
};

// A KVT 2000 N with everything: four loops of 127 elements each (the loop
// limit), one of every peripheral, all add-on functions the panel takes,
// ten external loads per voltage.
void grossesProjekt(Programm& p) {
    Zustand& z = p.z;
    ProjektZuruecksetzen(z);
    z.Projektname = "BENCH";
    z.Sachbearbeiter = "Bench";
    z.ZentralenTyp = 3;
    z.Sprache = 1;
    z.CodeModus = "S";
    z.AnzBE = 4; z.AnzBE2 = 2;
    z.AnzDrucker = 1;
    z.Schnitt1 = 2;
    z.Tele = 1;
    z.OLNJa = 1; z.OLN1a = 1; z.OLN2b = 1;  // 5 interfaces with networking
    z.RAVI1 = 1;
    z.YAwahl = 3; z.SDwahl = 3; z.AnzFBF = 1; z.Schlwahl = 2; z.Flaechwahl = 1; z.Loeschen = 1;
    z.DIPwahl = 2; z.QUFwahl = 1; z.TIRwahl = 2; z.KOPwahl = 1;
    z.MRVNnorm = 1; z.MRVNinv = 1; z.VRXnorm = 4; z.VRXinv = 2; z.KPLnorm = 4; z.KPLinv = 4;
    z.TabloNorm = 4; z.TabloInv = 2; z.ZusStrom = 50; z.Vert20DA = 2; z.Verzwahl = 60; z.UeZeit = 72;
    z.SchaltenNorm = 2; z.SchaltenInv = 1; z.VOGanz = 2;
    z.PQKnorm28 = 2; z.PQKinv28 = 1; z.PQKnorm12 = 2; z.PQKinv12 = 1;
    z.PQVnorm28 = 1; z.PQVinv28 = 1; z.PQVnorm12 = 1; z.PQVinv12 = 1;
    z.AnzJUBL = 1;
    for (std::size_t k = 0; k < 10; ++k) {
        z.Ext12Name[k] = "Last 12V " + std::to_string(k);
        z.Ext12Menge[k] = 2; z.Ext12RuheI[k] = 10; z.Ext12AlarmI[k] = 25;
        z.Ext28Name[k] = "Last 28V " + std::to_string(k);
        z.Ext28Menge[k] = 1; z.Ext28RuheI[k] = 15; z.Ext28AlarmI[k] = 40;
    }
    for (int i = 320; i <= 499; ++i)
        if (p.katalog.satz(i).Bezeichnung.str().compare(0, 4, "    ") != 0) z.Menge[static_cast<std::size_t>(i)] = 1;

    std::vector<int> elemente;
    for (int i = 504; i <= 700; ++i) {
        const KatSatz& s = p.katalog.satz(i);
        if (s.Bezeichnung.str().compare(0, 4, "    ") != 0 && s.Kennung.str().compare(0, 1, "!") != 0) elemente.push_back(i);
    }
    // Each loop gets 127 elements of changing kinds, as long as the loop
    // limits (current, memory) allow; an element that would break one is
    // passed over for the next kind.
    std::size_t naechstes = 0;
    for (int k = 1; k <= 4; ++k) {
        for (int n = 0; n < kMaxElementeJeLoop; ++n) {
            for (std::size_t versuch = 0; versuch < elemente.size(); ++versuch) {
                const int i = elemente[(naechstes++) % elemente.size()];
                auto& q = z.KBNMenge(k)[static_cast<std::size_t>(i)];
                q += 1;
                if (!KBNGrenzmeldung(KBNSummenBilden(z, p.katalog), z.ZentralenTyp)) break;
                q -= 1;
            }
        }
    }
    KBNWertFuellen(z);
    for (int i = 504; i <= 700; ++i) {
        const auto u = static_cast<std::size_t>(i);
        z.Menge[u] = static_cast<Integer>(z.KBNMenge1[u] + z.KBNMenge2[u] + z.KBNMenge3[u] + z.KBNMenge4[u]);
    }
    auto m = [&](int i) { return z.Menge[static_cast<std::size_t>(i)]; };
    z.AnzPQS = static_cast<Integer>(m(529) + m(530) + m(531));
    z.PQSspeis = z.AnzPQS;
    z.AnzPQB = static_cast<Integer>(m(527) + m(528));
    z.PQBspeis = z.AnzPQB;
    z.AnzDUV = static_cast<Integer>(m(600) + m(601));
    z.DUVspeis = z.AnzDUV;
    z.PQK12 = m(626);
    z.AnzBETL = m(620);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Zeit {
    double wand = -1;  // wall time, ms
    double cpu = -1;   // user + system time of the process, ms
};

// One run of a program, output thrown away.
Zeit prozess(const std::vector<std::string>& args, int& status) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    const auto t0 = Uhr::now();
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (rc != 0) return {};
    int w = 0;
    rusage nutzung{};
    wait4(pid, &w, 0, &nutzung);
    const auto t1 = Uhr::now();
    status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_usec) / 1000; };
    return {std::chrono::duration<double, std::milli>(t1 - t0).count(), ms(nutzung.ru_utime) + ms(nutzung.ru_stime)};
}

}  // namespace

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

    Programm p;
    p.verzeichnis = programmVerzeichnis;
    auto katalog = Katalog::oeffnen(p.datei("TARVIS.ART"));
    auto estrom = EStromLesen(p.datei("ESTROMK.DAT"));
    if (!katalog || !estrom) {
        std::cerr << "cannot read the program directory " << programmVerzeichnis << "\n";
        return 2;
    }
    p.katalog = *katalog;
    p.estrom = *estrom;
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
    for (int i = 1; i <= 700; ++i) artikel += p.z.Menge[static_cast<std::size_t>(i)] != 0;
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
