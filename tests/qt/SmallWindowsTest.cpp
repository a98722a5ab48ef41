// The small windows as a user meets them: titles as the window system gets them, the splash
// and its clicks, page properties at start-up, the find direction, the temporary clipboard's
// status line, and the window icon.
#include "QtProgramTest.h"

#include "core/TempClip.h"
#include "dialogs/PageProps.h"
#include "tools/FindReplace.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QLabel>
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
    QTest::keyClicks(&buffer(), "x");
    EXPECT_EQ(shownTitle(&v), "Untitled[*]: Tolva -By Quendry");
    run([&] { main().setCaption(u"C:\\[*][*]\\page.html[*]: Tolva -By Quendry"); });
    EXPECT_EQ(shownTitle(&v), "C:\\[*][*]\\page.html[*]: Tolva -By Quendry");
    // The bytes of a name that is not UTF-8 read as replacements; a whole pair stays.
    run([&] { main().setCaption(forms::fromFileName("/caf\xe9\xf0\x9f\x98\x80.html")); });
    EXPECT_EQ(shownTitle(&v), "/caf\uFFFD\U0001F600.html");

    // Every window, not only the main one.
    run([&] {
        program.window<TempClip>().setCaption(u"Clip[*]");
        program.window<TempClip>().show();
    });
    EXPECT_EQ(shownTitle(views->view("tempclip")), "Clip[*]");
}

TEST_F(SmallWindowsTest, SplashIsNamedAndAnyClickOnItsFrameSkipsIt) {
    for (const char* target : {"Frame1", "lblProductName", "ProgressBar1"}) {
        SCOPED_TRACE(target);
        program.launch();
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
        ASSERT_NE(views->view("tolva"), nullptr);
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

    // This screen leaves no room beside the main window: over the bottom of the buffer.
    QRect page(buffer().mapToGlobal(QPoint(0, 0)), buffer().size());
    QRect placed = props->frameGeometry();
    EXPECT_GE(placed.left(), page.left()) << placed.x() << "," << placed.y();
    EXPECT_LE(placed.bottom(), page.bottom());
    EXPECT_GE(placed.bottom(), page.bottom() - 10);

    // A main window that leaves room: the next page properties opens beside it.
    run([&] { program.window<PageProps>().unload(); });
    QApplication::processEvents();
    v.setMinimumSize(1, 1);
    v.setGeometry(0, 0, 200, 400);
    QApplication::processEvents();
    run([&] { main().Timer3_Timer(); });
    QApplication::processEvents();
    props = views->view("pageprops");
    ASSERT_NE(props, nullptr);
    EXPECT_TRUE(props->isVisible());
    EXPECT_GT(props->frameGeometry().left(), v.frameGeometry().right());
}

TEST_F(SmallWindowsTest, FindDirectionIsOneChoiceOfTwoAndTheReplaceBoxLinesUpWithTheFindBox) {
    auto& v = startMain();
    v.findChild<QAction*>("mnuReplace")->trigger();
    QApplication::processEvents();
    auto* down = in<QRadioButton>("findreplace", "down");
    auto* up = in<QRadioButton>("findreplace", "up");
    auto* find = in<QWidget>("findreplace", "txtfind");
    auto* replace = in<QWidget>("findreplace", "txtReplace");
    ASSERT_TRUE(down && up && find && replace && replace->isVisible());
    EXPECT_EQ(replace->mapToGlobal(QPoint()).x(), find->mapToGlobal(QPoint()).x());
    EXPECT_EQ(replace->width(), find->width());

    FindReplace& f = program.window<FindReplace>();
    auto expectChoice = [&](bool isDown, const char* what) {
        EXPECT_EQ((std::pair(down->isChecked(), up->isChecked())), (std::pair(isDown, !isDown)))
            << what;
        EXPECT_EQ((std::pair<bool, bool>(f.down.value(), f.up.value())),
                  (std::pair(isDown, !isDown)))
            << what;
    };
    expectChoice(true, "Down at first");
    readerToggles(up);
    expectChoice(false, "toggling Up chooses it");
    readerToggles(up);
    expectChoice(false, "toggling the chosen one keeps it");
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
    // Each pane named by a label of its own.
    for (const char* pane : {"tmpcmb", "fullclip"}) {
        auto* w = clip->findChild<QWidget*>(pane);
        QLabel* named = nullptr;
        for (QLabel* l : clip->findChildren<QLabel*>())
            if (l->buddy() == w) named = l;
        ASSERT_NE(named, nullptr) << pane;
        EXPECT_TRUE(named->isVisible());
        EXPECT_EQ(announced(w), named->text().remove(u'&').toStdString());
    }
    // The longest sentence, in full and wrapped within the line's room.
    QTest::mouseMove(clip->findChild<QWidget*>("fullclip"));
    QApplication::processEvents();
    EXPECT_EQ(status->text().toStdString(),
              "Shows preview of selected item. You may alter before pasting. Drag Drop altered "
              "text to the Clipboard to add item.");
    QRect room = status->contentsRect();
    QRect need = status->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000),
                                                    Qt::TextWordWrap, status->text());
    EXPECT_LE(need.width(), room.width());
    EXPECT_LE(need.height(), room.height());
}

// Without the SVG icon plugin installed the windows would silently show no icon.
TEST(AppIcon, IsBuiltInAndDrawsAtSmallAndLargeSizes) {
    QIcon icon(QStringLiteral(":/icons/tolva.svg"));
    for (int size : {16, 256}) {
        SCOPED_TRACE(size);
        QImage image = icon.pixmap(size, size).toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), size);
        // A corner is transparent; the brackets' blue is drawn.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        int blue = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                QColor c = image.pixelColor(x, y);
                if (c.alpha() > 200 && c.blue() > 150 && c.red() < 100) ++blue;
            }
        EXPECT_GT(blue, size * size / 40);
    }
}
