// The real main window: start-up, typing into the editor, the mirror of the buffer, the menu
// bar, the close box, hiding the groups and swapping the colours.
#include "QtProgramTest.h"

#include <QAction>
#include <QClipboard>
#include <QScrollArea>

using namespace testing_support;

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
    QTest::keyClick(&b, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(main().Text1.selLength(), 8);
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

TEST_F(MainWindowViewTest, MenuItemsCarryTheirCaptionsAndShortcuts) {
    auto& v = startMain();
    const std::tuple<const char*, const char*, const char*> items[] = {
        {"exit", "E&xit", "Ctrl+E"},         {"mnuReplace", "&Replace", ""},
        {"mnufont", "Font....", "Shift+F1"}, {"mnuhyperlink", "&Hyperlink", "Ctrl+K"},
        {"linebreaka", "&Line Break", ""},   {"mnuMaster", "Master Temporary Clipboard", "Ctrl+M"},
    };
    for (auto [name, caption, shortcut] : items) {
        auto* a = v.findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text().toStdString(), caption) << name;
        EXPECT_EQ(a->shortcut().toString().toStdString(), shortcut) << name;
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

TEST_F(MainWindowViewTest, CtrlHGivesTheBufferTheGroupsRoomAndTwiceRestoresTheLayout) {
    auto& v = startMain();
    v.resize(1200, 820);
    QApplication::processEvents();
    int narrow = buffer().width();
    QTest::keyClick(&buffer(), Qt::Key_H, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(v.findChild<QScrollArea*>("buttonPanel")->isVisible());
    EXPECT_GT(buffer().width(), narrow + 200);
    QTest::keyClick(&buffer(), Qt::Key_H, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(buffer().width(), narrow);
    expectMirror();
}

TEST_F(MainWindowViewTest, ContrastSwapsTheBuffersColoursAndTwiceRestoresThem) {
    startMain();
    QColor base = buffer().palette().color(QPalette::Base);
    QColor text = buffer().palette().color(QPalette::Text);
    run([&] { main().pictcontrast.click(); });
    EXPECT_EQ(buffer().palette().color(QPalette::Base), text);
    EXPECT_EQ(buffer().palette().color(QPalette::Text), base);
    run([&] { main().pictcontrast.click(); });
    EXPECT_EQ(buffer().palette().color(QPalette::Base), base);
}
