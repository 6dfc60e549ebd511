#include "io/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

#include "io/Cp1252.h"

namespace tarvis::io {

namespace fs = std::filesystem;

namespace {

// A file descriptor, closed on every way out.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Fd& operator=(Fd&& o) noexcept {
        if (this != &o) {
            reset();
            fd_ = std::exchange(o.fd_, -1);
        }
        return *this;
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // A late write error of some file systems only shows when closing.
    bool close() {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

IoError mitDatei(IoError e, const fs::path& datei) {
    e.datei = datei.string();
    return e;
}

// The error of a failed system call. `fehlt` is what a missing file means
// here: not found when reading, a folder that is not there when writing.
IoError ausErrno(int err, IoError fehlt) {
    switch (err) {
    case ENOENT: return fehlt;
    case ENOTDIR: return fehlerPfad();
    case EISDIR: return fehlerOrdner();
    case ENAMETOOLONG: return fehlerDateiname();
    case ENOSPC:
    case EDQUOT: return fehlerDiskVoll();
    case ENXIO: return fehlerGeraet();
    case EACCES:
    case EPERM:
    case EROFS:
    case ELOOP: return fehlerZugriff();
    default: return fehlerSchreiben();
    }
}

bool allesSchreiben(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// ------------------------------------------------------------------ reading

Status oeffnenZumLesen(const fs::path& path, std::size_t maxSize, Fd& fd, struct stat& st) {
    // Without waiting: a pipe without writer must not hold the program.
    fd = Fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd) return mitDatei(ausErrno(errno, fehlerDateiNichtGefunden()), path);
    if (::fstat(fd.get(), &st) != 0) return mitDatei(ausErrno(errno, fehlerDateiNichtGefunden()), path);
    if (S_ISDIR(st.st_mode)) return mitDatei(fehlerOrdner(), path);
    if (!S_ISREG(st.st_mode)) return mitDatei(fehlerKeineDatei(), path);
    if (static_cast<std::uintmax_t>(st.st_size) > maxSize) return mitDatei(fehlerZuGross(maxSize), path);
    return Done{};
}

// ------------------------------------------------------------------ writing

// Where the bytes of a write go.
struct Ziel {
    enum class Art {
        Neu,         // a regular file that does not exist yet
        Datei,       // an existing regular file, replaced
        Direkt,      // a pipe, a device: opened and written, never replaced
        Deskriptor,  // a descriptor of this process (/dev/stdout): written as it is
    };
    Art art = Art::Neu;
    fs::path pfad;       // the file replaced or created, links resolved; Direkt: as named
    struct stat st {};   // Datei
    int deskriptor = -1; // Deskriptor
};

// The descriptor links of /proc lead to an open file of a process, not to a
// path: "pipe:[1234]" is no name to put a file beside. `link` lies in such
// a folder when its folder resolves into /proc; -1 when it does not, the
// number of this process's own descriptor, or -2 for another process's.
int deskriptorLink(const fs::path& link) {
    std::error_code ec;
    const fs::path ordner = fs::canonical(link.parent_path().empty() ? fs::path(".") : link.parent_path(), ec);
    if (ec || !ordner.string().starts_with("/proc/")) return -1;
    if (ordner != fs::path("/proc") / std::to_string(::getpid()) / "fd") return -2;
    const std::string n = link.filename().string();
    int fd = 0;
    for (char c : n) {
        if (c < '0' || c > '9' || fd > 1'000'000) return -2;
        fd = fd * 10 + (c - '0');
    }
    return n.empty() ? -2 : fd;
}

Result<Ziel> zielFinden(const fs::path& named) {
    if (named.empty()) return mitDatei(fehlerPfad(), named);
    if (!named.has_filename()) return mitDatei(fehlerOrdner(), named);
    fs::path pfad = named;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0) {
            if (errno == ENOENT) return Ziel{Ziel::Art::Neu, pfad, {}, -1};
            return mitDatei(ausErrno(errno, fehlerPfad()), named);
        }
        if (S_ISREG(st.st_mode)) return Ziel{Ziel::Art::Datei, pfad, st, -1};
        if (S_ISDIR(st.st_mode)) return mitDatei(fehlerOrdner(), named);
        if (!S_ISLNK(st.st_mode)) return Ziel{Ziel::Art::Direkt, named, {}, -1};
        if (links == 40) return mitDatei(fehlerZugriff(), named);
        if (const int fd = deskriptorLink(pfad); fd != -1)
            return fd >= 0 ? Ziel{Ziel::Art::Deskriptor, named, {}, fd} : Ziel{Ziel::Art::Direkt, named, {}, -1};
        std::error_code ec;
        fs::path weiter = fs::read_symlink(pfad, ec);
        if (ec) return mitDatei(ausErrno(ec.value(), fehlerPfad()), named);
        pfad = weiter.is_absolute() ? weiter : pfad.parent_path() / weiter;
    }
}

// A file without any write permission is read-only also for the superuser:
// someone marked it so that it stays as it is.
bool schreibgeschuetzt(const Ziel& z) {
    if ((z.st.st_mode & 0222) == 0) return true;
    return ::access(z.pfad.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

std::string zufall(std::size_t n) {
    static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::random_device quelle;
    std::uniform_int_distribution<std::size_t> verteilung(0, sizeof zeichen - 2);
    std::string s(n, 'x');
    for (char& c : s) c = zeichen[verteilung(quelle)];
    return s;
}

// A name for a temporary file beside `datei`, hidden and unpredictable; the
// short form for a name too long to take a suffix.
fs::path tempName(const fs::path& datei, bool kurz) {
    const std::string name = kurz ? std::string("tarvis") : datei.filename().string();
    return datei.parent_path() / ("." + name + "." + zufall(10));
}

// The permissions and, where the process may set it, the owner of the file
// replaced. A file system that keeps neither refuses; its files all look alike.
void rechteUebernehmen(int fd, const struct stat& alt) {
    struct stat neu {};
    if (::fstat(fd, &neu) == 0 && (neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid)) {
        // Without the right to give a file away, the group alone may still go.
        const bool gesetzt = ::fchown(fd, alt.st_uid, alt.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), alt.st_gid) == 0;
        static_cast<void>(gesetzt);
    }
    ::fchmod(fd, alt.st_mode & 07777);
}

// One file of a write: first a complete temporary file beside the target,
// then the rename that makes it the file.
class Schritt {
public:
    Schritt(fs::path named, std::string_view bytes) : named_(std::move(named)), bytes_(bytes) {}
    ~Schritt() { aufraeumen(); }
    Schritt(const Schritt&) = delete;
    Schritt& operator=(const Schritt&) = delete;
    Schritt(Schritt&& o) noexcept
        : named_(std::move(o.named_)), bytes_(o.bytes_), ziel_(std::move(o.ziel_)),
          temp_(std::exchange(o.temp_, {})), sicherung_(std::exchange(o.sicherung_, {})), kurz_(o.kurz_) {}
    Schritt& operator=(Schritt&&) = delete;

    Status vorbereiten(bool sicherung) {
        auto z = zielFinden(named_);
        if (!z) return z.error();
        ziel_ = std::move(*z);
        if (ziel_.art == Ziel::Art::Direkt || ziel_.art == Ziel::Art::Deskriptor) return Done{};
        if (ziel_.art == Ziel::Art::Datei && schreibgeschuetzt(ziel_)) return fehler(fehlerSchreibgeschuetzt());
        if (auto st = tempSchreiben(); !st) return st;
        // Kept to put the old file back when a later file of the same write
        // fails. (A file system without hard links cannot keep it; the
        // rename that follows rarely fails once the new file is on the disk.)
        if (sicherung && ziel_.art == Ziel::Art::Datei)
            sicherung_ = freierName([&](const fs::path& t) { return ::link(ziel_.pfad.c_str(), t.c_str()) == 0; });
        return Done{};
    }

    Status ausfuehren() {
        switch (ziel_.art) {
        case Ziel::Art::Deskriptor:
            if (!allesSchreiben(ziel_.deskriptor, bytes_)) return fehler(ausErrno(errno, fehlerPfad()));
            return Done{};
        case Ziel::Art::Direkt: return direkt(O_TRUNC);
        default: break;
        }
        if (::rename(temp_.c_str(), ziel_.pfad.c_str()) != 0) return fehler(ausErrno(errno, fehlerPfad()));
        temp_.clear();
        // The rename itself on the disk, too.
        fs::path ordner = ziel_.pfad.parent_path();
        if (Fd d(::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); d) ::fsync(d.get());
        return Done{};
    }

    // After a later file of the same write failed: the old file back, a new
    // one removed. A pipe or device cannot take back what it was given.
    void zuruecknehmen() {
        if (ziel_.art == Ziel::Art::Neu) ::unlink(ziel_.pfad.c_str());
        if (ziel_.art == Ziel::Art::Datei && !sicherung_.empty() &&
            ::rename(sicherung_.c_str(), ziel_.pfad.c_str()) == 0)
            sicherung_.clear();
    }

    // Appending (a log file): no temporary file, the end of the file as it is.
    Status anhaengen() {
        auto z = zielFinden(named_);
        if (!z) return z.error();
        ziel_ = std::move(*z);
        if (ziel_.art == Ziel::Art::Datei && schreibgeschuetzt(ziel_)) return fehler(fehlerSchreibgeschuetzt());
        if (ziel_.art == Ziel::Art::Deskriptor) return ausfuehren();
        return direkt(O_APPEND | O_CREAT);
    }

private:
    IoError fehler(IoError e) const { return mitDatei(std::move(e), named_); }

    Status direkt(int flags) {
        // Without waiting for a reader that is not there; then blocking, so
        // that a slow reader gets everything.
        Fd fd(::open(named_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | flags, 0666));
        if (!fd) return fehler(ausErrno(errno, fehlerPfad()));
        const int f = ::fcntl(fd.get(), F_GETFL);
        if (f != -1) ::fcntl(fd.get(), F_SETFL, f & ~O_NONBLOCK);
        if (!allesSchreiben(fd.get(), bytes_) || !fd.close()) return fehler(ausErrno(errno, fehlerPfad()));
        return Done{};
    }

    // Tries `anlegen` with fresh unpredictable names beside the file until
    // one is free (the short form when the file's name leaves no room for a
    // suffix). The name taken, or empty with errno telling why.
    template <typename F> fs::path freierName(F anlegen) {
        for (int versuch = 0; versuch < 100; ++versuch) {
            fs::path t = tempName(ziel_.pfad, kurz_);
            if (anlegen(t)) return t;
            if (errno == ENAMETOOLONG && !kurz_) kurz_ = true;
            else if (errno != EEXIST) return {};
        }
        return {};
    }

    Status tempSchreiben() {
        const fs::path ordner = ziel_.pfad.parent_path().empty() ? fs::path(".") : ziel_.pfad.parent_path();
        // No one else may read the new content before it has the old file's permissions.
        const mode_t modus = ziel_.art == Ziel::Art::Datei ? 0600 : 0666;
        // Where the file system has them, a file without a name that gets
        // one only when complete: a program killed while writing leaves
        // nothing behind. Else a name no one could have planted.
        static const bool procDa = ::access("/proc/self/fd", F_OK) == 0;
        Fd fd(procDa ? ::open(ordner.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, modus) : -1);
        const bool unbenannt = static_cast<bool>(fd);
        if (!unbenannt) {
            temp_ = freierName([&](const fs::path& t) {
                fd = Fd(::open(t.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modus));
                return static_cast<bool>(fd);
            });
            if (temp_.empty()) return fehler(ausErrno(errno, fehlerPfad()));
        }
        if (ziel_.art == Ziel::Art::Datei) rechteUebernehmen(fd.get(), ziel_.st);
        if (!allesSchreiben(fd.get(), bytes_) || ::fsync(fd.get()) != 0) return fehler(ausErrno(errno, fehlerPfad()));
        if (unbenannt) {
            const std::string quelle = "/proc/self/fd/" + std::to_string(fd.get());
            temp_ = freierName([&](const fs::path& t) {
                return ::linkat(AT_FDCWD, quelle.c_str(), AT_FDCWD, t.c_str(), AT_SYMLINK_FOLLOW) == 0;
            });
            if (temp_.empty()) return fehler(ausErrno(errno, fehlerPfad()));
        }
        if (!fd.close()) return fehler(ausErrno(errno, fehlerPfad()));
        return Done{};
    }

    void aufraeumen() {
        if (!temp_.empty()) ::unlink(temp_.c_str());
        if (!sicherung_.empty()) ::unlink(sicherung_.c_str());
        temp_.clear();
        sicherung_.clear();
    }

    fs::path named_;
    std::string_view bytes_;
    Ziel ziel_;
    fs::path temp_, sicherung_;
    bool kurz_ = false;
};

}  // namespace

Status readable(const fs::path& path, std::size_t maxSize) {
    Fd fd;
    struct stat st {};
    return oeffnenZumLesen(path, maxSize, fd, st);
}

Result<std::string> readBytes(const fs::path& path, std::size_t maxSize) {
    Fd fd;
    struct stat st {};
    if (auto ok = oeffnenZumLesen(path, maxSize, fd, st); !ok) return ok.error();
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    // To the end, also where the size is not known in advance (files of /proc).
    for (;;) {
        const std::size_t alt = data.size();
        data.resize(alt + 65536);
        const ssize_t n = ::read(fd.get(), data.data() + alt, 65536);
        if (n < 0 && errno == EINTR) {
            data.resize(alt);
            continue;
        }
        if (n < 0) return mitDatei(ausErrno(errno, fehlerDateiNichtGefunden()), path);
        data.resize(alt + static_cast<std::size_t>(n));
        if (n == 0) break;
        if (data.size() > maxSize) return mitDatei(fehlerZuGross(maxSize), path);
    }
    return data;
}

Result<std::string> readText(const fs::path& path, std::size_t maxSize) {
    auto bytes = readBytes(path, maxSize);
    if (!bytes) return bytes.error();
    // Plain ASCII reads the same in both encodings and needs no copy.
    std::string& b = *bytes;
    if (std::all_of(b.begin(), b.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return std::move(b);
    return cp1252ToUtf8(b);
}

Status writeAll(std::initializer_list<FileBytes> files) {
    std::vector<Schritt> schritte;
    schritte.reserve(files.size());
    for (const FileBytes& f : files) schritte.emplace_back(f.path, f.bytes);
    // Every file complete on the disk before the first one replaces anything.
    for (std::size_t i = 0; i < schritte.size(); ++i)
        if (auto ok = schritte[i].vorbereiten(i + 1 < schritte.size()); !ok) return ok;
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        if (auto ok = schritte[i].ausfuehren(); !ok) {
            for (std::size_t j = 0; j < i; ++j) schritte[j].zuruecknehmen();
            return ok;
        }
    }
    return Done{};
}

Status writeBytes(const fs::path& path, std::string_view bytes) { return writeAll({{path, bytes}}); }

bool writtenDirectly(const fs::path& path) {
    auto z = zielFinden(path);
    return z && (z->art == Ziel::Art::Direkt || z->art == Ziel::Art::Deskriptor);
}

Status writeText(const fs::path& path, std::string_view utf8) {
    return writeBytes(path, utf8ToCp1252(utf8));
}

Status appendText(const fs::path& path, std::string_view utf8) {
    const std::string bytes = utf8ToCp1252(utf8);
    return Schritt(path, bytes).anhaengen();
}

bool sameFile(const fs::path& a, const fs::path& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ec1, ec2;
    const fs::path na = fs::weakly_canonical(fs::absolute(a, ec1), ec1);
    const fs::path nb = fs::weakly_canonical(fs::absolute(b, ec2), ec2);
    return !ec1 && !ec2 && na == nb;
}

}  // namespace tarvis::io
