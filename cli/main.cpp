// tarvis-cli: the batch tool on top of the core.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "io/TextFile.h"
#include "shell/KatalogQuelle.h"

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
    app.require_subcommand(1);
    std::string programDir;
    app.add_option("--program-dir", programDir, "program directory (catalogue, element table, projects)");

    auto* catalog = app.add_subcommand("catalog", "build or dump the article catalogue");
    catalog->require_subcommand(1);
    std::string src, out, art;
    auto* build = catalog->add_subcommand("build", "build TARVIS.ART from its source table");
    build->add_option("SRC", src, "source table (TSV)")->required();
    build->add_option("OUT", out, "catalogue file to write")->required();
    auto* dump = catalog->add_subcommand("dump", "print a catalogue as a source table");
    dump->add_option("ART", art, "catalogue file")->required();

    CLI11_PARSE(app, argc, argv);
    if (build->parsed()) return catalogBuild(src, out);
    if (dump->parsed()) return catalogDump(art);
    return 0;
}
