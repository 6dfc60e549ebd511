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

#include "io/TextFile.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

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
