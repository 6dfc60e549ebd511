#include "projekt/Meldungstext.h"

#include "projekt/Texte.h"

namespace tarvis {

std::string Meldungstext::text() const {
    std::string s;
    for (const Teil& t : teile_) s += t.nummer != 0 ? Text(t.nummer) : t.text;
    return s;
}

std::vector<int> Meldungstext::nummern() const {
    std::vector<int> n;
    for (const Teil& t : teile_)
        if (t.nummer != 0) n.push_back(t.nummer);
    return n;
}

int Meldungstext::nummer() const {
    for (const Teil& t : teile_)
        if (t.nummer != 0) return t.nummer;
    return 0;
}

}  // namespace tarvis
