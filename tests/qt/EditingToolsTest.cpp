// The editing tools in the real window: smart select and auto delete by their shortcuts,
// the find window, the master temporary clipboard and the bookmarks.
#include "QtProgramTest.h"

#include "core/TempClip.h"
#include "tools/FindReplace.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace testing_support;
using forms::String;

class EditingToolsTest : public QtProgramTest {};

TEST_F(EditingToolsTest, SmartSelectAndAutoDeleteByTheirShortcuts) {
    startMain();
    setPage(u"x<B>bold</B>y <HR size=2>z", 2);
    QTest::keyClick(&buffer(), Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(main().Text1.selText(), String(u"<B>"));
    expectMirror();
    QTest::keyClick(&buffer(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(text(), String(u"xboldy <HR size=2>z"));
    expectMirror();
    run([&] { main().Text1.setSelStart(12); });
    QTest::keyClick(&buffer(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(text(), String(u"xboldy z"));
    expectMirror();
}

TEST_F(EditingToolsTest, FindWindowSearchesAndReplaces) {
    auto& v = startMain();
    setPage(u"cat dog cat dog", 1);
    QTest::keyClick(&buffer(), Qt::Key_F, Qt::ControlModifier);
    auto* view = views->view("findreplace");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle().toStdString(), "Find : Tolva");
    auto* find = in<QComboBox>("findreplace", "txtfind");
    ASSERT_NE(find, nullptr);
    find->setFocus();
    QTest::keyClicks(find->lineEdit(), "CAT");
    QTest::keyClick(find->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(main().Text1.selStart(), 8);
    EXPECT_EQ(main().Text1.selText(), String(u"cat"));
    EXPECT_FALSE(view->isVisible()) << "the find-only form steps aside";
    expectMirror();
    EXPECT_EQ(find->count(), 1) << "the history holds the searched text";

    // F3 goes on from where Ctrl+F left the caret.
    QTest::keyClick(&buffer(), Qt::Key_F3);
    EXPECT_EQ(main().Text1.selStart(), 8);

    v.findChild<QAction*>("mnuReplace")->trigger();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle().toStdString(), "Replace");
    auto* replace = in<QComboBox>("findreplace", "txtReplace");
    ASSERT_TRUE(replace->isVisibleTo(view));
    QTest::keyClicks(replace->lineEdit(), "bird");
    QTest::mouseClick(in<QPushButton>("findreplace", "btnReplaceAll"), Qt::LeftButton);
    EXPECT_EQ(text(), String(u"bird dog bird dog"));
    EXPECT_FALSE(view->isVisible());
    expectMirror();
}

TEST_F(EditingToolsTest, TemporaryClipboardCollectsPreviewsAndPastes) {
    auto& v = startMain();
    setPage(u"alpha beta", 0, 5);
    QTest::keyClick(&buffer(), Qt::Key_D, Qt::ControlModifier);
    auto* snippets = in<QComboBox>("tolva", "tmpcmb");
    ASSERT_EQ(snippets->count(), 1);
    EXPECT_EQ(snippets->itemText(0).toStdString(), "alpha");

    QTest::keyClick(&buffer(), Qt::Key_M, Qt::ControlModifier);
    auto* view = views->view("tempclip");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(program.window<TempClip>().tmpcmb.listIndex(), -1) << "nothing picked by itself";
    auto* list = in<QListWidget>("tempclip", "tmpcmb");
    auto* preview = in<QPlainTextEdit>("tempclip", "fullclip");
    ASSERT_EQ(list->count(), 1);
    QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(preview->toPlainText().toStdString(), "alpha");

    // The preview's selection dropped on the list becomes a snippet of both lists.
    run([&] {
        program.window<TempClip>().fullclip.setSelStart(1);
        program.window<TempClip>().fullclip.setSelLength(3);
    });
    QMimeData mime;
    mime.setText(QStringLiteral("lph"));
    QPoint at = list->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(list->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(list->viewport(), &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(snippets->itemText(1).toStdString(), "lph");

    run([&] { main().Text1.setSelStart(10); });
    QTest::mouseClick(in<QPushButton>("tempclip", "OKButton"), Qt::LeftButton);
    EXPECT_EQ(text(), String(u"alpha betaalpha"));
    EXPECT_FALSE(view->isVisible());
    expectMirror();

    v.findChild<QAction*>("mnuMaster")->trigger();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(in<QPushButton>("tempclip", "remselected"), Qt::LeftButton);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(snippets->count(), 1);
    EXPECT_EQ(snippets->itemText(0).toStdString(), "lph");
}

TEST_F(EditingToolsTest, CtrlGInsertsAndTheListGoesToTheBookmark) {
    startMain();
    setPage(u"abc", 3);
    dialogs.expectInput(u"Enter the name of the bookmark", u"Assistant: Tolva", u"", u"end");
    QTest::keyClick(&buffer(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(main().Text1.text(), String(u"abc<a name=\"end\">Start from here</a>"));
    expectMirror();

    run([&] { main().Text1.setSelStart(0); });
    run([&] { main().menu("mnubookmarks").click(); });
    QApplication::processEvents();
    auto* view = views->view("bookeeper");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    auto* names = view->findChild<QListWidget*>("List1");
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->accessibleName().toStdString(), "Bookmarks");
    ASSERT_EQ(names->count(), 1);
    EXPECT_EQ(names->item(0)->text().toStdString(), "end");
    EXPECT_FALSE(view->findChild<QListWidget*>("List2")->isVisible());

    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->item(0)).center());
    auto* go = view->findChild<QPushButton*>("OKButton");
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(go->text().toStdString(), "Go");
    go->click();
    EXPECT_EQ(main().Text1.selStart(), 3);
    expectMirror();
}
