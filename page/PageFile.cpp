// Page files: code pages, line breaks and the atomic save.
#include "page/PageFile.h"

#include "forms/GapBuffer.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include <dirent.h>
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
constexpr std::string_view kBom16Le = "\xFF\xFE";
constexpr std::string_view kBom16Be = "\xFE\xFF";

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

// Valid UTF-8, and whether it holds any non-ASCII byte.
bool validUtf8(std::string_view s, bool& nonAscii) {
    nonAscii = false;
    char32_t cp = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    for (size_t i = 0; i < s.size();) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        size_t n = forms::utf8Length(s, i, cp);
        if (n == 0) return false;
        nonAscii = nonAscii || n > 1;
        i += n;
    }
    return true;
}

char16_t unitAt(std::string_view s, size_t i, bool le) {
    auto lo = static_cast<unsigned char>(s[le ? i : i + 1]);
    auto hi = static_cast<unsigned char>(s[le ? i + 1 : i]);
    return static_cast<char16_t>(hi << 8 | lo);
}

// Whole, well-formed UTF-16: an even number of bytes and no surrogate out of its pair.
// A file that is not is read as Windows-1252 instead, which keeps every byte: an odd
// last byte has no 16-bit character to live in, and a lone surrogate is half a character
// that no conversion of the page keeps (forms::toUtf8 turns it into U+FFFD).
bool validUtf16(std::string_view s, bool le) {
    if (s.size() % 2 != 0) return false;
    for (size_t i = 0; i < s.size(); i += 2) {
        char16_t u = unitAt(s, i, le);
        if (u >= 0xDC00 && u < 0xE000) return false;
        if (u >= 0xD800 && u < 0xDC00) {
            if (i + 2 >= s.size()) return false;
            char16_t v = unitAt(s, i + 2, le);
            if (v < 0xDC00 || v >= 0xE000) return false;
            i += 2;
        }
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

// When this process started, near enough: a temporary file written before it belongs to
// no save still running here.
const timespec kStarted = [] {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return t;
}();

constexpr size_t kTempRandom = 6; // the XXXXXX of mkstemp

// Removes the page's temporary files that saves killed before this process started left
// behind; a save running in another editor is newer and stays.
void removeStale(const std::string& dir, const std::string& stem) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        std::string_view name = e->d_name;
        if (name.size() != stem.size() + kTempRandom || !name.starts_with(stem)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        bool older = st.st_mtim.tv_sec < kStarted.tv_sec || (st.st_mtim.tv_sec == kStarted.tv_sec &&
                                                             st.st_mtim.tv_nsec < kStarted.tv_nsec);
        if (older) ::unlinkat(::dirfd(d), e->d_name, 0);
    }
    ::closedir(d);
}

} // namespace

std::string tempStem(std::string_view base) {
    uint32_t h = 2166136261U;
    for (char c : base) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619U;
    }
    std::array<char, 24> s{};
    std::snprintf(s.data(), s.size(), ".tolva-%08x.", h);
    return s.data();
}

Encoding detect(std::string_view bytes) {
    bool nonAscii = false;
    if (bytes.starts_with(kBom) && validUtf8(bytes.substr(kBom.size()), nonAscii))
        return Encoding::Utf8Bom;
    if (bytes.starts_with(kBom16Le) && validUtf16(bytes.substr(2), true))
        return Encoding::Utf16LeBom;
    if (bytes.starts_with(kBom16Be) && validUtf16(bytes.substr(2), false))
        return Encoding::Utf16BeBom;
    if (validUtf8(bytes, nonAscii) && nonAscii) return Encoding::Utf8;
    return Encoding::Windows1252;
}

namespace {

// UTF-16 units of valid UTF-8: one per sequence, two for one beyond the 16-bit range.
size_t unitsOfUtf8(std::string_view bytes) {
    size_t n = 0;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        n += (b & 0xC0) != 0x80 ? 1 : 0;
        n += b >= 0xF0 ? 1 : 0;
    }
    return n;
}

// A string of n characters to be overwritten, with the room the page's buffer keeps for
// typing, so that the buffer takes it as it is.
String forBuffer(size_t n) {
    String out;
    out.reserve(n + forms::GapBuffer::roomFor(n));
    out.resize(n);
    return out;
}

} // namespace

String decode(std::string_view bytes, Encoding encoding) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (encoding == Encoding::Windows1252) {
        String out = forBuffer(bytes.size());
        char16_t* o = out.data();
        for (size_t i = 0; i < bytes.size(); ++i)
            o[i] = p[i] < 0x80 ? p[i] : fromByte(p[i]);
        return out;
    }
    if (encoding == Encoding::Utf16LeBom || encoding == Encoding::Utf16BeBom) {
        bool le = encoding == Encoding::Utf16LeBom;
        if (bytes.starts_with(le ? kBom16Le : kBom16Be)) bytes.remove_prefix(2);
        String out = forBuffer(bytes.size() / 2);
        char16_t* o = out.data();
        for (size_t i = 0; i + 1 < bytes.size(); i += 2)
            *o++ = unitAt(bytes, i, le);
        return out;
    }
    if (encoding == Encoding::Utf8Bom && bytes.starts_with(kBom)) {
        bytes.remove_prefix(kBom.size());
        p += kBom.size();
    }
    size_t units = unitsOfUtf8(bytes);
    String out;
    out.reserve(units + forms::GapBuffer::roomFor(units));
    char32_t cp = 0;
    for (size_t i = 0; i < bytes.size();) {
        if (p[i] < 0x80) {
            // A run of ASCII at once: most of a page is.
            size_t end = i + 1;
            while (end < bytes.size() && p[end] < 0x80)
                ++end;
            size_t at = out.size();
            out.resize(at + end - i);
            std::copy(p + i, p + end, out.begin() + static_cast<std::ptrdiff_t>(at));
            i = end;
            continue;
        }
        size_t n = forms::utf8Length(bytes, i, cp);
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
        if (c >= 0x80 && toByte(c) < 0) return false;
    return true;
}

Encoding choose(StringView text, Encoding readAs) {
    if (readAs != Encoding::Windows1252) return readAs;
    return fitsWindows1252(text) ? Encoding::Windows1252 : Encoding::Utf8Bom;
}

std::string encode(StringView text, Encoding encoding) {
    std::string out;
    if (encoding == Encoding::Windows1252) {
        out.resize(text.size());
        char* o = out.data();
        const char16_t* t = text.data();
        for (size_t i = 0; i < text.size(); ++i) {
            int b = t[i] < 0x80 ? t[i] : toByte(t[i]);
            // Never a substitute character: a page that does not fit goes out as UTF-8.
            if (b < 0) return encode(text, Encoding::Utf8Bom);
            o[i] = static_cast<char>(b);
        }
        return out;
    }
    if (encoding == Encoding::Utf16LeBom || encoding == Encoding::Utf16BeBom) {
        bool le = encoding == Encoding::Utf16LeBom;
        out.reserve(2 * text.size() + 2);
        out += le ? kBom16Le : kBom16Be;
        // Code units as they are: a surrogate pair stays a pair.
        for (char16_t c : text) {
            auto lo = static_cast<char>(c & 0xFF);
            auto hi = static_cast<char>(c >> 8);
            out.push_back(le ? lo : hi);
            out.push_back(le ? hi : lo);
        }
        return out;
    }
    if (encoding == Encoding::Utf8Bom) out += kBom;
    out += forms::toUtf8(text);
    return out;
}

Breaks breaksOf(StringView text) {
    bool crlf = false;
    bool cr = false;
    bool lf = false;
    const char16_t* t = text.data();
    size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (t[i] == forms::CR) {
            if (i + 1 < n && t[i + 1] == forms::LF) {
                crlf = true;
                ++i;
            } else {
                cr = true;
            }
        } else if (t[i] == forms::LF) {
            lf = true;
        }
    }
    if (int(crlf) + int(cr) + int(lf) > 1) return Breaks::Mixed;
    if (lf) return Breaks::Lf;
    if (cr) return Breaks::Cr;
    return Breaks::CrLf;
}

String toBuffer(String text, Breaks breaks) {
    if (breaks != Breaks::Lf && breaks != Breaks::Cr) return text;
    char16_t brk = breaks == Breaks::Lf ? forms::LF : forms::CR;
    const char16_t* t = text.data();
    size_t n = text.size();
    size_t lines = 0;
    for (size_t i = 0; i < n; ++i)
        lines += t[i] == brk ? 1 : 0;
    String out = forBuffer(n + lines);
    char16_t* o = out.data();
    for (size_t i = 0; i < n; ++i) {
        if (t[i] == brk) {
            *o++ = forms::CR;
            *o++ = forms::LF;
        } else {
            *o++ = t[i];
        }
    }
    return out;
}

String toFile(StringView text, Breaks breaks) {
    if (breaks != Breaks::Lf && breaks != Breaks::Cr) return String(text);
    char16_t brk = breaks == Breaks::Lf ? forms::LF : forms::CR;
    const char16_t* t = text.data();
    size_t n = text.size();
    String out(n, u'\0');
    char16_t* o = out.data();
    for (size_t i = 0; i < n; ++i) {
        if (t[i] == forms::CR && i + 1 < n && t[i + 1] == forms::LF) {
            // A lone CR just before an LF break, or a lone LF just after a CR break, would
            // read back as one CR LF and lose a line: that break keeps the buffer's CR LF.
            bool joins = breaks == Breaks::Lf ? (i > 0 && t[i - 1] == forms::CR)
                                              : (i + 2 < n && t[i + 2] == forms::LF);
            if (joins) {
                *o++ = forms::CR;
                *o++ = forms::LF;
            } else {
                *o++ = brk;
            }
            ++i;
        } else {
            // A lone CR or LF pasted into the page stays what it is.
            *o++ = t[i];
        }
    }
    out.resize(static_cast<size_t>(o - out.data()));
    return out;
}

Loaded read(std::string_view bytes) {
    Loaded page;
    page.format.encoding = detect(bytes);
    String text = decode(bytes, page.format.encoding);
    page.format.breaks = breaksOf(text);
    page.text = toBuffer(std::move(text), page.format.breaks);
    return page;
}

std::string write(StringView text, Format format) {
    if (format.breaks == Breaks::Lf || format.breaks == Breaks::Cr)
        return encode(toFile(text, format.breaks), format.encoding);
    return encode(text, format.encoding);
}

std::optional<Loaded> load(const std::string& path, std::string& error) {
    // Not blocking: opening a named pipe would wait for a writer that may never come.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = reason(errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = reason(errno);
        ::close(fd);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        // A pipe or a device may never end; only a file is a page.
        error = S_ISDIR(st.st_mode) ? reason(EISDIR) : "It is not a regular file";
        ::close(fd);
        return std::nullopt;
    }
    // Read in one go at the size the file has; a file that grows meanwhile is read on.
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t got = 0;
    for (;;) {
        if (got == bytes.size()) bytes.resize(bytes.size() + (size_t{1} << 16));
        ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = reason(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return read(bytes);
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
        // The system's own reason first: a read-only mount is not the user's to change.
        if (::access(target.c_str(), W_OK) != 0) {
            error = reason(errno);
            return false;
        }
        // Even a user who may write anything is kept off a file marked read-only.
        if ((st.st_mode & 0222) == 0) {
            error = reason(EACCES);
            return false;
        }
    }

    auto slash = target.rfind('/');
    std::string dir =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

    TempFile tmp;
    std::string stem = tempStem(base);
    std::string name = dir + "/" + stem + std::string(kTempRandom, 'X');
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
    removeStale(dir, stem);
    return true;
}

} // namespace pagefile
