#pragma once
#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis::cli {

// What the commands of the report, the export files, the link, the
// standalone DXA 1000, the article list and the printouts take from the
// command line.
struct AusgabeOptionen {
    std::string programmVerzeichnis;
    std::string datei;         // FILE.PLM
    std::string art;           // export: npa, prn-word, prn-excel, epo; print: result, articles, loops
    std::string ziel;          // --out
    std::string dateiA, dateiB;  // link
    std::string datum, zeit;   // --date, --time (default: now)
    bool alle = false;         // print loops --all
    std::string alarmart = "N";  // dxa
    int stunden = 0;
    std::string ruhe, alarm;
    std::optional<std::string> suche;  // articles
    std::string modus = "V", fokus = "N";
};

int report(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler);
int exportDatei(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler);
int link(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler);
int dxa(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler);
int articles(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler);
int print(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler);

// The report after a calculation, for `calc --json`: the lines 1 ..
// HinweisAnz - 1 as they stand ("Seitenwechsel" included) and EPOKennz as
// the report leaves it.
struct BerichtErgebnis {
    std::vector<std::string> zeilen;
    std::string epoKennz;
};
BerichtErgebnis BerichtNachRechnung(Programm& p, MessageService& ms);

// Registers the commands on the batch tool; ausfuehren() runs the one that
// was parsed (nullopt when none of them was).
class Ausgabebefehle {
public:
    Ausgabebefehle(CLI::App& app, const std::string& programmVerzeichnis);
    std::optional<int> ausfuehren(std::ostream& aus, std::ostream& fehler);

private:
    const std::string& programmVerzeichnis_;
    AusgabeOptionen o_;
    bool npa_ = false, prnWord_ = false, prnExcel_ = false, epo_ = false;
    CLI::App *report_, *export_, *link_, *dxa_, *articles_, *print_;
};

}  // namespace tarvis::cli
