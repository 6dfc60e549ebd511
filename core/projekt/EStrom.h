#pragma once
#include <array>
#include <filesystem>

#include "io/Result.h"

namespace tarvis {

// The element current table ESTROMK.DAT: five current columns for the
// elements 450..500 (index n - 450). Column 1 quiescent current at 12 V,
// column 2 a second current, column 3 alarm current at 12 V, column 4 not
// used, column 5 current at 28 V, all in mA. Elements without an entry keep 0.
struct EStromTabelle {
    std::array<float, 51> EStrom1{}, EStrom2{}, EStrom3{}, EStrom4{}, EStrom5{};
};

// Reads the table from its text. Fails when the header cannot be read or a
// current is out of range or negative; an entry whose element number lies
// outside 450..500 is skipped.
io::Result<EStromTabelle> EStromParsen(std::string utf8Text);
io::Result<EStromTabelle> EStromLesen(const std::filesystem::path& datei);

}  // namespace tarvis
