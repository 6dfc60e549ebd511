// Times what the user of the program waits for, against the bare start of a
// Qt program that shows an empty window:
//   - start-up: the program started on its program directory with its main
//     window shown, as a whole process (this program with --start), against
//     tarvis_leeres_fenster;
//   - in the running program, with a large project (bench/GrossesProjekt.h):
//     the loop entry KBNEIN with all its rows shown, the report window Hinweis
//     shown, the project file written;
//   - for reference, an empty window shown in the running program.
// Run on the platform of QT_QPA_PLATFORM (offscreen without a display):
//   tarvis_gui_bench [--runs N] [--program-dir DIR]
//   tarvis_gui_bench --start DIR      one start-up, shown, then the end
#include <QAbstractItemModel>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTableWidget>
#include <QTranslator>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>

#include "GrossesProjekt.h"
#include "Prozesszeit.h"
#include "calc/Auswerten.h"
#include "calc/HinweisDialog.h"
#include "loops/KBNEINDialog.h"
#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "projekt/ProjektDatei.h"

namespace fs = std::filesystem;
using namespace tarvis;
using namespace tarvis::bench;

namespace {

// Shown: exposed, which on every platform means painted once; no sleeping
// in between, so the figures are not rounded to a timer's step.
void zeigen(QWidget& w) {
    w.show();
    while (!w.windowHandle() || !w.windowHandle()->isExposed()) QApplication::processEvents();
    QApplication::processEvents();
}

// The offscreen platform warns at every window it cannot fit to its
// contents; the bench's output stays readable without that.
QtMessageHandler standardAusgabe = nullptr;
void meldungenFiltern(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
    if (!text.contains(QStringLiteral("propagateSizeHints"))) standardAusgabe(typ, kontext, text);
}

double ms(Uhr::time_point t0) { return std::chrono::duration<double, std::milli>(Uhr::now() - t0).count(); }

// The median of `laeufe` runs of `lauf`, which returns its own time in ms.
double messen(int laeufe, const std::function<double()>& lauf) {
    lauf();  // warm caches (fonts, icons, the file system)
    std::vector<double> t;
    for (int i = 0; i < laeufe; ++i) t.push_back(lauf());
    return median(t);
}

// Start-up as main.cpp does it, up to the main window shown.
int einStart(int argc, char** argv, const fs::path& dir) {
    standardAusgabe = qInstallMessageHandler(meldungenFiltern);
    QApplication app(argc, argv);
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    ui::Anwendung a;
    if (!a.starten(dir, std::nullopt)) return 1;
    zeigen(a.hauptfenster());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path selbst = fs::read_symlink("/proc/self/exe");
    fs::path vorlage = TARVIS_PROGRAM_DIR;
    int laeufe = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--start") return einStart(argc, argv, argv[i + 1]);
        if (a == "--runs") laeufe = std::max(3, std::atoi(argv[i + 1]));
        else if (a == "--program-dir") vorlage = argv[i + 1];
    }

    // A program directory and a settings store of the bench's own: the start
    // registers the directory for the order configurator in the user's store.
    const fs::path tmp = fs::temp_directory_path() / ("tarvis-gui-bench-" + std::to_string(getpid()));
    const fs::path dir = tmp / "programm";
    fs::create_directories(tmp);
    fs::copy(vorlage, dir, fs::copy_options::recursive);
    setenv("XDG_CONFIG_HOME", (tmp / "config").c_str(), 1);
    const char* plattform = std::getenv("QT_QPA_PLATFORM");

    // Start-up as whole processes, alternating.
    const std::vector<std::string> leerArgs = {(selbst.parent_path() / "tarvis_leeres_fenster").string()};
    const std::vector<std::string> startArgs = {selbst.string(), "--start", dir.string()};
    std::vector<double> wLeer, cLeer, wStart, cStart;
    int status = 0;
    prozess(leerArgs, status);
    if (status != 0) {
        std::cerr << "tarvis_leeres_fenster ended with " << status << "\n";
        return 1;
    }
    prozess(startArgs, status);
    if (status != 0) {
        std::cerr << "the start-up ended with " << status << "\n";
        return 1;
    }
    for (int r = 0; r < laeufe; ++r) {
        Zeit l = prozess(leerArgs, status);
        Zeit s = prozess(startArgs, status);
        wLeer.push_back(l.wand);
        cLeer.push_back(l.cpu);
        wStart.push_back(s.wand);
        cStart.push_back(s.cpu);
    }
    const double leer = median(wLeer), start = median(wStart);

    // In the running program.
    standardAusgabe = qInstallMessageHandler(meldungenFiltern);
    QApplication app(argc, argv);
    ui::Anwendung a;
    if (!a.starten(dir, std::nullopt)) return 1;
    zeigen(a.hauptfenster());
    QWidget* haupt = &a.hauptfenster();
    Programm& p = a.programm();
    grossesProjekt(p);
    StilleMeldungen stumm(p.z);
    if (AuswertenAblauf(p, stumm) != AuswertenHalt::Keiner) {
        std::cerr << "the benchmark project does not calculate\n";
        return 1;
    }

    const double leerImProgramm = messen(laeufe, [] {
        const auto t0 = Uhr::now();
        QWidget w;
        w.resize(720, 520);
        zeigen(w);
        return ms(t0);
    });
    int zeilen = 0;
    const double kbnein = messen(laeufe, [&] {
        const auto t0 = Uhr::now();
        KBNEINPresenter presenter(p, stumm);
        ui::KBNEINDialog d(presenter, haupt);
        zeigen(d);
        const double t = ms(t0);
        zeilen = d.grid()->model()->rowCount();
        return t;
    });
    int berichtZeilen = 0;
    const double hinweis = messen(laeufe, [&] {
        const auto t0 = Uhr::now();
        HinweisPresenter presenter(p, stumm, [] {});
        ui::HinweisDialog d(presenter, haupt);
        zeigen(d);
        const double t = ms(t0);
        berichtZeilen = d.raster()->rowCount();
        return t;
    });
    const fs::path datei = tmp / "BENCH.PLM";
    const double speichern = messen(laeufe, [&] {
        const auto t0 = Uhr::now();
        if (!ProjektSchreiben(p, datei)) std::exit(2);
        return ms(t0);
    });
    const auto groesse = fs::file_size(datei);
    fs::remove_all(tmp);

    std::printf("platform %s, medians of %d runs; the project: KVT 2000 N, %d element rows, %d report lines,\n"
                "a project file of %ju bytes\n\n",
                plattform ? plattform : "(default)", laeufe, zeilen, berichtZeilen, static_cast<std::uintmax_t>(groesse));
    std::printf("%-46s %9s %9s %9s\n", "", "wall ms", "ratio", "+ ms");
    std::printf("%-46s %9.1f %9s %9s   (cpu %.1f ms)\n", "bare start: an empty window shown (process)", leer, "1.00", "",
                median(cLeer));
    auto zeile = [&](const char* was, double t) {
        std::printf("%-46s %9.2f %9.2f %+9.1f   %s\n", was, t, t / leer, t - leer,
                    t <= leer + 100 ? "within 100 ms of the bare start" : "MORE than 100 ms above the bare start");
    };
    zeile("start-up to the main window shown (process)", start);
    std::printf("%-46s %9s %9s %9s   (cpu %.1f ms)\n", "", "", "", "", median(cStart));
    zeile("loop entry KBNEIN with all rows shown", kbnein);
    zeile("report window Hinweis shown", hinweis);
    zeile("save: the project file written", speichern);
    std::printf("%-46s %9.2f\n", "for reference: an empty window shown in-process", leerImProgramm);
    return 0;
}
