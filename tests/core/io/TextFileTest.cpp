// What the one writer promises: it replaces exactly the file named, keeps
// its permissions and links, never turns a pipe or device into a file,
// cannot be redirected by a planted file, refuses a read-only file, and a
// failure leaves the old file and no temporary one. And what the readers
// refuse before reading.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <fcntl.h>

#include <functional>
#include <set>
#include <thread>

#include "io/TextFile.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

namespace {

std::string lesen(const fs::path& f) {
    auto b = io::readBytes(f);
    return b ? *b : "<" + b.error().beschreibung + ">";
}

std::set<std::string> namen(const fs::path& dir) {
    std::set<std::string> n;
    for (const auto& e : fs::directory_iterator(dir)) n.insert(e.path().filename().string());
    return n;
}

mode_t modus(const fs::path& f) {
    struct stat st {};
    return ::stat(f.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

struct Fall {
    const char* name;
    std::function<fs::path(const test::TempDir&)> machen;  // the place, returns the path written
    int fehler;  // 0: written
    std::function<void(const test::TempDir&, const fs::path&)> pruefen = {};
};

}  // namespace

TEST(Writer, ReplacesExactlyTheFileNamedOrRefusesAndLeavesEverythingAsItWas) {
    const std::vector<Fall> faelle = {
        {"a new file", [](auto& d) { return d / "N.PLM"; }, 0},
        {"a read-only file is refused, also for the superuser",
         [](auto& d) {
             io::writeBytes(d / "R.PLM", "alt");
             fs::permissions(d / "R.PLM", fs::perms::owner_read | fs::perms::group_read);
             return d / "R.PLM";
         },
         75, [](auto&, const fs::path& f) { EXPECT_EQ(modus(f), 0440u); }},
        {"the mode 640 is kept",
         [](auto& d) {
             io::writeBytes(d / "M.PLM", "alt");
             ::chmod((d / "M.PLM").c_str(), 0640);
             return d / "M.PLM";
         },
         0, [](auto&, const fs::path& f) { EXPECT_EQ(modus(f), 0640u); }},
        {"a symbolic link stays and its target is written",
         [](auto& d) {
             fs::create_directory(d / "echt");
             io::writeBytes(d / "echt" / "Z.PLM", "alt");
             fs::create_symlink("echt/Z.PLM", d / "L.PLM");
             return d / "L.PLM";
         },
         0,
         [](auto& d, const fs::path& f) {
             EXPECT_TRUE(fs::is_symlink(f));
             EXPECT_EQ(lesen(d / "echt" / "Z.PLM"), "neu");
             EXPECT_EQ(namen(d / "echt"), std::set<std::string>{"Z.PLM"});
         }},
        {"a link to a file not there yet creates it",
         [](auto& d) {
             fs::create_directory(d / "echt");
             fs::create_symlink("echt/Z.PLM", d / "L.PLM");
             return d / "L.PLM";
         },
         0, [](auto& d, const fs::path& f) { EXPECT_TRUE(fs::is_symlink(f) && fs::is_regular_file(d / "echt" / "Z.PLM")); }},
        {"a link planted at the old temporary name is not written through",
         [](auto& d) {
             io::writeBytes(d / "opfer", "alt");
             fs::create_symlink(d / "opfer", d / "P.PLM.tmp~");
             return d / "P.PLM";
         },
         0, [](auto& d, const fs::path&) { EXPECT_EQ(lesen(d / "opfer"), "alt"); }},
        {"a folder is refused", [](auto& d) { fs::create_directory(d / "O.PLM"); return d / "O.PLM"; }, 75,
         [](auto&, const fs::path& f) { EXPECT_TRUE(fs::is_empty(f)); }},
        {"a folder that is not there", [](auto& d) { return d / "fehlt" / "X.PLM"; }, 76},
        {"a name too long for a temporary name beside it",
         [](auto& d) { return d / std::string(250, 'n'); }, 0},
        {"a name too long for the file system is a bad name, not an access error",
         [](auto& d) { return d / std::string(300, 'n'); }, 64},
        // Renaming gives the name written a new file; another name of the old one keeps it.
        {"a hard link is not kept",
         [](auto& d) {
             io::writeBytes(d / "H.PLM", "alt");
             fs::create_hard_link(d / "H.PLM", d / "H2.PLM");
             return d / "H.PLM";
         },
         0, [](auto& d, const fs::path&) { EXPECT_EQ(lesen(d / "H2.PLM"), "alt"); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        test::TempDir d;
        const fs::path f = fall.machen(d);
        const std::string vorher = lesen(f);
        const auto dateienVorher = namen(d.path());
        auto st = io::writeBytes(f, "neu");
        if (fall.fehler == 0) {
            EXPECT_TRUE(st) << st.error().beschreibung;
            EXPECT_EQ(lesen(f), "neu");
        } else {
            ASSERT_FALSE(st);
            EXPECT_EQ(st.error().nummer, fall.fehler) << st.error().beschreibung;
            EXPECT_EQ(st.error().datei, f.string());
            EXPECT_EQ(lesen(f), vorher);
        }
        // No temporary file is left, whichever way it went.
        auto dateien = namen(d.path());
        dateien.erase(f.filename().string());
        auto erwartet = dateienVorher;
        erwartet.erase(f.filename().string());
        EXPECT_EQ(dateien, erwartet);
        if (fall.pruefen) fall.pruefen(d, f);
    }
}

TEST(Writer, APipeOrADeviceIsWrittenDirectlyAndNeverReplaced) {
    test::TempDir d;
    const fs::path fifo = d / "F.PRN";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Without a reader: refused at once instead of waiting.
    auto st = io::writeBytes(fifo, "x");
    ASSERT_FALSE(st);
    EXPECT_EQ(st.error().nummer, 68);
    // With a reader: it gets the bytes.
    const int leser = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    EXPECT_TRUE(io::writeBytes(fifo, "durch"));
    char puffer[16] = {};
    EXPECT_EQ(::read(leser, puffer, sizeof puffer), 5);
    ::close(leser);
    EXPECT_EQ(std::string(puffer), "durch");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(namen(d.path()), std::set<std::string>{"F.PRN"});

    EXPECT_TRUE(io::writeBytes("/dev/null", "weg"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(io::appendText(fifo, "x").error().nummer == 68);
    EXPECT_FALSE(io::appendText(d.path(), "x"));
}

TEST(Writer, OfWritersRacingForOneFileEachSucceedsAndTheFileIsOneOfThemWhole) {
    test::TempDir d;
    const fs::path f = d / "W.EPO";
    std::vector<std::string> inhalte;
    for (char c = 'a'; c < 'a' + 8; ++c) inhalte.push_back(std::string(100'000, c) + "\n");
    for (int runde = 0; runde < 10; ++runde) {
        std::vector<int> ok(inhalte.size(), 0);
        std::vector<std::thread> schreiber;
        for (std::size_t i = 0; i < inhalte.size(); ++i)
            schreiber.emplace_back([&, i] { ok[i] = io::writeBytes(f, inhalte[i]).ok(); });
        for (auto& t : schreiber) t.join();
        EXPECT_EQ(std::count(ok.begin(), ok.end(), 1), 8);
        const std::string ist = lesen(f);
        ASSERT_TRUE(std::find(inhalte.begin(), inhalte.end(), ist) != inhalte.end()) << "round " << runde;
        EXPECT_EQ(namen(d.path()), std::set<std::string>{"W.EPO"});
    }
}

TEST(Writer, FilesWrittenTogetherAllChangeOrNone) {
    test::TempDir d;
    io::writeBytes(d / "A.EPO", "alt");
    io::writeBytes(d / "A.TXT", "alt");
    ::chmod((d / "A.TXT").c_str(), 0444);
    EXPECT_FALSE(io::writeAll({{d / "A.EPO", "neu"}, {d / "A.TXT", "neu"}}));
    EXPECT_FALSE(io::writeAll({{d / "B.EPO", "neu"}, {d / "B.TXT" / "x", "neu"}}));
    EXPECT_EQ(namen(d.path()), (std::set<std::string>{"A.EPO", "A.TXT"}));
    EXPECT_EQ(lesen(d / "A.EPO"), "alt");
    EXPECT_TRUE(io::writeAll({{d / "A.EPO", "neu"}, {d / "B.TXT", "neu"}}));
    EXPECT_EQ(lesen(d / "A.EPO") + lesen(d / "B.TXT"), "neuneu");
}

TEST(Reader, RefusesWhatIsNotASmallRegularFileAndSaysWhatItIs) {
    test::TempDir d;
    fs::create_directory(d / "ordner");
    ::mkfifo((d / "fifo").c_str(), 0600);
    io::writeBytes(d / "gross", std::string(io::kMaxLesen + 1, 'x'));
    io::writeBytes(d / "genau", std::string(io::kMaxLesen, 'x'));
    const std::vector<std::pair<fs::path, std::string>> faelle = {
        {d / "fehlt", "File not found"},
        {d / "ordner", "Path/File access error: is a directory"},
        {d / "fifo", "Path/File access error: not a regular file"},
        {"/dev/zero", "Path/File access error: not a regular file"},
        {d / "gross", "Path/File access error: larger than 4 MB"},
        {d / "genau", ""},
    };
    for (const auto& [f, fehler] : faelle) {
        SCOPED_TRACE(f.string());
        auto b = io::readBytes(f);
        EXPECT_EQ(b ? "" : b.error().beschreibung, fehler);
        EXPECT_EQ(io::readable(f).ok(), fehler.empty());
    }
}

TEST(SameFile, ComparesTheFilesNotTheirSpelling) {
    test::TempDir d;
    fs::create_directory(d / "b");
    io::writeBytes(d / "b" / "N.EPO", "x");
    io::writeBytes(d / "b" / "S.EPO", "x");
    fs::create_symlink("b/N.EPO", d / "link.EPO");
    EXPECT_TRUE(io::sameFile(d / "b" / "N.EPO", d / "b" / ".." / "b" / "./N.EPO"));
    EXPECT_TRUE(io::sameFile(d / "link.EPO", d / "b" / "N.EPO"));
    EXPECT_FALSE(io::sameFile(d / "b" / "S.EPO", d / "b" / "N.EPO"));
    EXPECT_TRUE(io::sameFile(d / "neu" / ".." / "X", d / "X"));
    EXPECT_FALSE(io::sameFile(d / "Y", d / "X"));
}
