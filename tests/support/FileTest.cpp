#include "support/FileTest.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

namespace testing_support {

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

String pathOf(const fs::path& p) {
    return forms::fromFileName(p.string());
}

void FileTest::SetUp() {
    static std::atomic<int> serial{0};
    dir = fs::temp_directory_path() /
          ("tolva-files-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    fs::create_directories(dir);
}

void FileTest::TearDown() {
    std::error_code ec;
    // A test may take the folder's write permission away.
    if (fs::exists(dir, ec)) fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
}

void FileTest::open(const fs::path& p) {
    sp.dialogs.expectFile(false, pathOf(p));
    run([&] { main().open_Click(); });
}

void FileTest::save() {
    run([&] { main().save_Click(); });
}

void FileTest::saveAs(const fs::path& p) {
    sp.dialogs.expectFile(true, pathOf(p));
    run([&] { main().saveas_Click(); });
}

} // namespace testing_support
