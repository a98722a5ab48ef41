// Every window of the registry has a view that shows it.
#include "QtProgramTest.h"

#include <string>
#include <vector>

using namespace testing_support;

namespace {

class WindowsTest : public QtProgramTest {};

TEST_F(WindowsTest, EveryWindowGetsAViewWhenLoadedAndLosesItWhenUnloaded) {
    startMain();
    std::vector<std::string> missing;
    int windows = 0;
    windows::forEach([&]<class W>() {
        ++windows;
        forms::Form* f = nullptr;
        run([&] { f = &program.window<W>(); });
        if (!views->view(f->name())) missing.push_back(f->name());
    });
    EXPECT_EQ(windows, 18);
    EXPECT_EQ(missing, std::vector<std::string>{});

    run([&] { program.window<About>().unload(); });
    QApplication::processEvents();
    EXPECT_EQ(program.loaded<About>(), nullptr);
    EXPECT_EQ(views->view("frmAbout"), nullptr);
}

} // namespace
