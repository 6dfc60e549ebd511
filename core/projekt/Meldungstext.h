#pragma once
#include <string>
#include <vector>

namespace tarvis {

// The text of a message, kept as data until it is shown: entries of the
// string table by number and the parts put in between them (names, paths,
// error numbers), in order. Tests and the batch tool read the numbers; the
// one rendering is text().
class Meldungstext {
public:
    Meldungstext() = default;
    // A part that is no entry of the table (a file name, a number).
    explicit Meldungstext(std::string teil) { anhaengen(0, std::move(teil)); }
    // A fixed text of the program's that is no entry of the table.
    Meldungstext(const char* teil) { anhaengen(0, teil); }

    // Entry n of the string table.
    static Meldungstext nr(int n) {
        Meldungstext t;
        t.teile_.push_back({n, {}});
        return t;
    }

    Meldungstext& operator+=(const Meldungstext& t) {
        for (const Teil& teil : t.teile_) anhaengen(teil.nummer, teil.text);
        return *this;
    }
    Meldungstext& operator+=(const std::string& s) {
        anhaengen(0, s);
        return *this;
    }
    Meldungstext& operator+=(const char* s) { return *this += std::string(s); }

    // The text as shown.
    std::string text() const;
    // The numbers of the table entries, in order.
    std::vector<int> nummern() const;
    // The first of them, 0 when there is none.
    int nummer() const;
    bool leer() const { return teile_.empty(); }

private:
    struct Teil {
        int nummer = 0;  // 0: text
        std::string text;
    };
    void anhaengen(int nummer, std::string text) {
        if (nummer == 0 && text.empty()) return;
        if (nummer == 0 && !teile_.empty() && teile_.back().nummer == 0) teile_.back().text += text;
        else teile_.push_back({nummer, std::move(text)});
    }
    std::vector<Teil> teile_;
};

inline Meldungstext Nr(int n) { return Meldungstext::nr(n); }

inline Meldungstext operator+(Meldungstext a, const Meldungstext& b) { return a += b; }
inline Meldungstext operator+(Meldungstext a, const std::string& b) { return a += b; }
inline Meldungstext operator+(Meldungstext a, const char* b) { return a += b; }
inline Meldungstext operator+(const std::string& a, const Meldungstext& b) { return Meldungstext(a) += b; }
inline Meldungstext operator+(const char* a, const Meldungstext& b) { return Meldungstext(a) += b; }

}  // namespace tarvis
