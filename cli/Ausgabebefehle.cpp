#include "Ausgabebefehle.h"

namespace tarvis::cli {

Ausgabebefehle::Ausgabebefehle(CLI::App& app, const std::string& programmVerzeichnis)
    : programmVerzeichnis_(programmVerzeichnis) {
    auto zeitOptionen = [this](CLI::App* c) {
        c->add_option("--date", o_.datum, "date printed (default: today)");
        c->add_option("--time", o_.zeit, "time printed (default: now)");
    };

    report_ = app.add_subcommand("report", "calculate a project and print its notes and current report");
    report_->fallthrough();
    report_->add_option("FILE", o_.datei, "project file (NAME.PLM)")->required();

    export_ = app.add_subcommand("export", "calculate a project and write one of its export files");
    export_->fallthrough();
    export_->add_option("FILE", o_.datei, "project file (NAME.PLM)")->required();
    auto* npa = export_->add_flag("--npa", npa_, "parameter file NAME.NPA");
    auto* word = export_->add_flag("--prn-word", prnWord_, "PRN file for a word processor");
    auto* excel = export_->add_flag("--prn-excel", prnExcel_, "PRN file for a spreadsheet");
    auto* epo = export_->add_flag("--epo", epo_, "hand-over file NAME.EPO (LIBEX mode)");
    npa->excludes(word)->excludes(excel)->excludes(epo);
    word->excludes(excel)->excludes(epo);
    excel->excludes(epo);
    export_->add_option("--out", o_.ziel, "file to write instead of the one beside the project");
    zeitOptionen(export_);

    link_ = app.add_subcommand("link", "link two KVT 2000 B hand-over files into NAME_6.EPO and NAME_6.TXT");
    link_->fallthrough();
    link_->add_option("A", o_.dateiA, "hand-over file 1")->required();
    link_->add_option("B", o_.dateiB, "hand-over file 2")->required();
    link_->add_option("--out", o_.ziel, "combined file (default: B without .EPO, then _6.EPO)");
    zeitOptionen(link_);

    dxa_ = app.add_subcommand("dxa", "result of a standalone DXA 1000 from its currents");
    dxa_->fallthrough();
    dxa_->add_option("--alarm", o_.alarmart, "B fire, N intrusion")->check(CLI::IsMember({"B", "N"}));
    dxa_->add_option("--hours", o_.stunden, "standby time in hours")->check(CLI::Range(0, 999));
    dxa_->add_option("--ruhe", o_.ruhe, "quiescent currents in mA, e.g. 12=500,24=100");
    dxa_->add_option("--alarm-current", o_.alarm, "alarm currents in mA, e.g. 12=800,28=300");

    articles_ = app.add_subcommand("articles", "list or search the article catalogue");
    articles_->fallthrough();
    articles_->add_option("--search", o_.suche, "search text");
    articles_->add_option("--mode", o_.modus, "S part numbers, V LIBEX codes")->check(CLI::IsMember({"S", "V"}));
    articles_->add_option("--focus", o_.fokus, "LIBEX focus: B fire, N intrusion")->check(CLI::IsMember({"B", "N"}));

    print_ = app.add_subcommand("print", "a printout as plain text (form feed between pages)");
    print_->fallthrough();
    print_->add_option("WHAT", o_.art, "result, articles or loops")
        ->required()
        ->check(CLI::IsMember({"result", "articles", "loops"}));
    print_->add_option("FILE", o_.datei, "project file (NAME.PLM; not for articles)");
    print_->add_flag("--all", o_.alle, "loops: every loop element, not only those entered");
    print_->add_option("--mode", o_.modus, "articles: S or V")->check(CLI::IsMember({"S", "V"}));
    print_->add_option("--focus", o_.fokus, "articles: B or N")->check(CLI::IsMember({"B", "N"}));
    zeitOptionen(print_);
}

std::optional<int> Ausgabebefehle::ausfuehren(std::ostream& aus, std::ostream& fehler) {
    o_.programmVerzeichnis = programmVerzeichnis_;
    if (report_->parsed()) return report(o_, aus, fehler);
    if (export_->parsed()) {
        o_.art = npa_ ? "npa" : prnWord_ ? "prn-word" : prnExcel_ ? "prn-excel" : epo_ ? "epo" : "";
        return exportDatei(o_, aus, fehler);
    }
    if (link_->parsed()) return link(o_, aus, fehler);
    if (dxa_->parsed()) return dxa(o_, aus, fehler);
    if (articles_->parsed()) return articles(o_, aus, fehler);
    if (print_->parsed()) return print(o_, aus, fehler);
    return std::nullopt;
}

}  // namespace tarvis::cli
