// The small windows as a user meets them: titles as the window system gets them, the
// splash and its clicks, page properties at start-up, the find direction and the
// temporary clipboard's status line.
#include "QtProgramTest.h"

#include "core/Splash.h"
#include "core/TempClip.h"
#include "tools/FindReplace.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

using namespace testing_support;
using forms::String;
using tolva::qt::FormView;

namespace {

std::string accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).toStdString() : "<no accessible>";
}

std::string shownTitle(QWidget* w) {
    return w->windowHandle() ? w->windowHandle()->title().toStdString() : "<no window>";
}

class WindowsTest : public QtProgramTest {
protected:
    template <class W> W* in(const char* view, const char* name) {
        auto* v = views->view(view);
        return v ? v->findChild<W*>(name) : nullptr;
    }
};

} // namespace

TEST_F(WindowsTest, TitleBarsShowCaptionsExactlyAsWritten) {
    auto& v = startMain();
    EXPECT_EQ(shownTitle(&v), "Untitled[]: Tolva -By Quendry");
    QTest::keyClicks(&buffer(), "x");
    EXPECT_EQ(shownTitle(&v), "Untitled[*]: Tolva -By Quendry");
    EXPECT_EQ(accessibleName(&v), "Untitled[*]: Tolva -By Quendry");
    run([&] { main().setCaption(u"C:\\[*][*]\\page.html[*]: Tolva -By Quendry"); });
    EXPECT_EQ(shownTitle(&v), "C:\\[*][*]\\page.html[*]: Tolva -By Quendry");

    // Every window, not only the main one.
    run([&] {
        program.tempclip().setCaption(u"Clip[*]");
        program.tempclip().show();
    });
    EXPECT_EQ(shownTitle(views->view("tempclip")), "Clip[*]");
}
