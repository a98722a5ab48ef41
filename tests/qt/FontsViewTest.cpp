// The font group and the font dialog in the real window.
#include "QtProgramTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace testing_support;
using forms::String;

namespace {

class FontsViewTest : public QtProgramTest {
protected:
    template <class W> W& at(const char* view, const char* name) {
        auto* v = views->view(view);
        EXPECT_NE(v, nullptr) << view;
        auto* w = v->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
};

TEST_F(FontsViewTest, SizeBoxArrowsAndIconWrapTheSelection) {
    startMain();
    setPage(u"x", 0, 1);
    auto& size = at<QLineEdit>("tolva", "txtfontsize");
    EXPECT_EQ(size.accessibleName().toStdString(), "Font size");
    size.selectAll();
    QTest::keyClicks(&size, "5");
    EXPECT_EQ(main().fonts.txtfontsize.text(), String(u"5"));
    auto ups = views->view("tolva")->findChildren<QToolButton*>();
    QToolButton* up = nullptr;
    // The main window's own arrows, not those of the dialogs floating over it.
    for (QToolButton* b : ups)
        if (b->arrowType() == Qt::UpArrow && b->window() == views->view("tolva")) up = b;
    ASSERT_NE(up, nullptr);
    up->click();
    EXPECT_EQ(size.text().toStdString(), "6");
    at<QPushButton>("tolva", "btnfontsize").click();
    EXPECT_EQ(main().Text1.text(), String(u"<font size=\"6\">x</font>"));
    expectMirror();
}

TEST_F(FontsViewTest, ShiftF1OpensTheFontDialogAndOkHandsTheTextBack) {
    startMain();
    setPage(u"[Hello]", 1, 5);
    QTest::keyClick(&buffer(), Qt::Key_F1, Qt::ShiftModifier);
    QApplication::processEvents();
    auto& text = at<QPlainTextEdit>("Fonty", "Text1");
    EXPECT_EQ(text.toPlainText().toStdString(), "Hello");
    auto& bold = at<QPushButton>("Fonty", "bold");
    bold.click();
    EXPECT_EQ(text.toPlainText().toStdString(), "<B>Hello</B>");
    auto& ok = at<QPushButton>("Fonty", "OKButton");
    EXPECT_TRUE(ok.isDefault());
    ok.click();
    QApplication::processEvents();
    EXPECT_EQ(main().Text1.text(), String(u"[<B>Hello</B>]"));
    EXPECT_EQ(views->view("Fonty"), nullptr);
}

} // namespace
