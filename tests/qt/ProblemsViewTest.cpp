// The page check in the real window: underlines, the list, the count, the shortcut, and a
// page that the marks leave as it was.
#include "QtProgramTest.h"
#include "check/Problems.h"
#include "page/InitialPage.h"
#include "page/Page.h"
#include "qt/PageColours.h"
#include "qt/ProblemMarks.h"

#include <QAccessible>
#include <QCheckBox>
#include <QListWidget>
#include <QToolButton>

using namespace testing_support;

namespace {

class ProblemsViewTest : public QtProgramTest {
protected:
    Problems* problems = nullptr;

    void SetUp() override {
        startMain();
        QApplication::processEvents(); // the status items and the window come a turn later
        problems = program.loaded<Problems>();
        ASSERT_NE(problems, nullptr);
        forms::String page = initialPage();
        setPage(page, static_cast<int32_t>(page.find(u"</BODY>")));
    }
    // The check's pause passes and its findings are drawn.
    bool found(size_t n) {
        return QTest::qWaitFor([&] { return problems->pageCheck.problems().size() == n; }, 5000);
    }
    QListWidget* list() {
        auto* v = views->view("problems");
        return v ? v->findChild<QListWidget*>() : nullptr;
    }
    QToolButton* count() {
        for (auto* b : mainView().findChildren<QToolButton*>())
            if (b->accessibleName() == QStringLiteral("Problems in the page")) return b;
        return nullptr;
    }
};

TEST_F(ProblemsViewTest, AnOpenTagIsUnderlinedAndListedAndBothGoWhenItIsClosed) {
    ASSERT_TRUE(found(0));
    QTest::keyClicks(&buffer(), QStringLiteral("<em>x"));
    forms::String typed = text();
    int undoSteps = buffer().document()->availableUndoSteps();
    ASSERT_TRUE(found(1));

    auto marks = buffer().extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].cursor.selectedText(), QStringLiteral("<em>"));
    EXPECT_EQ(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
    // Nothing of the marks entered the page, the widget or its undo history.
    EXPECT_TEXT(typed, text());
    expectMirror();
    EXPECT_EQ(buffer().document()->availableUndoSteps(), undoSteps);
    EXPECT_TRUE(main().Text1.canUndo());

    ASSERT_NE(list(), nullptr);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_TRUE(list()->item(0)->text().contains(QStringLiteral("missing </em>")));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list());
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Problems"));
    ASSERT_NE(count(), nullptr);
    EXPECT_EQ(count()->text(), QStringLiteral("1 problem"));

    // Enter on the row: the caret goes to the tag, and the page takes the keyboard.
    run([&] { problems->show(); });
    list()->setCurrentRow(0);
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Return);
    const int32_t at = problems->pageCheck.problems()[0].start;
    EXPECT_EQ(main().Text1.selStart(), at);
    EXPECT_EQ(main().Text1.selLength(), 0);
    EXPECT_TRUE(main().Text1.hasFocus());
    run([&] { problems->go(7); }); // a row that is not there
    EXPECT_EQ(main().Text1.selStart(), at);

    setPage(typed, static_cast<int32_t>(typed.find(u"<em>x") + 5));
    buffer().setFocus();
    QTest::keyClicks(&buffer(), QStringLiteral("</em>"));
    ASSERT_TRUE(found(0));
    EXPECT_TRUE(buffer().extraSelections().isEmpty());
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(ProblemsViewTest, TheShortcutAndTheCountOpenTheListAndTheSwitchClearsTheMarks) {
    QTest::keyClicks(&buffer(), QStringLiteral("<DIV>"));
    ASSERT_TRUE(found(1));
    forms::String before = text();
    EXPECT_FALSE(problems->visible());
    QTest::keyClick(&buffer(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(problems->visible());
    EXPECT_TEXT(before, text()) << "the shortcut types nothing";

    run([&] { problems->hide(); });
    QTest::mouseClick(count(), Qt::LeftButton);
    EXPECT_TRUE(problems->visible());

    QCheckBox* box = nullptr;
    for (auto* c : mainView().findChildren<QCheckBox*>())
        if (c->text() == QStringLiteral("Check")) box = c;
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    EXPECT_FALSE(problems->pageCheck.on());
    EXPECT_TRUE(buffer().extraSelections().isEmpty());
}

TEST(ProblemColoursTest, ErrorsAndWarningsDifferAndReadOnLightAndDarkBases) {
    for (QColor base : {QColor(Qt::white), QColor(0x1e, 0x1e, 0x1e), QColor(0xf5, 0xf0, 0xe0)}) {
        QPalette p;
        p.setColor(QPalette::Base, base);
        QColor error = tolva::qt::problemColour(check::Kind::Error, p);
        QColor warning = tolva::qt::problemColour(check::Kind::Warning, p);
        EXPECT_NE(error, warning);
        EXPECT_GE(tolva::qt::colouring::contrast(error, base), 3.0) << base.name().toStdString();
        EXPECT_GE(tolva::qt::colouring::contrast(warning, base), 3.0) << base.name().toStdString();
    }
}

} // namespace
