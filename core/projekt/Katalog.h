#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "io/Result.h"
#include "projekt/KatSatz.h"

namespace tarvis {

// The article catalogue, opened once at start-up and read by record number.
// The file is small (700 records of 96 bytes), so it is held in memory; a
// record is decoded the first time it is asked for, since a calculation reads
// only part of the catalogue.
class Katalog {
public:
    static constexpr int kSaetze = 700;

    Katalog();  // an empty catalogue: every record blank
    static io::Result<Katalog> oeffnen(const std::filesystem::path& datei);

    // Record n (1-based). Numbers outside the file read as a blank record.
    const KatSatz& satz(int n) const;
    int anzahl() const { return static_cast<int>(saetze_.size()); }
    // Whether the file held all 700 records whole and sound; a shorter file
    // (a copy broken off, a wrong file) or one with a negative current is a
    // defective catalogue for the program.
    bool vollstaendig() const { return vollstaendig_; }

    void setzen(int n, KatSatz s);
    // The file image of records 1..anzahl().
    std::string zuBytes() const;

private:
    std::string roh_;  // the records as the file holds them
    mutable std::vector<KatSatz> saetze_;
    mutable std::vector<bool> gelesen_;
    bool vollstaendig_ = false;
    KatSatz leer_;
};

}  // namespace tarvis
