#include "projekt/Format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "io/Cp1252.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace {

// |x| in units of 10^-stellen, rounded half away from zero, as a digit
// string. The rounding works on the 15 significant digits that a double
// holds reliably, so that 0.125 rounds to 0.13 as the shown value suggests
// and not by the binary value behind it.
std::string gerundeteZiffern(double x, int stellen) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string ziffern;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') ziffern += *p;
    int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    if (ziffern.find_first_not_of('0') == std::string::npos) return "0";

    // Digit k of the mantissa has the weight 10^(exponent - k); those down to
    // 10^-stellen are kept.
    int behalten = exponent + stellen + 1;
    if (behalten <= 0) return behalten == 0 && ziffern[0] >= '5' ? "1" : "0";
    std::string ergebnis;
    bool aufrunden = false;
    if (behalten >= static_cast<int>(ziffern.size())) {
        ergebnis = ziffern + std::string(static_cast<std::size_t>(behalten) - ziffern.size(), '0');
    } else {
        ergebnis = ziffern.substr(0, static_cast<std::size_t>(behalten));
        aufrunden = ziffern[static_cast<std::size_t>(behalten)] >= '5';
    }
    if (aufrunden) {
        int i = static_cast<int>(ergebnis.size()) - 1;
        while (i >= 0 && ergebnis[static_cast<std::size_t>(i)] == '9') ergebnis[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) ergebnis.insert(ergebnis.begin(), '1');
        else ++ergebnis[static_cast<std::size_t>(i)];
    }
    return ergebnis;
}

std::string mitTausendern(const std::string& ziffern) {
    std::string out;
    int n = static_cast<int>(ziffern.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += '.';
        out += ziffern[static_cast<std::size_t>(i)];
    }
    return out;
}

bool nurKlammeraffen(std::string_view maske) {
    return !maske.empty() && maske.find_first_not_of('@') == std::string_view::npos;
}

}  // namespace

std::string Format(double x, std::string_view maske) {
    if (nurKlammeraffen(maske)) return FormatText(ZahlText(x), maske);
    if (!std::isfinite(x)) return KeineZahlText();
    auto erstes = maske.find_first_of("#0.,");
    if (erstes == std::string_view::npos) return std::string(maske);
    auto letztes = maske.find_last_of("#0.,");
    std::string_view vorn = maske.substr(0, erstes);
    std::string_view zahl = maske.substr(erstes, letztes - erstes + 1);
    std::string_view hinten = maske.substr(letztes + 1);

    auto punkt = zahl.find('.');
    std::string_view ganzMaske = zahl.substr(0, punkt);
    std::string_view dezMaske = punkt == std::string_view::npos ? std::string_view{} : zahl.substr(punkt + 1);
    bool gruppieren = ganzMaske.find(',') != std::string_view::npos;
    auto mindestGanz = static_cast<std::size_t>(std::count(ganzMaske.begin(), ganzMaske.end(), '0'));
    int stellen = 0;
    std::size_t mindestDez = 0;
    for (char c : dezMaske) {
        if (c == '#' || c == '0') ++stellen;
        if (c == '0') mindestDez = static_cast<std::size_t>(stellen);
    }

    std::string ziffern = gerundeteZiffern(x, stellen);
    auto nDez = static_cast<std::size_t>(stellen);
    if (ziffern.size() <= nDez) ziffern.insert(0, nDez + 1 - ziffern.size(), '0');
    std::string ganz = ziffern.substr(0, ziffern.size() - nDez);
    std::string dez = ziffern.substr(ziffern.size() - nDez);

    ganz.erase(0, std::min(ganz.find_first_not_of('0'), ganz.size()));
    if (ganz.size() < mindestGanz) ganz.insert(0, mindestGanz - ganz.size(), '0');
    if (gruppieren) ganz = mitTausendern(ganz);
    while (dez.size() > mindestDez && dez.back() == '0') dez.pop_back();

    std::string out(vorn);
    if (x < 0) out += '-';
    out += ganz;
    if (punkt != std::string_view::npos) out += ',' + dez;
    out += hinten;
    return out;
}

std::string FormatText(std::string_view text, std::string_view maske) {
    std::size_t breite = static_cast<std::size_t>(std::count(maske.begin(), maske.end(), '@'));
    std::size_t laenge = io::utf8Length(text);
    std::string out;
    if (laenge < breite) out.assign(breite - laenge, ' ');
    out += text;
    return out;
}

std::string ZahlText(double x) {
    if (x == 0) return "0";
    if (!std::isfinite(x)) return KeineZahlText();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7g", x);
    std::string s = buf;
    std::string out;
    auto e = s.find('e');
    std::string mantisse = s.substr(0, e);
    for (char c : mantisse) out += c == '.' ? ',' : c;
    if (e != std::string::npos) {
        // "e+07" -> "E+07": sign always, at least two digits.
        std::string exp = s.substr(e + 1);
        char vorzeichen = '+';
        if (!exp.empty() && (exp[0] == '+' || exp[0] == '-')) {
            vorzeichen = exp[0];
            exp.erase(0, 1);
        }
        while (exp.size() > 2 && exp[0] == '0') exp.erase(0, 1);
        while (exp.size() < 2) exp.insert(exp.begin(), '0');
        out += 'E';
        out += vorzeichen;
        out += exp;
    }
    return out;
}

std::string KeineZahlText() { return Text(2040); }

}  // namespace tarvis
