// The small windows as a user meets them: titles as the window system gets them, the
// splash and its clicks, page properties at start-up, the find direction, the temporary
// clipboard's status line, and a view for every window.
#include "QtProgramTest.h"

#include "core/Splash.h"
#include "core/TempClip.h"
#include "tools/FindReplace.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

using namespace testing_support;
using forms::String;
using tolva::qt::FormView;

namespace {

std::string shownTitle(QWidget* w) {
    return w->windowHandle() ? w->windowHandle()->title().toStdString() : "<no window>";
}

class SmallWindowsTest : public QtProgramTest {};

} // namespace

TEST_F(SmallWindowsTest, TitleBarsShowCaptionsExactlyAsWritten) {
    auto& v = startMain();
    EXPECT_EQ(shownTitle(&v), "Untitled[]: Tolva -By Quendry");
    QTest::keyClicks(&buffer(), "x");
    EXPECT_EQ(shownTitle(&v), "Untitled[*]: Tolva -By Quendry");
    EXPECT_EQ(announced(&v), "Untitled[*]: Tolva -By Quendry");
    run([&] { main().setCaption(u"C:\\[*][*]\\page.html[*]: Tolva -By Quendry"); });
    EXPECT_EQ(shownTitle(&v), "C:\\[*][*]\\page.html[*]: Tolva -By Quendry");

    // Every window, not only the main one.
    run([&] {
        program.window<TempClip>().setCaption(u"Clip[*]");
        program.window<TempClip>().show();
    });
    EXPECT_EQ(shownTitle(views->view("tempclip")), "Clip[*]");
}

TEST_F(SmallWindowsTest, SplashIsNamedAndAnyClickOnItsFrameSkipsIt) {
    for (const char* target : {"Frame1", "lblProductName", "lblVersion", "ProgressBar1"}) {
        SCOPED_TRACE(target);
        program.start();
        FormView* splash = views->view("frmSplash");
        ASSERT_NE(splash, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
        EXPECT_EQ(announced(splash), "Tolva");
        auto* w = splash->findChild<QWidget*>(target);
        ASSERT_NE(w, nullptr);
        // Through the window, as the pointer does: it picks the widget under the point.
        QWindow* win = splash->windowHandle();
        QTest::mouseClick(win, Qt::LeftButton, {},
                          win->mapFromGlobal(w->mapToGlobal(QPoint(5, w->height() / 2))));
        QApplication::processEvents();
        EXPECT_EQ(views->view("frmSplash"), nullptr) << "the splash is gone";
        ASSERT_NE(program.loaded<Tolva>(), nullptr);
        EXPECT_TRUE(views->view("tolva")->isVisible());
    }
}

TEST_F(SmallWindowsTest, PagePropertiesComeForwardWithoutTakingTheKeyboard) {
    auto& v = startMain();
    FormView* props = views->view("pageprops");
    ASSERT_NE(props, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), &buffer());
    run([&] { main().Timer3_Timer(); });
    QApplication::processEvents();
    EXPECT_TRUE(props->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &v);
    EXPECT_EQ(QApplication::focusWidget(), &buffer());
    EXPECT_EQ(program.runtime().focus(), &main().Text1);
    QTest::mouseClick(buffer().viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(QApplication::focusWidget(), &buffer()) << "a click in the page raises it too";

    // At the right over the button panel: the start of the page's lines stays in view.
    QRect page(buffer().mapToGlobal(QPoint(0, 0)), buffer().size());
    QRect placed = props->frameGeometry();
    EXPECT_GT(placed.left(), page.center().x()) << placed.x() << "," << placed.y();
    EXPECT_LE(placed.right(), v.frameGeometry().right());
    EXPECT_GE(placed.top(), v.frameGeometry().top());
}

TEST_F(SmallWindowsTest, FindDirectionIsOneChoiceOfTwo) {
    startMain();
    QTest::keyClick(&buffer(), Qt::Key_F, Qt::ControlModifier);
    auto* down = in<QRadioButton>("findreplace", "down");
    auto* up = in<QRadioButton>("findreplace", "up");
    ASSERT_TRUE(down && up);
    FindReplace& f = program.window<FindReplace>();
    auto expectChoice = [&](bool isDown, const char* what) {
        EXPECT_EQ(down->isChecked(), isDown) << what;
        EXPECT_EQ(up->isChecked(), !isDown) << what;
        EXPECT_EQ(f.down.value(), isDown) << what;
        EXPECT_EQ(f.up.value(), !isDown) << what;
    };
    for (QWidget* w : {static_cast<QWidget*>(down), static_cast<QWidget*>(up)})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::RadioButton);
    expectChoice(true, "Down at first");
    QTest::mouseClick(down, Qt::LeftButton);
    expectChoice(true, "clicking the chosen one keeps it");

    // A screen reader toggles rather than clicks.
    auto toggle = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(a && a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    toggle(up);
    expectChoice(false, "toggling Up chooses it");
    toggle(up);
    expectChoice(false, "toggling the chosen one keeps it");
    QTest::mouseClick(down, Qt::LeftButton);
    expectChoice(true, "a click chooses Down back");
    toggle(up);

    // The choice steers the search: upward from the caret.
    setPage(u"ab ab ab", 5);
    run([&] { f.txtfind.setText(u"ab"); });
    QTest::mouseClick(in<QPushButton>("findreplace", "btnfind"), Qt::LeftButton);
    EXPECT_EQ(main().Text1.selStart(), 3);
}

TEST_F(SmallWindowsTest, TemporaryClipboardStatusLineFollowsThePointerAndShowsWholeSentences) {
    auto& v = startMain();
    v.findChild<QAction*>("mnuMaster")->trigger();
    FormView* clip = views->view("tempclip");
    ASSERT_NE(clip, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(clip));
    // The offscreen pointer goes to the first window under it: keep the main one clear.
    clip->move(v.frameGeometry().right() + 50, 0);
    QApplication::processEvents();
    auto* status = in<QLabel>("tempclip", "StatusBar1");
    ASSERT_NE(status, nullptr);
    auto fitsWhole = [status] {
        QRect room = status->contentsRect();
        QRect need = status->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000),
                                                        Qt::TextWordWrap, status->text());
        return need.width() <= room.width() && need.height() <= room.height();
    };
    const std::pair<const char*, const char*> cases[] = {
        {"OKButton", "Paste the item as shown in the preview."},
        {"CancelButton", "Return without making any changes"},
        {"remselected", "Remove the selected item from the temporary clipboard."},
        {"cleartmp", "Clear the temporary clipboard"},
        {"fullclip", "Shows preview of selected item. You may alter before pasting. Drag Drop "
                     "altered text to the Clipboard to add item."},
    };
    for (const auto& [name, sentence] : cases) {
        SCOPED_TRACE(name);
        auto* w = clip->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr);
        QTest::mouseMove(w);
        QApplication::processEvents();
        EXPECT_EQ(status->text().toStdString(), sentence);
        EXPECT_TRUE(fitsWhole());
    }
    QTest::mouseMove(clip, QPoint(2, 2));
    QApplication::processEvents();
    EXPECT_EQ(status->text().toStdString(),
              "Master Temporary Clipboard allows you to manage multiple clipboard data.");
}

TEST_F(SmallWindowsTest, EveryWindowGetsAViewWhenLoadedAndLosesItWhenUnloaded) {
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
