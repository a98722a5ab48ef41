// The table, rule and list dialogs in the real window: opened from their menu items, fields
// found by the names a screen reader announces, numbers typed and stepped, and the build
// button inserting into the real buffer.
#include "QtProgramTest.h"

#include "dialogs/BulNumCreater.h"
#include "dialogs/HRule.h"
#include "dialogs/TableCreater.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace testing_support;
using forms::String;

namespace {

class TableRuleListViewsTest : public QtProgramTest {
protected:
    tolva::qt::FormView* openFromMenu(const char* item, const char* form) {
        mainView().findChild<QAction*>(item)->trigger();
        QApplication::processEvents();
        return views->view(form);
    }
    // The widget a screen reader announces by this name.
    template <class W> W* named(QWidget* view, const QString& name) {
        for (W* w : view->findChildren<W*>())
            if (w->accessibleName() == name || (w->accessibleName().isEmpty() && [&] {
                    auto* b = qobject_cast<QAbstractButton*>(w);
                    return b && b->text() == name;
                }()))
                return w;
        return nullptr;
    }
    void setPage(forms::StringView text, int32_t caret) {
        run([&] {
            main().Text1.setText(text);
            main().Text1.setSelStart(caret);
        });
    }
    // Selects the box's text and types over it, as a user does.
    void typeInto(QLineEdit* box, const QString& s) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, s);
    }
    String page() { return main().Text1.text(); }
};

TEST_F(TableRuleListViewsTest, TableDialogFromItsMenuBuildsIntoTheBuffer) {
    startMain();
    setPage(u"<BODY></BODY>", 6);
    auto* v = openFromMenu("tableb", "tablecreater");
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), "Create Table: Tolva");

    for (const char* name :
         {"Rows", "Columns", "Caption for the table", "Border", "Cellpadding", "Cell Spacing"})
        EXPECT_NE(named<QLineEdit>(v, name), nullptr) << name;
    auto* rows = named<QLineEdit>(v, "Rows");
    ASSERT_NE(rows, nullptr);
    auto* label = v->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->buddy(), rows);

    typeInto(rows, "3");
    EXPECT_EQ(rows->text(), "3");
    QTest::mouseClick(named<QAbstractButton>(v, "Rows up"), Qt::LeftButton);
    EXPECT_EQ(rows->text(), "4");
    QTest::mouseClick(named<QAbstractButton>(v, "Rows down"), Qt::LeftButton);
    QTest::mouseClick(named<QAbstractButton>(v, "Rows down"), Qt::LeftButton);
    QTest::mouseClick(named<QAbstractButton>(v, "Rows down"), Qt::LeftButton);
    QTest::mouseClick(named<QAbstractButton>(v, "Rows down"), Qt::LeftButton);
    EXPECT_EQ(rows->text(), "1") << "the down arrow stops at 1";
    auto* border = named<QLineEdit>(v, "Border");
    QTest::mouseClick(named<QAbstractButton>(v, "Border down"), Qt::LeftButton);
    EXPECT_EQ(border->text(), "0");
    typeInto(named<QLineEdit>(v, "Columns"), "1");

    // The user edits the page meanwhile: the table goes where the caret is at the click.
    setPage(u"<BODY>x</BODY>", 7);
    QTest::mouseClick(named<QPushButton>(v, "Create Table"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(show(page()), show(u"<BODY>x<TABLE BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\" "
                                 u">  \r\n<CAPTION></CAPTION>\r\n<TR>\r\n <TD> row 1 col 1 "
                                 u"</TD> \r\n</TR>\r\n</TABLE>\r\n</BODY>"));
    expectMirror();
    EXPECT_EQ(views->view("tablecreater"), nullptr);
}

TEST_F(TableRuleListViewsTest, RowDialogShowsOnlyRowsAndColumns) {
    startMain();
    setPage(u"", 0);
    auto* full = openFromMenu("tableb", "tablecreater");
    ASSERT_NE(full, nullptr);
    QApplication::processEvents();
    const int fullHeight = full->height();
    auto* v = openFromMenu("rowa", "tablecreater");
    QApplication::processEvents();
    EXPECT_EQ(v, full) << "switched in place";
    EXPECT_EQ(v->windowTitle(), "Insert Row");
    EXPECT_FALSE(v->findChild<QGroupBox*>("Frame2")->isVisible());
    EXPECT_TRUE(v->findChild<QGroupBox*>("Frame1")->isVisible());
    EXPECT_LT(v->height(), fullHeight);
    EXPECT_EQ(named<QLineEdit>(v, "Rows")->text(), "1");
    QTest::mouseClick(named<QPushButton>(v, "Insert Row"), Qt::LeftButton);
    EXPECT_EQ(show(page()), show(u"<TR>\r\n <TD> row 1 col 1 </TD> \r\n <TD> row 1 col 2 </TD> "
                                 u"\r\n</TR>\r\n"));
    expectMirror();
}

TEST_F(TableRuleListViewsTest, RuleDialogFromItsMenuBuildsIntoTheBuffer) {
    startMain();
    setPage(u"ab", 1);
    auto* v = openFromMenu("hra", "hrule");
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), "Insert Horizontal Rule: Tolva");
    auto* align = named<QListWidget>(v, "Alignment");
    ASSERT_NE(align, nullptr);
    EXPECT_EQ(align->count(), 3);
    EXPECT_EQ(align->currentRow(), 0);
    auto* width = named<QLineEdit>(v, "Width");
    auto* height = named<QLineEdit>(v, "Height");
    auto* colour = named<QComboBox>(v, "Colour");
    auto* percent = named<QCheckBox>(v, "Percentage");
    auto* noshade = named<QCheckBox>(v, "No Shade (Solid)");
    ASSERT_TRUE(width && height && colour && percent && noshade);
    EXPECT_EQ(colour->currentText(), "black");

    align->setCurrentRow(2);
    typeInto(width, "40");
    QTest::mouseClick(percent, Qt::LeftButton);
    EXPECT_EQ(width->text(), "40%");
    QTest::mouseClick(named<QAbstractButton>(v, "Height up"), Qt::LeftButton);
    QTest::mouseClick(named<QAbstractButton>(v, "Height up"), Qt::LeftButton);
    EXPECT_EQ(height->text(), "2");
    // On its box: the check box spans the row, and only its box and caption take clicks.
    QTest::mouseClick(noshade, Qt::LeftButton, {}, QPoint(6, noshade->height() / 2));
    EXPECT_TRUE(noshade->isChecked());
    colour->setFocus();
    colour->lineEdit()->selectAll();
    QTest::keyClicks(colour, "teal");

    QTest::mouseClick(named<QPushButton>(v, "OK"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(show(page()),
              show(u"a<HR align=\"Right\" width=40% size=\"2\" color=\"teal\" NOSHADE>b"));
    expectMirror();
    EXPECT_EQ(views->view("hrule"), nullptr);
}

TEST_F(TableRuleListViewsTest, AScreenReadersToggleReachesTheRuleDialog) {
    // The accessible toggle action changes a check box without a click.
    startMain();
    setPage(u"", 0);
    auto* v = openFromMenu("hra", "hrule");
    ASSERT_NE(v, nullptr);
    typeInto(named<QLineEdit>(v, "Width"), "30");
    named<QCheckBox>(v, "Percentage")->toggle();
    EXPECT_EQ(named<QLineEdit>(v, "Width")->text(), "30%");
    named<QCheckBox>(v, "No Shade (Solid)")->toggle();
    EXPECT_EQ(program.loaded<HRule>()->Check1.value(), 1);
    QTest::mouseClick(named<QPushButton>(v, "OK"), Qt::LeftButton);
    EXPECT_EQ(show(page()), show(u"<HR width=30% NOSHADE>"));
}

TEST_F(TableRuleListViewsTest, ListDialogFromItsMenusSwitchesAndBuilds) {
    startMain();
    setPage(u"", 0);
    auto* v = openFromMenu("numberinga", "bulnumcreater");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "Numbering");
    auto* type = named<QListWidget>(v, "Type:");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->count(), 5);
    EXPECT_NE(named<QPushButton>(v, "Create Numbered List"), nullptr);

    EXPECT_EQ(openFromMenu("bulleta", "bulnumcreater"), v);
    EXPECT_EQ(v->windowTitle(), "Bullets");
    EXPECT_EQ(type->count(), 3);
    type->setCurrentRow(1);
    auto* count = named<QLineEdit>(v, "txtbulnumcreater");
    ASSERT_NE(count, nullptr);
    typeInto(count, "2");
    QTest::mouseClick(named<QAbstractButton>(v, "txtbulnumcreater up"), Qt::LeftButton);
    EXPECT_EQ(count->text(), "3");
    QTest::mouseClick(named<QPushButton>(v, "Create Bulletted List"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(show(page()), show(u"<UL TYPE=\"circle\"> \r\n<LI> Point1\r\n<LI> Point2\r\n<LI> "
                                 u"Point3\r\n</UL>\r\n"));
    expectMirror();
    EXPECT_EQ(views->view("bulnumcreater"), nullptr);
}

TEST_F(TableRuleListViewsTest, EnterBuildsAndEscapeCloses) {
    startMain();
    setPage(u"", 0);
    auto* v = openFromMenu("numberinga", "bulnumcreater");
    ASSERT_NE(v, nullptr);
    auto* count = named<QLineEdit>(v, "txtbulnumcreater");
    v->activateWindow();
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(show(page()), show(u"<OL TYPE=\"1\">\r\n<LI> Point1\r\n</OL>\r\n"));

    auto* r = openFromMenu("hra", "hrule");
    ASSERT_NE(r, nullptr);
    r->activateWindow();
    auto* width = named<QLineEdit>(r, "Width");
    width->setFocus();
    QTest::keyClick(width, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(views->view("hrule"), nullptr);

    // Without a cancel button Escape is the close box: the dialog goes, nothing inserted.
    auto* t = openFromMenu("tableb", "tablecreater");
    ASSERT_NE(t, nullptr);
    t->activateWindow();
    auto* rows = named<QLineEdit>(t, "Rows");
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(views->view("tablecreater"), nullptr);
    EXPECT_EQ(show(page()), show(u"<OL TYPE=\"1\">\r\n<LI> Point1\r\n</OL>\r\n"));
}

} // namespace
