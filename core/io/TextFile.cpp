#include "io/TextFile.h"

#include <cstdio>
#include <unistd.h>
#include <fstream>
#include <iterator>
#include <system_error>

#include "io/Cp1252.h"

namespace tarvis::io {

namespace fs = std::filesystem;

Result<std::string> readBytes(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return fehlerDateiNichtGefunden();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return fehlerZugriff();
    std::streamoff size = in.tellg();
    std::string data;
    if (size > 0) {
        data.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(data.data(), size);
        data.resize(static_cast<std::size_t>(in.gcount()));
    } else {
        // A file whose size is not known in advance (a pipe) is read to its end.
        in.clear();
        in.seekg(0);
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad()) return fehlerZugriff();
    return data;
}

Result<std::string> readText(const fs::path& path) {
    auto bytes = readBytes(path);
    if (!bytes) return bytes.error();
    return cp1252ToUtf8(*bytes);
}

Status writeBytes(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::path dir = path.parent_path();
    if (!dir.empty() && !fs::is_directory(dir, ec)) return fehlerPfad();
    fs::path tmp = path;
    tmp += ".tmp~";
    {
        std::FILE* f = std::fopen(tmp.c_str(), "wb");
        if (!f) return fehlerZugriff();
        bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = std::fflush(f) == 0 && ok;
        // On the disk before it replaces the old file, so that a power cut
        // leaves one of the two whole.
        ok = ::fsync(::fileno(f)) == 0 && ok;
        ok = std::fclose(f) == 0 && ok;
        if (!ok) {
            fs::remove(tmp, ec);
            return fehlerSchreiben();
        }
    }
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return fehlerZugriff();
    }
    return Done{};
}

Status writeText(const fs::path& path, std::string_view utf8) {
    return writeBytes(path, utf8ToCp1252(utf8));
}

Status appendText(const fs::path& path, std::string_view utf8) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return fehlerZugriff();
    std::string bytes = utf8ToCp1252(utf8);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return fehlerSchreiben();
    return Done{};
}

}  // namespace tarvis::io
