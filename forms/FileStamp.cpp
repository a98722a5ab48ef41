// What every platform reads of the file system alike: a file's stamp, and where the
// program keeps its state.
#include "forms/Platform.h"

#include <sys/stat.h>

namespace forms {

std::optional<FileStamp> stampOf(StringView path) {
    struct stat st {};
    if (::stat(toFileName(path).c_str(), &st) != 0) return std::nullopt;
    return FileStamp{static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                     static_cast<int64_t>(st.st_size), static_cast<uint64_t>(st.st_ino),
                     static_cast<uint64_t>(st.st_dev)};
}

std::string stateFolder(const char* xdgStateHome, const char* home) {
    if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/tolva";
    if (home && home[0] == '/') return std::string(home) + "/.local/state/tolva";
    return {};
}

} // namespace forms
