#include "projekt/EStrom.h"

#include "io/FieldReader.h"
#include "io/TextFile.h"

namespace tarvis {

io::Result<EStromTabelle> EStromParsen(std::string utf8Text) {
    io::FieldReader r(std::move(utf8Text));
    // Header: one number and seven texts.
    r.number();
    for (int i = 0; i < 7; ++i) r.text();
    if (!r.ok()) return *r.error();

    EStromTabelle t;
    int eintraege = 0;
    while (!r.atEnd()) {
        double n = r.number();
        r.text();
        float c[5];
        for (float& v : c) v = r.single();
        r.text();
        if (!r.ok()) {
            // A last entry cut short at the end of the file is left out; a
            // value out of range makes the file defective.
            if (r.error()->nummer == io::fehlerEndeDerDatei().nummer) break;
            return *r.error();
        }
        // A current is never negative; one that is makes the table defective.
        for (float v : c)
            if (v < 0) return io::fehlerNegativ();
        if (n < 450 || n > 500 || n != static_cast<double>(static_cast<int>(n))) continue;
        auto i = static_cast<std::size_t>(static_cast<int>(n) - 450);
        t.EStrom1[i] = c[0];
        t.EStrom2[i] = c[1];
        t.EStrom3[i] = c[2];
        t.EStrom4[i] = c[3];
        t.EStrom5[i] = c[4];
        ++eintraege;
    }
    // A table without a single element of its own (only the header, or a
    // file of another kind) is defective: every current would read 0.
    if (eintraege == 0) return io::fehlerEndeDerDatei();
    return t;
}

io::Result<EStromTabelle> EStromLesen(const std::filesystem::path& datei) {
    auto text = io::readText(datei);
    if (!text) return text.error();
    return EStromParsen(std::move(*text));
}

}  // namespace tarvis
