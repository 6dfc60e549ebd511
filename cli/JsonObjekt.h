#pragma once
#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

#include "calc/Auswerten.h"
#include "projekt/Programm.h"

namespace tarvis::cli {

class BatchMessages;

using Json = nlohmann::ordered_json;

// A float with 9 significant digits, the precision that gives back every
// float exactly.
std::string neunStellen(float f);

// A float as JSON text with 9 significant digits (the library's own
// shortest form of the double would sometimes print 16); a whole value keeps
// its ".0" so that it still reads as a float.
std::string alsJsonZahl(float f);

// An output object, written member by member in its order: the values are
// JSON texts made by the library, except the floats (see alsJsonZahl).
class JsonObjekt {
public:
    void setzen(const std::string& name, const Json& wert) { roh(name, wert.dump()); }
    void roh(const std::string& name, std::string text) { felder_.emplace_back(name, std::move(text)); }
    std::string text() const;

private:
    std::vector<std::pair<std::string, std::string>> felder_;
};

// The halt of a calculation as the batch tool names it ("type",
// "interfaces", "supply", "error"; empty for none).
const char* haltName(AuswertenHalt h);

// String numbers of messages as a JSON array.
Json MeldungenJson(const std::vector<int>& nummern);

// The object `calc --json` prints for a project opened and calculated: after
// a complete calculation it runs the report, which may add message 605 and
// turn EPOKennz to "N".
JsonObjekt CalcJson(Programm& p, BatchMessages& ms, AuswertenHalt halt);

}  // namespace tarvis::cli
