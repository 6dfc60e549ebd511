// tarvis-cli: the batch tool on top of the core.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "Ausgabebefehle.h"
#include "Calc.h"
#include "Check.h"
#include "Evidence.h"
#include "io/TextFile.h"
#include "projekt/KatalogQuelle.h"

namespace fs = std::filesystem;

namespace {

int catalogBuild(const std::string& quelle, const std::string& ziel) {
    auto text = tarvis::io::readBytes(quelle);
    if (!text) {
        std::cerr << "tarvis-cli: cannot read " << quelle << ": " << text.error().beschreibung << "\n";
        return 1;
    }
    std::string fehler;
    auto katalog = tarvis::KatalogAusQuelle(*text, &fehler);
    if (!katalog) {
        std::cerr << "tarvis-cli: " << quelle << ": " << fehler << "\n";
        return 1;
    }
    if (tarvis::io::sameFile(quelle, ziel)) {
        std::cerr << "tarvis-cli: " << ziel << " is the source table; it is not written over\n";
        return 1;
    }
    auto ok = tarvis::io::writeBytes(ziel, katalog->zuBytes());
    if (!ok) {
        std::cerr << "tarvis-cli: cannot write " << ziel << ": " << ok.error().beschreibung << "\n";
        return 1;
    }
    return 0;
}

int catalogDump(const std::string& art) {
    auto katalog = tarvis::Katalog::oeffnen(art);
    if (!katalog) {
        std::cerr << "tarvis-cli: cannot read " << art << ": " << katalog.error().beschreibung << "\n";
        return 1;
    }
    std::cout << tarvis::KatalogZuQuelle(*katalog);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"TARVIS batch tool"};
    app.set_version_flag("--version", TARVIS_VERSION_TEXT);
    app.require_subcommand(1);
    std::string programDir;
    app.add_option("--program-dir", programDir, "program directory (catalogue, element table, projects); by default the one the program uses");

    auto* catalog = app.add_subcommand("catalog", "build or dump the article catalogue");
    catalog->require_subcommand(1);
    std::string src, out, art;
    auto* build = catalog->add_subcommand("build", "build TARVIS.ART from its source table");
    build->add_option("SRC", src, "source table (TSV)")->required();
    build->add_option("OUT", out, "catalogue file to write")->required();
    auto* dump = catalog->add_subcommand("dump", "print a catalogue as a source table");
    dump->add_option("ART", art, "catalogue file")->required();

    auto* calc = app.add_subcommand("calc", "open a project file and calculate it (nothing is written)");
    calc->fallthrough();  // --program-dir may also follow the subcommand
    tarvis::cli::CalcOptionen calcOptionen;
    std::string projekt;
    calc->add_option("FILE", projekt, "project file (NAME.PLM)")->required();
    calc->add_flag("--json", calcOptionen.json, "print one JSON object instead of text");
    calc->add_option("--dxa", calcOptionen.dxa, "DXA 1000 units to confirm instead of the proposal")
        ->check(CLI::Range(0, 99));
    calc->add_option("--zolw", calcOptionen.zolw, "ZOLW converter cards to confirm instead of the proposal")
        ->check(CLI::Range(0, 99));

    auto* evidence = app.add_subcommand("evidence", "calculate a project and print its calculation evidence");
    evidence->fallthrough();
    tarvis::cli::EvidenceOptionen evidenceOptionen;
    std::string evidenceDatei;
    evidence->add_option("FILE", evidenceDatei, "project file (NAME.PLM)")->required();
    evidence->add_flag("--json", evidenceOptionen.json, "the object of calc --json with the terms and the standby time");
    evidence->add_option("--date", evidenceOptionen.datum, "date printed (default: today)");
    evidence->add_option("--time", evidenceOptionen.zeit, "time printed (default: now)");

    auto* check = app.add_subcommand("check", "calculate every project of a folder and list which keep their limits");
    check->fallthrough();
    tarvis::cli::CheckOptionen checkOptionen;
    std::string checkVerzeichnis;
    check->add_option("DIR", checkVerzeichnis, "folder of project files")->required();
    check->add_flag("--json", checkOptionen.json, "print one JSON array instead of text");
    check->add_flag("--recursive", checkOptionen.rekursiv, "also the project files in the folders below");
    check->add_option("--jobs", checkOptionen.jobs, "threads (default: every processor)")->check(CLI::Range(1, 256));

    // report, export, link, dxa, articles, print
    tarvis::cli::Ausgabebefehle ausgaben(app, programDir);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version end with 0; a usage error is a failure like an
        // unreadable file.
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (build->parsed()) return catalogBuild(src, out);
    if (dump->parsed()) return catalogDump(art);
    if (auto status = ausgaben.ausfuehren(std::cout, std::cerr)) return *status;
    if (evidence->parsed()) {
        evidenceOptionen.datei = evidenceDatei;
        evidenceOptionen.programmVerzeichnis = programDir;
        return tarvis::cli::evidence(evidenceOptionen, std::cout, std::cerr);
    }
    if (check->parsed()) {
        checkOptionen.verzeichnis = checkVerzeichnis;
        checkOptionen.programmVerzeichnis = programDir;
        return tarvis::cli::check(checkOptionen, std::cout, std::cerr);
    }
    if (calc->parsed()) {
        calcOptionen.datei = projekt;
        calcOptionen.programmVerzeichnis = programDir;
        return tarvis::cli::calc(calcOptionen, std::cout, std::cerr);
    }
    return 0;
}
