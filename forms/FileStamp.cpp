// Stamping a file from the file system, for every platform that watches files.
#include "forms/Platform.h"

#include <sys/stat.h>

namespace forms {

std::optional<FileStamp> stampOf(StringView path) {
    struct stat st {};
    if (::stat(toUtf8(path).c_str(), &st) != 0) return std::nullopt;
    return FileStamp{static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                     static_cast<int64_t>(st.st_size), static_cast<uint64_t>(st.st_ino),
                     static_cast<uint64_t>(st.st_dev)};
}

} // namespace forms
