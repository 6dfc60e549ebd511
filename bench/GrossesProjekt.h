#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis::bench {

// Answers the calculation's windows as the batch tool does, silently.
class StilleMeldungen : public MessageService {
public:
    explicit StilleMeldungen(Zustand& z) : z_(z) {}
    void zeigen(const Meldung&) override { ++meldungen; }
    Antwort fragen(const Meldung& m) override { return m.standard; }
    std::optional<std::string> eingeben(const Meldung&, const std::string&) override { return std::nullopt; }
    bool oeffnen(Fenster f) override;
    void hilfe(int) override {}
    void piepen() override {}
    int meldungen = 0;

private:
    Zustand& z_;
};

// The program with the catalogue and element table of `verzeichnis` read and
// an empty project; nullopt (and a line on stderr) when they cannot be read.
std::optional<Programm> programmLesen(const std::filesystem::path& verzeichnis);

// A KVT 2000 N with everything: four loops of 127 elements each (the loop
// limit), one of every peripheral, all add-on functions the panel takes,
// ten external loads per voltage. The catalogue of `p` must be read.
void grossesProjekt(Programm& p);

}  // namespace tarvis::bench
