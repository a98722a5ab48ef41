// Page files: code pages, the line rule and the atomic save.
#include "core/PageFile.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using forms::String;
using forms::StringView;

namespace pagefile {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves undefined map
// to the code points of the same value, so that every byte sequence survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char16_t fromByte(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : static_cast<char16_t>(b);
}

// The byte of c, or -1 when Windows-1252 has none.
int toByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

// Length of the well-formed UTF-8 sequence at i (no overlong forms, no surrogates,
// nothing above U+10FFFF), or 0.
size_t utf8Length(std::string_view s, size_t i, char32_t& cp) {
    auto at = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = at(i);
    size_t n = 0;
    char32_t min = 0;
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        cp = b & 0x1F;
        min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        cp = b & 0x0F;
        min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        cp = b & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0;
    return n;
}

// Valid UTF-8, and whether it holds any non-ASCII byte.
bool validUtf8(std::string_view s, bool& nonAscii) {
    nonAscii = false;
    char32_t cp = 0;
    for (size_t i = 0; i < s.size();) {
        size_t n = utf8Length(s, i, cp);
        if (n == 0) return false;
        nonAscii = nonAscii || n > 1;
        i += n;
    }
    return true;
}

std::string reason(int err) {
    return std::strerror(err);
}

// Closes fd and removes the temporary file unless released.
struct TempFile {
    int fd = -1;
    std::string path;
    bool keep = false;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!keep && !path.empty()) ::unlink(path.c_str());
    }
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t newFileMode() {
    // The process umask can only be read by setting it; put it straight back.
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::string& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

Encoding detect(std::string_view bytes) {
    bool nonAscii = false;
    if (bytes.starts_with(kBom) && validUtf8(bytes.substr(kBom.size()), nonAscii))
        return Encoding::Utf8Bom;
    if (validUtf8(bytes, nonAscii) && nonAscii) return Encoding::Utf8;
    return Encoding::Windows1252;
}

String decode(std::string_view bytes, Encoding encoding) {
    String out;
    out.reserve(bytes.size());
    if (encoding == Encoding::Windows1252) {
        for (char b : bytes)
            out.push_back(fromByte(static_cast<unsigned char>(b)));
        return out;
    }
    if (encoding == Encoding::Utf8Bom && bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    char32_t cp = 0;
    for (size_t i = 0; i < bytes.size();) {
        size_t n = utf8Length(bytes, i, cp);
        if (n == 0) {
            // Not expected after detect(); keep the byte rather than lose it.
            out.push_back(fromByte(static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        forms::appendCodePoint(out, cp);
        i += n;
    }
    return out;
}

bool fitsWindows1252(StringView text) {
    for (char16_t c : text)
        if (toByte(c) < 0) return false;
    return true;
}

Encoding choose(StringView text, Encoding readAs) {
    if (readAs != Encoding::Windows1252) return readAs;
    return fitsWindows1252(text) ? Encoding::Windows1252 : Encoding::Utf8Bom;
}

std::string encode(StringView text, Encoding encoding) {
    std::string out;
    if (encoding == Encoding::Windows1252) {
        out.reserve(text.size());
        for (char16_t c : text) {
            int b = toByte(c);
            // Never a substitute character: a page that does not fit goes out as UTF-8.
            if (b < 0) return encode(text, Encoding::Utf8Bom);
            out.push_back(static_cast<char>(b));
        }
        return out;
    }
    if (encoding == Encoding::Utf8Bom) out += kBom;
    out += forms::toUtf8(text);
    return out;
}

String readLines(StringView decoded) {
    String out;
    out.reserve(decoded.size() + decoded.size() / 32 + 2);
    bool open = false; // characters read since the last line end
    for (size_t i = 0; i < decoded.size(); ++i) {
        char16_t c = decoded[i];
        if (c == forms::CR) {
            if (i + 1 < decoded.size() && decoded[i + 1] == forms::LF) ++i;
            out += forms::CRLF;
            open = false;
        } else {
            out.push_back(c);
            open = true;
        }
    }
    if (open) out += forms::CRLF;
    return out;
}

std::optional<Loaded> load(const std::string& path, std::string& error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = reason(errno);
        return std::nullopt;
    }
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (;;) {
        ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            error = reason(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(chunk.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    Loaded page;
    page.encoding = detect(bytes);
    page.text = readLines(decode(bytes, page.encoding));
    return page;
}

bool writeAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    std::string target = path;
    struct stat st {};
    bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            error = reason(EISDIR);
            return false;
        }
        struct stat lst {};
        // Replace the file a link points to, not the link.
        if (::lstat(target.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
            if (char* real = ::realpath(target.c_str(), nullptr)) {
                target = real;
                std::free(real);
            }
        }
        // Even a user who may write anything is kept off a file marked read-only.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            error = reason(EACCES);
            return false;
        }
    }

    auto slash = target.rfind('/');
    std::string dir =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

    TempFile tmp;
    std::string name = dir + "/." + base + ".XXXXXX";
    std::vector<char> templ(name.begin(), name.end());
    templ.push_back('\0');
    tmp.fd = ::mkstemp(templ.data());
    if (tmp.fd < 0) {
        error = reason(errno);
        return false;
    }
    tmp.path = templ.data();

    mode_t mode = exists ? (st.st_mode & 07777) : newFileMode();
    if (!writeAll(tmp.fd, bytes) || ::fsync(tmp.fd) != 0 || ::fchmod(tmp.fd, mode) != 0) {
        error = reason(errno);
        return false;
    }
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        // Only a privileged user can give the file back its owner; others keep theirs.
        [[maybe_unused]] int ignored = ::fchown(tmp.fd, st.st_uid, st.st_gid);
    }
    int fd = tmp.fd;
    tmp.fd = -1;
    if (::close(fd) != 0) {
        error = reason(errno);
        return false;
    }
    if (::rename(tmp.path.c_str(), target.c_str()) != 0) {
        error = reason(errno);
        return false;
    }
    tmp.keep = true;
    syncFolder(dir);
    return true;
}

} // namespace pagefile
