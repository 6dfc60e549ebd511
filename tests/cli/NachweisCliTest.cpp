// The evidence and the folder check of the batch tool against `calc --json`
// on generated projects of every panel type, run in the process.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "Calc.h"
#include "Check.h"
#include "Evidence.h"
#include "support/Programme.h"
#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/Projektgenerator.h"
#include "support/TempDir.h"

using namespace tarvis;
using Json = nlohmann::json;

namespace {

struct Lauf {
    int status = 0;
    Json json;
};

// A folder of generated projects with what calc and evidence make of each.
struct Ordner {
    test::TempDir dir;
    std::vector<std::filesystem::path> dateien;
    std::vector<Integer> ueZeit;
    std::vector<Lauf> calc, evidence;
};

Lauf json(int status, const std::string& aus) { return {status, aus.empty() ? Json() : Json::parse(aus)}; }

const Ordner& ordner() {
    static Ordner r;
    static const bool gemacht = [] {
        const Programm muster = test::musterProgramm();
        const std::vector<int> elemente = test::SchleifenElemente(muster);
        test::Generator g(20261207);
        for (int i = 0; i < 320; ++i) {
            Programm p = muster;
            g.projekt(p, elemente);
            p.z.ZentralenTyp = static_cast<Integer>(1 + i % 8);
            p.z.Projektname = "P" + std::to_string(i);
            r.dateien.push_back(r.dir / ("P" + std::to_string(1000 + i) + ".PLM"));
            r.ueZeit.push_back(p.z.UeZeit);
            EXPECT_TRUE(ProjektSchreiben(p, r.dateien.back()).ok());
        }
        r.dateien.push_back(r.dir / "kaputt.plm");
        EXPECT_TRUE(io::writeText(r.dateien.back(), "nonsense\r\n").ok());
        r.ueZeit.push_back(0);
        for (const auto& datei : r.dateien) {
            std::ostringstream aus, fehler;
            int status = cli::calc({datei, TARVIS_PROGRAM_DIR, true, {}, {}}, aus, fehler);
            r.calc.push_back(json(status, aus.str()));
            aus.str("");
            status = cli::evidence({datei, TARVIS_PROGRAM_DIR, true, {}, {}}, aus, fehler);
            r.evidence.push_back(json(status, aus.str()));
        }
        return true;
    }();
    EXPECT_TRUE(gemacht);
    return r;
}

double summe(const Json& terme, bool betrag = false) {
    double s = 0;
    for (const Json& t : terme) s += betrag ? std::abs(t["mA"].get<double>()) : t["mA"].get<double>();
    return s;
}

}  // namespace

TEST(NachweisCli, EvidenceAgreesWithCalcAndItsTermsAddUp) {
    const Ordner& o = ordner();
    std::set<int> typen;
    for (std::size_t i = 0; i < o.dateien.size(); ++i) {
        const Json& c = o.calc[i].json;
        const Json& e = o.evidence[i].json;
        const std::string fall = o.dateien[i].filename().string();
        ASSERT_EQ(o.evidence[i].status, o.calc[i].status) << fall;
        if (o.calc[i].status == 2) continue;
        for (const auto& [name, wert] : c.items()) EXPECT_EQ(e[name], wert) << fall << " " << name;
        if (c.contains("stopped")) {
            EXPECT_EQ(e.size(), c.size()) << fall;
            continue;
        }
        typen.insert(c["ZentralenTyp"].get<int>());
        EXPECT_EQ(e.size(), c.size() + 4) << fall;

        // The sums are Singles: each addition rounds by at most 2^-24 of the
        // sum so far, which is never more than the terms' absolute sum.
        const double ruhe = c["IRuhe"], alarm = c["IAlarm"];
        const auto n = static_cast<double>(e["IRuheTerme"].size() + e["IAlarmTerme"].size() + 2);
        const double toleranz =
            n * 6e-8 * 1.1 * (summe(e["IRuheTerme"], true) + summe(e["IAlarmTerme"], true) + std::abs(ruhe));
        EXPECT_NEAR(summe(e["IRuheTerme"]) * 1.1, ruhe, toleranz) << fall;
        if (e["IAlarmAngehoben"].get<bool>()) {
            EXPECT_EQ(alarm, ruhe) << fall;
            EXPECT_LT(summe(e["IAlarmTerme"]), alarm + toleranz) << fall;
        } else {
            EXPECT_NEAR(summe(e["IAlarmTerme"]), alarm, toleranz) << fall;
        }

        // The batteries chosen hold at least the standby time they were chosen for.
        const bool ohne = c["BatAhGesamt"].get<long>() == 0 || !(ruhe > 0);
        EXPECT_EQ(e["Autonomie"].is_null(), ohne) << fall;
        if (!ohne && o.ueZeit[i] > 0) {
            EXPECT_GE(e["Autonomie"].get<int>(), o.ueZeit[i]) << fall;
        }
    }
    EXPECT_EQ(typen.size(), 8u);
}

TEST(NachweisCli, CheckGivesOneRowPerProjectAsCalcHasIt) {
    const Ordner& o = ordner();
    std::ostringstream aus, fehler;
    const int status = cli::check({o.dir.path(), TARVIS_PROGRAM_DIR, true, false, 3}, aus, fehler);
    EXPECT_EQ(status, 2);  // one file is unreadable
    const Json zeilen = Json::parse(aus.str());
    ASSERT_EQ(zeilen.size(), o.dateien.size());

    std::map<std::string, int> arten;
    for (std::size_t i = 0; i < o.dateien.size(); ++i) {
        // Rows come in the order of the file names, as the files were written.
        const Json& r = zeilen[i];
        const Json& c = o.calc[i].json;
        const std::string fall = o.dateien[i].filename().string();
        ASSERT_EQ(r["Datei"], o.dateien[i].string());
        if (o.calc[i].status == 2) {
            EXPECT_TRUE(r.contains("Fehler")) << fall;
            ++arten["unreadable"];
            continue;
        }
        EXPECT_EQ(r["Meldungen"], c["Meldungen"]) << fall;
        EXPECT_EQ(r["ZentralenTyp"], c.value("ZentralenTyp", r["ZentralenTyp"])) << fall;
        if (c.contains("stopped")) {
            EXPECT_EQ(r["stopped"], c["stopped"]) << fall;
            ++arten["stopped"];
            continue;
        }
        for (const char* k : {"BatAhGesamt", "AnzBatterien", "AnzDXA", "AnzZOLW"}) EXPECT_EQ(r[k], c[k]) << fall << k;
        EXPECT_EQ(r["EPOKennz"], c["EPOKennzBericht"]) << fall;
        EXPECT_EQ(r["Autonomie"], o.evidence[i].json["Autonomie"]) << fall;
        // The hand-over flag marks a limit exceeded; the loop limits come on top.
        const bool ueber = !r["Ueberschritten"].empty();
        if (c["EPOKennzBericht"] == "N") {
            EXPECT_TRUE(ueber) << fall;
        }
        bool nurSchleifen = ueber;
        for (const Json& n : r["Ueberschritten"]) nurSchleifen = nurSchleifen && n.get<std::string>().starts_with("Linea ");
        if (nurSchleifen || !ueber) {
            EXPECT_EQ(c["EPOKennzBericht"], "J") << fall;
        }
        ++arten[ueber ? "exceeding" : "good"];
    }
    for (const char* art : {"good", "exceeding", "stopped", "unreadable"}) EXPECT_GT(arten[art], 0) << art;

    // One thread, as text: the same verdict, one line per file; without the
    // unreadable file, the exceeding and stopped projects give 1, and the
    // folders below count only with --recursive.
    std::ostringstream text;
    EXPECT_EQ(cli::check({o.dir.path(), TARVIS_PROGRAM_DIR, false, false, 1}, text, fehler), 2);
    const std::string zeilenText = text.str();
    EXPECT_EQ(static_cast<std::size_t>(std::count(zeilenText.begin(), zeilenText.end(), '\n')), o.dateien.size());
    test::TempDir ohne;
    for (std::size_t i = 0; i + 1 < o.dateien.size(); ++i)
        std::filesystem::copy_file(o.dateien[i], ohne / o.dateien[i].filename().string());
    std::filesystem::create_directory(ohne / "unter");
    std::filesystem::copy_file(o.dateien[0], ohne / "unter" / "Z.plm");
    for (const bool rekursiv : {false, true}) {
        std::ostringstream ohneAus;
        EXPECT_EQ(cli::check({ohne.path(), TARVIS_PROGRAM_DIR, true, rekursiv, 0}, ohneAus, fehler), 1);
        EXPECT_EQ(Json::parse(ohneAus.str()).size(), o.dateien.size() - (rekursiv ? 0 : 1));
    }
}
