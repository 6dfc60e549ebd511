#pragma once
#include <string>
#include <string_view>

#include "io/Result.h"
#include "projekt/Katalog.h"

namespace tarvis {

// The human-editable source of the catalogue: a TAB-separated UTF-8 table with
// a header line and one row per record number, every field of the record.
// Texts are written without their padding blanks; leading blanks count.
extern const char* const kKatalogQuelleKopf;

// Parses the source; an error names the line that is wrong.
io::Result<Katalog> KatalogAusQuelle(std::string_view tsv, std::string* fehlertext = nullptr);
std::string KatalogZuQuelle(const Katalog& k);

}  // namespace tarvis
