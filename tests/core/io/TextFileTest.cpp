// What the one writer promises: it replaces exactly the file named, keeps
// its permissions and links, never turns a pipe into a file, cannot be
// redirected by a planted file, refuses a read-only file or a folder, and
// leaves no temporary file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <atomic>
#include <cerrno>
#include <set>
#include <thread>
#include <cmath>
#include <limits>

#include "io/TextFile.h"
#include "support/TempDir.h"
#include "io/Cp1252.h"
#include "io/FieldReader.h"
#include "io/FieldWriter.h"

using namespace tarvis;
namespace fs = std::filesystem;
using tarvis::io::FieldReader;
using tarvis::io::FieldWriter;

namespace {

std::set<std::string> namen(const fs::path& dir) {
    std::set<std::string> n;
    for (const auto& e : fs::directory_iterator(dir)) n.insert(e.path().filename().string());
    return n;
}

}  // namespace

TEST(Writer, ReplacesExactlyTheFileNamedOrRefusesAndLeavesItAsItWas) {
    test::TempDir d;
    auto neu = [](const fs::path& f) { return io::writeBytes(f, "neu"); };
    auto modus = [](const fs::path& f) { return static_cast<unsigned>(fs::status(f).permissions()); };
    for (const char* f : {"R", "M", "echt", "opfer"}) io::writeBytes(d / f, "alt");
    ::chmod((d / "R").c_str(), 0440);
    ::chmod((d / "M").c_str(), 0640);
    fs::create_symlink("echt", d / "L");
    fs::create_symlink(d / "opfer", d / "P.tmp~");  // the temporary name the writer once used
    fs::create_directory(d / "O");
    ASSERT_EQ(::mkfifo((d / "F").c_str(), 0600), 0);

    // A read-only file is refused, also for the superuser, with its name.
    auto st = neu(d / "R");
    EXPECT_EQ(st ? "" : std::to_string(st.error().nummer) + " " + st.error().datei, "75 " + (d / "R").string());
    EXPECT_EQ(*io::readBytes(d / "R") + std::to_string(modus(d / "R")), "alt" + std::to_string(0440));
    // The mode is kept; a link stays and its target is written; a planted
    // link is not written through.
    EXPECT_TRUE(neu(d / "M") && neu(d / "L") && neu(d / "P"));
    EXPECT_EQ(modus(d / "M"), 0640u);
    EXPECT_TRUE(fs::is_symlink(d / "L"));
    EXPECT_EQ(*io::readBytes(d / "echt") + *io::readBytes(d / "opfer"), "neualt");
    // A folder is refused; a name with no room for a temporary name beside
    // it is written; one too long for the file system is a bad name.
    EXPECT_EQ(neu(d / "O").error().nummer, 75);
    EXPECT_TRUE(neu(d / std::string(250, 'n')));
    EXPECT_EQ(neu(d / std::string(300, 'n')).error().nummer, 64);
    // A pipe is written directly, never replaced; without a reader it is refused at once.
    EXPECT_EQ(neu(d / "F").error().nummer, 68);
    EXPECT_TRUE(fs::is_fifo(d / "F"));
    // An EINTR some earlier call left in errno does not keep the reader at the end of the file.
    errno = EINTR;
    EXPECT_EQ(*io::readBytes(d / "opfer"), "alt");

    EXPECT_EQ(namen(d.path()), (std::set<std::string>{"R", "M", "echt", "opfer", "L", "P.tmp~", "P", "O", "F",
                                                      std::string(250, 'n')}));
}

TEST(Writer, OfWritersRacingForOneFileEachSucceedsAndTheFileIsOneOfThemWhole) {
    test::TempDir d;
    std::vector<std::string> inhalte;
    for (char c = 'a'; c < 'a' + 8; ++c) inhalte.push_back(std::string(100'000, c));
    for (int runde = 0; runde < 10; ++runde) {
        std::vector<std::thread> schreiber;
        std::atomic<int> ok = 0;
        for (const std::string& i : inhalte) schreiber.emplace_back([&] { ok += io::writeBytes(d / "W", i).ok(); });
        for (auto& t : schreiber) t.join();
        EXPECT_EQ(ok, 8);
        ASSERT_NE(std::find(inhalte.begin(), inhalte.end(), *io::readBytes(d / "W")), inhalte.end()) << "round " << runde;
    }
    EXPECT_EQ(namen(d.path()), std::set<std::string>{"W"});
}

TEST(FieldReader, SeparatesByCommasAndLineBreaksAndSkipsEmptyLines) {
    FieldReader r("\"Projekt A\",12,  3.5 \r\n\r\n\"x\",\r\n7\r\n");
    EXPECT_EQ(r.text(), "Projekt A");
    EXPECT_EQ(r.integer(), 12);
    EXPECT_FLOAT_EQ(r.single(), 3.5f);
    EXPECT_EQ(r.text(), "x");
    // The comma at the end of the line opened no empty field.
    EXPECT_EQ(r.integer(), 7);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.ok());
}

TEST(FieldReader, QuotedTextKeepsBlanksAndCommasAndIgnoresTrailingGarbage) {
    FieldReader r("\"  a, b  \"xyz,\"\",next");
    EXPECT_EQ(r.text(), "  a, b  ");
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.text(), "next");
}

TEST(FieldReader, NumbersTakeTheirLeadingNumberAndRoundHalfToEven) {
    FieldReader r("12abc,abc,2.5,3.5,-2.5,1E2,\"42\"");
    EXPECT_EQ(r.integer(), 12);
    EXPECT_EQ(r.integer(), 0);
    EXPECT_EQ(r.integer(), 2);
    EXPECT_EQ(r.integer(), 4);
    EXPECT_EQ(r.integer(), -2);
    EXPECT_EQ(r.integer(), 100);
    EXPECT_EQ(r.integer(), 42);
    EXPECT_TRUE(r.ok());
}

// Plain whole numbers take a short way; it must read what the general one reads.
TEST(FieldReader, WholeNumbersReadTheSameWithSignsZerosAndLongDigitRuns) {
    FieldReader r("+5,-0,007, 42 ,123456789012345,1234567890123456789,12D1,-7.,1e");
    EXPECT_EQ(r.number(), 5.0);
    const double minusNull = r.number();
    EXPECT_EQ(minusNull, 0.0);
    EXPECT_TRUE(std::signbit(minusNull));
    EXPECT_EQ(r.number(), 7.0);
    EXPECT_EQ(r.number(), 42.0);
    EXPECT_EQ(r.number(), 123456789012345.0);
    EXPECT_EQ(r.number(), 1234567890123456789.0);
    EXPECT_EQ(r.number(), 120.0);
    EXPECT_EQ(r.number(), -7.0);
    EXPECT_EQ(r.number(), 1.0);
    EXPECT_TRUE(r.ok());
}

TEST(FieldReader, ErrorsAreStickyAndNumbered) {
    FieldReader past("1");
    past.integer();
    past.integer();
    ASSERT_FALSE(past.ok());
    EXPECT_EQ(past.error()->nummer, 62);

    FieldReader overflow("40000,5");
    EXPECT_EQ(overflow.integer(), 0);
    EXPECT_EQ(overflow.error()->nummer, 6);
    EXPECT_EQ(overflow.integer(), 0);  // still failed

    FieldReader tooBig("1E39");
    tooBig.single();
    EXPECT_EQ(tooBig.error()->nummer, 6);

    FieldReader byte("256");
    byte.byte();
    EXPECT_FALSE(byte.ok());
    FieldReader longValue("40000");
    EXPECT_EQ(longValue.longValue(), 40000);
}

TEST(FieldWriter, WritesQuotedTextsBareNumbersAndCrLf) {
    FieldWriter w;
    w.text("Sachbearbeiter: ").text("Meier").endLine();
    w.number(12LL).single(0.5f).single(12.0f).single(1e20f).endLine();
    EXPECT_EQ(w.str(), "\"Sachbearbeiter: \",\"Meier\"\r\n12,0.5,12,1E+20\r\n");
}

TEST(FieldWriter, SinglesReadBackExactly) {
    for (float v : {0.1f, 3.3333333f, 1825.25f, -0.75f, 123456.7f, std::numeric_limits<float>::max(),
                    -std::numeric_limits<float>::max()}) {
        FieldWriter w;
        w.single(v);
        FieldReader r(w.str());
        EXPECT_EQ(r.single(), v) << w.str();
    }
}

TEST(Cp1252, ConvertsBothWaysAndReplacesWhatItCannotHold) {
    EXPECT_EQ(tarvis::io::utf8ToCp1252("Größe €"), "Gr\xF6\xDF" "e \x80");
    EXPECT_EQ(tarvis::io::cp1252ToUtf8("Gr\xF6\xDF" "e \x80"), "Größe €");
    EXPECT_EQ(tarvis::io::utf8ToCp1252("a\xE2\x86\x92" "b"), "a?b");  // an arrow has no CP1252 byte
    EXPECT_EQ(tarvis::io::utf8Length("Größe"), 5u);
    EXPECT_EQ(tarvis::io::utf8Left("Größe", 3), "Grö");
}
