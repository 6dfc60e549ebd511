#include "einstellungen/Kontakt.h"

namespace tarvis {

std::string KontaktVersion(const std::string& prgVersion) {
    std::string t = "Version: " + prgVersion;
    if (!prgVersion.empty() && prgVersion.back() == 'E') t += " E";
    return t;
}

std::string KontaktPersonen() {
    return "Responsabile del prodotto:\tAnna Ferri\ttel. 02 5550 1410\n"
           "Supporto tecnico:\tLuca Moretti\ttel. 02 5550 1422\n"
           "Cataloghi e listini:\tGiulia Conti\ttel. 02 5550 1437";
}

}  // namespace tarvis
