// The real main window: start-up, typing into the editor, the mirror of the buffer,
// the wrapped line count and the menu bar.
#include "QtProgramTest.h"

#include "core/Menu.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QWindow>

using namespace testing_support;
using tolva::qt::toQt;

namespace {
QString labelText(QWidget& root, const char* name) {
    auto* l = root.findChild<QLabel*>(name);
    return l ? l->text() : QString("<missing %1>").arg(name);
}
} // namespace

class MainWindowViewTest : public QtProgramTest {};

TEST_F(MainWindowViewTest, SplashGivesWayToTheMainWindowOnItsOwn) {
    program.start();
    auto* splash = views->view("frmSplash");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    QTest::qWait(2700);
    EXPECT_EQ(views->view("frmSplash"), nullptr);
    auto* main = views->view("tolva");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle().toStdString(), "Untitled[]: Tolva -By Quendry");
}

TEST_F(MainWindowViewTest, TypingMarksThePageAndUpdatesTheLabels) {
    auto& v = startMain();
    QTest::keyClick(&buffer(), Qt::Key_End);
    int32_t before = main().Text1.selStart();
    QTest::keyClicks(&buffer(), "x");
    EXPECT_EQ(v.windowHandle()->title().toStdString(), "Untitled[*]: Tolva -By Quendry");
    EXPECT_EQ(labelText(v, "Label1(1)").toStdString(), "Character " + std::to_string(before + 1));
    EXPECT_TRUE(labelText(v, "nooflines(1)").startsWith("Number of lines: "));
    expectMirror();
}

TEST_F(MainWindowViewTest, EditsKeepWidgetAndModelInStep) {
    startMain();
    auto& b = buffer();
    run([&] { main().Text1.setText(u"ab\r\ncd"); });
    expectMirror();
    QTest::keyClick(&b, Qt::Key_End); // end of the first line
    QTest::keyClicks(&b, "XY");
    expectMirror();
    EXPECT_EQ(main().Text1.text(), forms::String(u"abXY\r\ncd"));
    QTest::keyClick(&b, Qt::Key_Return);
    EXPECT_EQ(main().Text1.text(), forms::String(u"abXY\r\n\r\ncd"));
    expectMirror();
    QTest::keyClick(&b, Qt::Key_Backspace);
    QTest::keyClick(&b, Qt::Key_Backspace);
    EXPECT_EQ(main().Text1.text(), forms::String(u"abX\r\ncd"));
    expectMirror();
    QApplication::clipboard()->setText("p\nq");
    b.paste();
    EXPECT_EQ(main().Text1.text(), forms::String(u"abXp\r\nq\r\ncd"))
        << "pasted breaks become CR LF";
    expectMirror();
    QTest::keyClick(&b, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main().Text1.text(), forms::String(u"abX\r\ncd"));
    expectMirror();
    QTest::keyClick(&b, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(main().Text1.text(), forms::String(u"abXp\r\nq\r\ncd"));
    expectMirror();
    QTest::keyClick(&b, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&b, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(main().Text1.selLength(), 3) << "the selection crosses a CR LF pair";
    expectMirror();
    QTest::keyClick(&b, Qt::Key_Delete);
    EXPECT_EQ(main().Text1.text(), forms::String(u"abXp\r\ncd"));
    expectMirror();
}

TEST_F(MainWindowViewTest, LoneBreaksShowAsLineBreaks) {
    startMain();
    run([&] { main().Text1.setText(u"a\nb\rc\r\nd"); });
    EXPECT_EQ(buffer().document()->blockCount(), 4);
    expectMirror();
    run([&] {
        main().Text1.setSelStart(2);
        main().Text1.setSelText(u"\r");
    });
    expectMirror();
}

TEST_F(MainWindowViewTest, ALongLineCountsAsSeveralDisplayLines) {
    auto& v = startMain();
    run([&] { main().Text1.setText(forms::String(3000, u'w')); });
    QTest::keyClick(&buffer(), Qt::Key_End);
    QString shown = labelText(v, "nooflines(1)");
    int n = shown.mid(QString("Number of lines: ").size()).toInt();
    EXPECT_GT(n, 2) << shown.toStdString();
}

TEST_F(MainWindowViewTest, EveryMenuItemExistsWithItsShortcut) {
    auto& v = startMain();
    for (const MenuEntry& e : menuTable()) {
        auto* a = v.findChild<QAction*>(e.name);
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->shortcut().toString().toStdString(), std::string(e.shortcut)) << e.name;
        if (std::u16string_view(e.caption) != u"-") {
            EXPECT_EQ(a->text(), toQt(e.caption)) << e.name;
        }
    }
    EXPECT_FALSE(v.findChild<QAction*>("preview")->isEnabled());
    EXPECT_TRUE(v.findChild<QAction*>("mnuautocorrect")->isChecked());
}

TEST_F(MainWindowViewTest, ShortcutsReachTheMenuFromTheEditor) {
    startMain();
    buffer().setFocus();
    QTest::keyClick(&buffer(), Qt::Key_E, Qt::ControlModifier); // Exit, clean page
    EXPECT_TRUE(qp.session.ended);
}

TEST_F(MainWindowViewTest, CloseBoxAsksAndNoKeepsTheWindow) {
    auto& v = startMain();
    QTest::keyClicks(&buffer(), "q");
    dialogs.expectMessage(u"Are you sure you want to exit without saving?", 292,
                          u"Reminder to save", forms::vbNo);
    EXPECT_FALSE(v.close());
    EXPECT_TRUE(v.isVisible());
    EXPECT_FALSE(qp.session.ended);
    dialogs.expectMessage(u"Are you sure you want to exit without saving?", 292,
                          u"Reminder to save", forms::vbYes);
    v.close();
    EXPECT_TRUE(qp.session.ended);
}

TEST_F(MainWindowViewTest, ToolbarPicturesAreAnnouncedByTheirNames) {
    startMain();
    for (auto [name, announced] : {std::pair{"pictnew", "New"}, {"pictcontrast", "Contrast"}}) {
        auto* w = mainView().findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->accessibleName().toStdString(), announced);
    }
}
