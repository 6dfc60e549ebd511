#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvis {

// A printout as the program builds it, independent of any printer: pages of
// lines, each line a list of texts placed at 1-based print columns, and the
// font the clerk chose for printing. The toolkit prints it on paper; the
// plain-text form (AlsText) lets the batch tool and the tests read it.
struct DruckText {
    int spalte = 1;
    std::string text;

    friend bool operator==(const DruckText&, const DruckText&) = default;
};

using DruckZeile = std::vector<DruckText>;

struct DruckSeite {
    std::vector<DruckZeile> zeilen;
};

struct Druckauftrag {
    std::string schrift = "Courier NEW";
    int groesse = 12;
    std::vector<DruckSeite> seiten{DruckSeite{}};

    // A new line at the end of the current page; items are added with bei().
    Druckauftrag& zeile();
    // Adds a text at a column to the current (last) line.
    Druckauftrag& bei(int spalte, std::string text);
    // n empty lines.
    Druckauftrag& leer(int n = 1);
    // Starts a new page.
    Druckauftrag& neueSeite();
};

// Places a text at a column of a line held as plain text: blanks fill the line
// up to the column; when the line already reaches the column, one blank
// separates the text instead. Columns count characters, not bytes.
void AnSpalte(std::string& zeile, int spalte, std::string_view text);

// One line as plain text, its items placed by AnSpalte in their order.
std::string ZeileAlsText(const DruckZeile& zeile);

// The whole job as plain text: every line ends with "\n", and a form feed
// "\f" stands between two pages.
std::string AlsText(const Druckauftrag& auftrag);

// The columns a job prints in: from the first column a text begins at (the
// blank columns before it are the job's own left margin) to the last column
// a line reaches. {1, 0} for a job without text.
struct Spaltenbereich {
    int erste = 1;
    int letzte = 0;
};
Spaltenbereich SpaltenVon(const Druckauftrag& auftrag);

// One sheet of paper: the lines [von, bis) of a page of the job.
struct Blatt {
    std::size_t von = 0;
    std::size_t bis = 0;

    friend bool operator==(const Blatt&, const Blatt&) = default;
};

// How a page of a job goes on sheets of `zeilenProBlatt` rows, a line taking
// `hoehe(zeile)` rows (a long one goes on below itself). Lines that belong
// together are not split where they fit on one sheet: a block of lines
// between empty lines (a table with its title, rules and sums; a note), and
// a one-line heading with the block it introduces after one empty line
// (when that block is longer than a sheet, the heading stays with its first
// line). A block longer than a sheet fills the sheets as they come. Empty
// lines at the top of a sheet that a break started are left out.
std::vector<Blatt> AufBlaetter(const DruckSeite& seite, const std::function<int(const DruckZeile&)>& hoehe,
                               int zeilenProBlatt);

}  // namespace tarvis
