// Fixture for tests that open and save real files: a fresh folder per test, and the
// program's Open, Save and Save As answered with a path.
#pragma once

#include "support/ProgramTest.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& p);
void writeBytes(const fs::path& p, std::string_view bytes);
String pathOf(const fs::path& p);

class FileTest : public ProgramTest {
protected:
    fs::path dir;

    void SetUp() override;
    void TearDown() override;
    void open(const fs::path& p);
    void save();
    void saveAs(const fs::path& p);
};

} // namespace testing_support
