#include "Check.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <sstream>
#include <thread>

#include "BatchMessages.h"
#include "JsonObjekt.h"
#include "Projektlauf.h"
#include "ablauf/Nachweis.h"
#include "calc/Bericht.h"
#include "projekt/Texte.h"

namespace tarvis::cli {

namespace {

namespace fs = std::filesystem;

struct Zeile {
    std::string datei;
    std::optional<std::string> fehler;
    AuswertenHalt halt = AuswertenHalt::Keiner;
    int typ = 0;
    std::string epoKennz;
    std::vector<int> meldungen;
    std::vector<std::string> ueberschritten;
    long long ah = 0;
    int batterien = 0, dxa = 0, zolw = 0;
    std::optional<int> autonomie;

    bool eingehalten() const { return !fehler && halt == AuswertenHalt::Keiner && ueberschritten.empty(); }
};

bool istProjektdatei(const fs::directory_entry& e) {
    std::error_code ec;
    if (!e.is_regular_file(ec)) return false;
    std::string endung = e.path().extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(), [](unsigned char c) { return std::toupper(c); });
    return endung == ".PLM";
}

template <class Iterator> void sammeln(Iterator it, std::vector<fs::path>& dateien) {
    for (const fs::directory_entry& e : it)
        if (istProjektdatei(e)) dateien.push_back(e.path());
}

// One project, as `calc` does it, in a program that has just started.
Zeile pruefen(Programm& p, const Zustand& start, const fs::path& datei) {
    Zeile r;
    r.datei = datei.string();
    p.z = start;
    std::ostream still(nullptr);  // the messages are kept by number
    BatchMessages ms(p, still);
    std::ostringstream fehler;
    if (!ProjektOeffnenBatch(p, ms, datei, fehler)) {
        std::string f = fehler.str();
        if (f.starts_with("tarvis-cli: ")) f.erase(0, 12);
        while (!f.empty() && f.back() == '\n') f.pop_back();
        r.fehler = f;
        return r;
    }
    ms.neuBeginnen();
    r.halt = AuswertenAblauf(p, ms);
    const Zustand& z = p.z;
    r.typ = z.ZentralenTyp;
    if (r.halt == AuswertenHalt::Keiner) {
        HinweisAktivieren(p, ms);
        const Nachweis n = NachweisErstellen(p, {});
        for (const NachweisGrenze& g : n.ueberschritten()) r.ueberschritten.push_back(GrenzName(g));
        r.epoKennz = z.EPOKennz.str();
        r.ah = z.BatAhGesamt;
        r.batterien = z.AnzBatterien;
        r.dxa = z.AnzDXA;
        r.zolw = z.AnzZOLW;
        r.autonomie = n.autonomie;
    }
    r.meldungen = ms.nummern();
    return r;
}

std::string nummernText(const std::vector<int>& n) {
    std::string t;
    for (int k : n) t += (t.empty() ? "" : " ") + std::to_string(k);
    return t.empty() ? "-" : t;
}

void textZeile(const Zeile& r, std::ostream& aus) {
    aus << r.datei << "\t";
    if (r.fehler) {
        aus << "Fehler: " << *r.fehler << "\n";
        return;
    }
    aus << ZentralenNameFuer(r.typ) << "\t";
    if (r.halt != AuswertenHalt::Keiner) {
        aus << "stopped: " << haltName(r.halt) << "\t" << Text(2216) << " " << nummernText(r.meldungen) << "\n";
        return;
    }
    if (r.ueberschritten.empty()) {
        aus << Text(2217);
    } else {
        aus << Text(2218);
        for (std::size_t k = 0; k < r.ueberschritten.size(); ++k) aus << (k ? "; " : " ") << r.ueberschritten[k];
    }
    aus << "\t" << Text(2216) << " " << nummernText(r.meldungen) << "\t" << Text(2170) << " " << r.batterien << " ("
        << r.ah << " Ah)\tDXA 1000: " << r.dxa << "\tZOLW: " << r.zolw << "\t" << Text(2173) << " "
        << (r.autonomie ? std::to_string(*r.autonomie) + " h" : std::string("-")) << "\n";
}

std::string jsonZeile(const Zeile& r) {
    JsonObjekt j;
    j.setzen("Datei", r.datei);
    if (r.fehler) {
        j.setzen("Fehler", *r.fehler);
        return j.text();
    }
    j.setzen("ZentralenTyp", r.typ);
    if (r.halt != AuswertenHalt::Keiner) {
        j.setzen("stopped", haltName(r.halt));
        j.setzen("Meldungen", MeldungenJson(r.meldungen));
        return j.text();
    }
    j.setzen("EPOKennz", r.epoKennz);
    j.setzen("Ueberschritten", r.ueberschritten);
    j.setzen("Meldungen", MeldungenJson(r.meldungen));
    j.setzen("BatAhGesamt", r.ah);
    j.setzen("AnzBatterien", r.batterien);
    j.setzen("AnzDXA", r.dxa);
    j.setzen("AnzZOLW", r.zolw);
    j.setzen("Autonomie", r.autonomie ? Json(*r.autonomie) : Json(nullptr));
    return j.text();
}

}  // namespace

int check(const CheckOptionen& o, std::ostream& aus, std::ostream& fehler) {
    std::error_code ec;
    if (!fs::is_directory(o.verzeichnis, ec)) {
        fehler << "tarvis-cli: cannot read " << o.verzeichnis.string() << ": not a folder\n";
        return 2;
    }
    std::vector<fs::path> dateien;
    try {
        const auto optionen = fs::directory_options::skip_permission_denied;
        if (o.rekursiv) sammeln(fs::recursive_directory_iterator(o.verzeichnis, optionen), dateien);
        else sammeln(fs::directory_iterator(o.verzeichnis, optionen), dateien);
    } catch (const fs::filesystem_error& e) {
        fehler << "tarvis-cli: cannot read " << o.verzeichnis.string() << ": " << e.code().message() << "\n";
        return 2;
    }
    std::sort(dateien.begin(), dateien.end());

    auto start = Programmstart(o.programmVerzeichnis, fehler);
    if (!start) return 2;

    // Each thread works on a program of its own (the catalogue decodes its
    // records as they are asked for); a project starts from the program
    // as it stood after start-up, as in a run of its own.
    std::vector<Zeile> zeilen(dateien.size());
    std::atomic<std::size_t> naechste{0}, fertig{0};
    auto arbeiten = [&] {
        Programm p = *start;
        for (std::size_t i; (i = naechste++) < dateien.size(); ++fertig) zeilen[i] = pruefen(p, start->z, dateien[i]);
    };
    const int maschine = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto anzahl = static_cast<std::size_t>(std::clamp(o.jobs > 0 ? o.jobs : maschine, 1, 256));
    std::vector<std::thread> threads;
    for (std::size_t k = 0; k < std::min(anzahl, dateien.size()); ++k) threads.emplace_back(arbeiten);

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    while (terminal && fertig < dateien.size()) {
        fehler << "\rcheck: " << fertig << "/" << dateien.size() << std::flush;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (std::thread& t : threads) t.join();
    if (terminal) fehler << "\r\x1b[K" << std::flush;

    if (o.json) {
        aus << "[";
        for (std::size_t i = 0; i < zeilen.size(); ++i) aus << (i ? ",\n" : "\n") << jsonZeile(zeilen[i]);
        aus << "\n]\n";
    } else {
        for (const Zeile& r : zeilen) textZeile(r, aus);
    }
    if (std::any_of(zeilen.begin(), zeilen.end(), [](const Zeile& r) { return r.fehler.has_value(); })) return 2;
    return std::all_of(zeilen.begin(), zeilen.end(), [](const Zeile& r) { return r.eingehalten(); }) ? 0 : 1;
}

}  // namespace tarvis::cli
