// The real main window: typing into the editor, the mirror of the buffer, the menu bar, the
// close box, the button groups, and the editing tools: smart select and auto delete, the find
// window and the master temporary clipboard.
#include "QtProgramTest.h"
#include "support/ProgramTest.h"

#include "core/TempClip.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace testing_support;
using forms::String;

class MainWindowViewTest : public QtProgramTest {
protected:
    // Drags text onto w as another program would offer it; the action the drop took.
    static Qt::DropAction drop(QWidget* w, const QString& text) {
        QMimeData mime;
        mime.setText(text);
        QPoint at = w->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w, &enter);
        if (!enter.isAccepted()) return Qt::IgnoreAction;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w, &drop);
        return drop.dropAction();
    }
};

TEST_F(MainWindowViewTest, EditsKeepWidgetAndModelInStep) {
    startMain();
    auto& b = buffer();
    run([&] { main().Text1.setText(u"ab\r\ncd"); });
    expectMirror();
    // Plain typing is the buffer widget tests'; here, the CR LF pair taken as one break.
    QTest::keyClick(&b, Qt::Key_End); // end of the first line
    QTest::keyClick(&b, Qt::Key_Return);
    EXPECT_EQ(main().Text1.text(), forms::String(u"ab\r\n\r\ncd"));
    expectMirror();
    QTest::keyClick(&b, Qt::Key_Backspace);
    QTest::keyClick(&b, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(main().Text1.selLength(), 2) << "the selection takes the CR LF pair whole";
    QTest::keyClick(&b, Qt::Key_Delete);
    EXPECT_EQ(main().Text1.text(), forms::String(u"abcd"));
    expectMirror();
}

TEST_F(MainWindowViewTest, MenuItemsFollowTheModelAndTheirShortcutsWorkFromTheEditor) {
    auto& v = startMain();
    EXPECT_FALSE(v.findChild<QAction*>("preview")->isEnabled());
    EXPECT_TRUE(v.findChild<QAction*>("mnuautocorrect")->isChecked());
    QTest::keyClick(&buffer(), Qt::Key_E, Qt::ControlModifier); // Exit, clean page
    EXPECT_TRUE(qp.session.ended);
}

TEST_F(MainWindowViewTest, CloseBoxAsksAndNoKeepsTheWindow) {
    auto& v = startMain();
    QTest::keyClicks(&buffer(), "q");
    for (int answer : {forms::vbNo, forms::vbYes}) {
        dialogs.expectMessage(u"Are you sure you want to exit without saving?", 292,
                              u"Reminder to save", answer);
        const bool closed = v.close();
        EXPECT_TRUE(!closed || answer == forms::vbYes) << "No keeps the window";
        EXPECT_EQ(qp.session.ended, answer == forms::vbYes);
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

TEST_F(MainWindowViewTest, OpensShowingTheWholeButtonColumnWithinTheScreen) {
    auto& v = startMain();
    auto* panel = v.findChild<QScrollArea*>("buttonPanel");
    auto wholeColumnShows = [&] {
        QApplication::processEvents();
        return !panel->verticalScrollBar()->isVisible() &&
               panel->viewport()->height() >= panel->widget()->sizeHint().height();
    };
    EXPECT_LE(v.height(), v.screen()->availableGeometry().height()) << "this screen's";

    // A screen as tall as a common laptop's, then a larger one.
    for (QSize screen : {QSize(1400, 1000), QSize(1920, 1200)}) {
        v.fitTo(QRect(QPoint(0, 0), screen));
        EXPECT_TRUE(wholeColumnShows()) << screen.width() << "x" << screen.height();
        EXPECT_LE(v.height(), screen.height());
        EXPECT_GE(buffer().width(), v.width() - panel->width() - 40) << "the buffer takes the rest";
    }
    // Too small for the column: the window still fits, and the column scrolls.
    v.fitTo(QRect(0, 0, 1024, 600));
    EXPECT_LE(v.width(), 1024);
    EXPECT_LE(v.height(), 600);
    EXPECT_FALSE(wholeColumnShows());
}

// One button of a few groups, and the special character chosen in its list.
TEST_F(MainWindowViewTest, AButtonWritesItsHelpLineWhenHoveredAndAClickChangesThePage) {
    startMain();
    auto* chars = in<QComboBox>("tolva", "Combo3");
    auto* helper = in<QLineEdit>("tolva", "helper");
    ASSERT_TRUE(chars && helper);
    QTest::mouseMove(in<QAbstractButton>("tolva", "bold"));
    QApplication::processEvents();
    EXPECT_EQ(helper->text().toStdString(), "Select text to be made bold and click.");
    chars->setCurrentIndex(16);
    emit chars->activated(16);
    for (auto [button, result] : {std::pair<const char*, forms::StringView>{"bold", u"[<B>x</B>]"},
                                  {"specialcharacter", u"[\u00A9]"}}) {
        SCOPED_TRACE(button);
        setPage(u"[x]", 1, 1);
        QTest::mouseClick(in<QAbstractButton>("tolva", button), Qt::LeftButton);
        EXPECT_TEXT(result, main().Text1.text());
        expectMirror();
    }
}

TEST_F(MainWindowViewTest, SmartSelectAndAutoDeleteByTheirShortcuts) {
    startMain();
    setPage(u"x<B>bold</B>y", 2);
    QTest::keyClick(&buffer(), Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(main().Text1.selText(), String(u"<B>"));
    expectMirror();
    // Shift+Delete is the text control's own cut: the shortcut must win.
    QTest::keyClick(&buffer(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(text(), String(u"xboldy"));
    expectMirror();
}

TEST_F(MainWindowViewTest, FindWindowSearchesFromItsBox) {
    startMain();
    setPage(u"cat dog cat dog", 1);
    QTest::keyClick(&buffer(), Qt::Key_F, Qt::ControlModifier);
    auto* view = views->view("findreplace");
    ASSERT_NE(view, nullptr);
    auto* find = in<QComboBox>("findreplace", "txtfind");
    ASSERT_NE(find, nullptr);
    find->setFocus();
    QTest::keyClicks(find->lineEdit(), "CAT");
    QTest::keyClick(find->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(main().Text1.selStart(), 8);
    EXPECT_EQ(main().Text1.selText(), String(u"cat"));
    EXPECT_FALSE(view->isVisible()) << "the find-only form steps aside";
    expectMirror();
}

// Drops are copies: a move would take the dragged text out of where it came from.
TEST_F(MainWindowViewTest, TemporaryClipboardTakesDropsOnItsFieldAndListAndPreviewsAPick) {
    startMain();
    setPage(u"alpha beta", 6, 4);
    const String marker = program.page().star;
    auto* snippets = in<QComboBox>("tolva", "tmpcmb");
    QLineEdit* field = snippets->lineEdit();
    ASSERT_NE(field, nullptr);
    // What the drag carries is not read: the buffer's selection is the snippet.
    EXPECT_EQ(drop(field, QStringLiteral("something else")), Qt::CopyAction);
    EXPECT_EQ(main().tmpcmb.list().items(), std::vector<String>{u"beta"});
    EXPECT_EQ(field->text().toStdString(), "Temporary Clipboard");
    EXPECT_EQ(text(), String(u"alpha beta"));
    EXPECT_EQ(program.page().star, marker) << "not marked modified";

    QTest::keyClick(&buffer(), Qt::Key_M, Qt::ControlModifier);
    ASSERT_NE(views->view("tempclip"), nullptr);
    EXPECT_EQ(program.window<TempClip>().tmpcmb.listIndex(), -1) << "nothing picked by itself";
    auto* list = in<QListWidget>("tempclip", "tmpcmb");
    auto* preview = in<QPlainTextEdit>("tempclip", "fullclip");
    ASSERT_EQ(list->count(), 1);
    QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(preview->toPlainText().toStdString(), "beta");

    // The preview's selection dropped on the list becomes a snippet of both lists.
    run([&] {
        program.window<TempClip>().fullclip.setSelStart(1);
        program.window<TempClip>().fullclip.setSelLength(2);
    });
    EXPECT_EQ(drop(list->viewport(), QStringLiteral("et")), Qt::CopyAction);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(snippets->itemText(1).toStdString(), "et");
}
