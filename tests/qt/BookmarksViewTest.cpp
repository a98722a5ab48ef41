// Bookmarks in the real window: Ctrl+G inserts, the list window goes to one.
#include "QtProgramTest.h"

#include "commands/Bookeeper.h"

#include <QListWidget>
#include <QPushButton>

using namespace testing_support;
using forms::String;

namespace {

class BookmarksViewTest : public QtProgramTest {};

TEST_F(BookmarksViewTest, CtrlGInsertsAndTheListGoesToTheBookmark) {
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

} // namespace
