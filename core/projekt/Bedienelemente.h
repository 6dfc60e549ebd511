#pragma once
#include <string>

namespace tarvis {

// View state of one option button, check box or button.
struct Schalter {
    std::string text;
    bool aktiv = true;
    bool gewaehlt = false;
};

// View state of a label or frame.
struct Beschriftung {
    std::string text;
    bool aktiv = true;
    bool sichtbar = true;
};

// View state of a frame holding a "yes" and a "no" option.
struct JaNeinAnsicht {
    std::string rahmen;  // frame caption
    bool aktiv = true;   // frame and both options
    bool ja = false;     // "yes" selected
    bool nein = false;   // "no" selected
};

inline JaNeinAnsicht JaNein(std::string rahmen, bool ja, bool aktiv = true) {
    return JaNeinAnsicht{std::move(rahmen), aktiv, ja, !ja};
}

}  // namespace tarvis
