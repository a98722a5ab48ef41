// The recovery copy: its file format, its folder, its lock, and when it is written and
// removed.
#include "page/Recovery.h"

#include "forms/Runtime.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace fs = std::filesystem;
using forms::String;

namespace recovery {

namespace {

constexpr std::string_view kMagic = "Tolva recovery 1\n";
constexpr std::string_view kCopy = ".recovery";
constexpr std::string_view kLock = ".lock";

void appendUnits(std::string& out, forms::StringView s) {
    if constexpr (std::endian::native == std::endian::little) {
        out.append(reinterpret_cast<const char*>(s.data()), s.size() * 2);
    } else {
        for (char16_t c : s) {
            out.push_back(static_cast<char>(c & 0xFF));
            out.push_back(static_cast<char>(c >> 8));
        }
    }
}

// Reads the file's lines and blocks of code units, in order; any misstep fails the whole.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    // "key n1 n2..." with exactly count numbers.
    bool numbers(std::string_view key, int64_t* out, int count) {
        size_t end = rest_.find('\n');
        if (end == std::string_view::npos) return false;
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        if (line.substr(0, key.size()) != key) return false;
        line.remove_prefix(key.size());
        for (int i = 0; i < count; ++i) {
            if (line.empty() || line.front() != ' ') return false;
            line.remove_prefix(1);
            auto [p, ec] = std::from_chars(line.data(), line.data() + line.size(), out[i]);
            if (ec != std::errc() || out[i] < 0) return false;
            line.remove_prefix(static_cast<size_t>(p - line.data()));
        }
        return line.empty();
    }
    // "key n", then n code units and a line break.
    bool units(std::string_view key, String& out) {
        int64_t n = 0;
        if (!numbers(key, &n, 1)) return false;
        auto bytes = static_cast<uint64_t>(n) * 2;
        if (bytes + 1 > rest_.size() || rest_[bytes] != '\n') return false;
        out.resize(static_cast<size_t>(n));
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<char16_t>(static_cast<unsigned char>(rest_[2 * i]) |
                                           static_cast<unsigned char>(rest_[2 * i + 1]) << 8);
        rest_.remove_prefix(bytes + 1);
        return true;
    }
    bool literal(std::string_view s) {
        if (rest_.substr(0, s.size()) != s) return false;
        rest_.remove_prefix(s.size());
        return true;
    }
    bool done() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

bool onDisk(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Takes the lock file at path for this run, or -1 when a live run holds it. Every run
// that died let go of its lock, however it died.
int claim(const std::string& path) {
    for (int tries = 0; tries < 3; ++tries) {
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;
        }
        // A run that removed this lock file between our open and our lock leaves us holding
        // a file nobody else can see: open it again.
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev)
            return fd;
        ::close(fd);
    }
    return -1;
}

// Makes the folder and those above it; the text of unsaved pages is for its user only.
bool makeFolder(const std::string& folder) {
    for (size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/') continue;
        std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Replaces the file at path whole, or leaves the old one: written beside it, flushed,
// renamed over it.
bool writeFile(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    std::string folder = path.substr(0, path.rfind('/'));
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() > tail.size() && s.substr(s.size() - tail.size()) == tail;
}

} // namespace

std::string encode(const Copy& c) {
    std::string out(kMagic);
    out.reserve(out.size() + 2 * (c.name.size() + c.text.size()) + 100);
    out += "caret " + std::to_string(c.selStart) + " " + std::to_string(c.selLength) + "\n";
    out += "format " + std::to_string(static_cast<int>(c.format.encoding)) + " " +
           std::to_string(static_cast<int>(c.format.breaks)) + "\n";
    out += "name " + std::to_string(c.name.size()) + "\n";
    appendUnits(out, c.name);
    out += "\ntext " + std::to_string(c.text.size()) + "\n";
    appendUnits(out, c.text);
    out += "\n";
    return out;
}

std::optional<Copy> decode(std::string_view bytes) {
    Reader r(bytes);
    Copy c;
    int64_t caret[2] = {}, format[2] = {};
    if (!r.literal(kMagic) || !r.numbers("caret", caret, 2) || !r.numbers("format", format, 2) ||
        !r.units("name", c.name) || !r.units("text", c.text) || !r.done())
        return std::nullopt;
    if (caret[0] > INT32_MAX || caret[1] > INT32_MAX ||
        format[0] > static_cast<int>(pagefile::Encoding::Utf16BeBom) ||
        format[1] > static_cast<int>(pagefile::Breaks::Mixed))
        return std::nullopt;
    c.selStart = static_cast<int32_t>(caret[0]);
    c.selLength = static_cast<int32_t>(caret[1]);
    c.format = {static_cast<pagefile::Encoding>(format[0]),
                static_cast<pagefile::Breaks>(format[1])};
    return c;
}

Leftover::Leftover(Copy c, std::string path, std::string lockPath, int lockFd)
    : copy(std::move(c)), path_(std::move(path)), lockPath_(std::move(lockPath)), lockFd_(lockFd) {}

Leftover::Leftover(Leftover&& o) noexcept
    : copy(std::move(o.copy)), path_(std::move(o.path_)), lockPath_(std::move(o.lockPath_)),
      lockFd_(std::exchange(o.lockFd_, -1)) {}

Leftover& Leftover::operator=(Leftover&& o) noexcept {
    if (this != &o) {
        if (lockFd_ >= 0) ::close(lockFd_);
        copy = std::move(o.copy);
        path_ = std::move(o.path_);
        lockPath_ = std::move(o.lockPath_);
        lockFd_ = std::exchange(o.lockFd_, -1);
    }
    return *this;
}

Leftover::~Leftover() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

} // namespace recovery

using recovery::Leftover;

Recovery::Recovery(Page& page)
    : page_(page), state_(page.runtime().platform().state), desk_(page.runtime(), "recovery") {
    pause_.Tick = [this] { write(); };
    latest_.Tick = [this] { write(); };
    events_ = page_.listen([this](Page::Event e, forms::StringView) { pageEvent(e); });
}

Recovery::~Recovery() {
    events_.reset();
    if (lockFd_ < 0) return;
    // A copy still on disk belongs to the next start, which finds this run gone; the lock
    // goes after every write still waiting.
    state_->post([fd = lockFd_, lock = lockPath_, keep = written_] {
        if (!keep) ::unlink(lock.c_str());
        ::close(fd);
    });
}

bool Recovery::keeping() const {
    if (closed_ || failed_ || !state_) return false;
    return !path_.empty() || !state_->folder().empty();
}

void Recovery::pageEvent(Page::Event e) {
    switch (e) {
    case Page::Event::Modified:
        if (!keeping()) return;
        // Each change starts the pause again; the latest timer runs from the first change
        // not yet written, so that steady typing is still copied.
        pause_.setEnabled(false);
        pause_.setEnabled(true);
        latest_.setEnabled(true);
        break;
    case Page::Event::Saved:
    case Page::Event::Replaced:
    case Page::Event::Cleared:
        stopTimers();
        remove();
        break;
    case Page::Event::Closed:
        stopTimers();
        remove();
        closed_ = true;
        break;
    case Page::Event::Changed:
    case Page::Event::Renamed:
        break;
    }
}

void Recovery::stopTimers() {
    pause_.setEnabled(false);
    latest_.setEnabled(false);
}

void Recovery::write() {
    stopTimers();
    // The page may have been saved or let go since the timers started.
    if (!keeping() || page_.star != u"*") return;
    if (path_.empty() && !claimName()) return;
    recovery::Copy copy{page_.saveme(), page_.Text1.text(), page_.Text1.selStart(),
                        page_.Text1.selLength(), page_.pageFormat};
    uint64_t job = ++*latestJob_;
    written_ = true;
    state_->post([job, latest = latestJob_, path = path_, copy = std::move(copy)] {
        if (latest->load() != job) return;
        recovery::writeFile(path, recovery::encode(copy));
    });
}

void Recovery::remove() {
    if (!written_) return;
    written_ = false;
    ++*latestJob_;
    state_->post([path = path_] { ::unlink(path.c_str()); });
}

bool Recovery::claimName() {
    folder_ = state_->folder();
    if (folder_.empty() || !recovery::makeFolder(folder_)) {
        failed_ = true;
        return false;
    }
    // The process id keeps live runs apart; a copy that a dead run with the same id left
    // keeps its name until the user has answered for it.
    std::string pid = std::to_string(::getpid());
    for (int k = 0; k < 100; ++k) {
        std::string base = folder_ + "/" + pid;
        if (k) base += '-' + std::to_string(k);
        std::string copy = base + std::string(recovery::kCopy);
        if (recovery::onDisk(copy)) continue;
        int fd = recovery::claim(base + std::string(recovery::kLock));
        if (fd < 0) continue;
        if (recovery::onDisk(copy)) {
            ::close(fd);
            continue;
        }
        path_ = copy;
        lockPath_ = base + std::string(recovery::kLock);
        lockFd_ = fd;
        return true;
    }
    failed_ = true;
    return false;
}

std::vector<Leftover> Recovery::leftBehind() {
    std::vector<Leftover> found;
    if (!state_) return found;
    std::string folder = path_.empty() ? state_->folder() : folder_;
    if (folder.empty()) return found;
    std::vector<std::pair<fs::file_time_type, Leftover>> dated;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        std::string base = folder + "/";
        if (recovery::endsWith(name, recovery::kLock)) {
            base += name.substr(0, name.size() - recovery::kLock.size());
            // The lock of a run that died with nothing unsaved.
            if (recovery::onDisk(base + std::string(recovery::kCopy))) continue;
            int fd = recovery::claim(entry.path().string());
            if (fd < 0) continue;
            ::unlink(entry.path().c_str());
            ::close(fd);
            continue;
        }
        if (!recovery::endsWith(name, recovery::kCopy)) continue;
        base += name.substr(0, name.size() - recovery::kCopy.size());
        std::string lock = base + std::string(recovery::kLock);
        int fd = recovery::claim(lock);
        if (fd < 0) continue;
        // A copy this version cannot read is kept for whoever can.
        auto copy = recovery::decode(recovery::readFile(entry.path().string()));
        if (!copy) {
            ::close(fd);
            continue;
        }
        auto when = fs::last_write_time(entry.path(), ec);
        dated.emplace_back(when, Leftover(std::move(*copy), entry.path().string(), lock, fd));
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& [when, left] : dated)
        found.push_back(std::move(left));
    return found;
}

void Recovery::discard(Leftover left) {
    state_->post([path = left.path_, lock = left.lockPath_, fd = std::exchange(left.lockFd_, -1)] {
        ::unlink(path.c_str());
        ::unlink((path + ".tmp").c_str());
        ::unlink(lock.c_str());
        ::close(fd);
    });
}

void Recovery::adopt(Leftover left) {
    write();
    // Without a copy of its own this run keeps the old one: the text is not lost if it
    // dies too.
    if (written_) discard(std::move(left));
}
