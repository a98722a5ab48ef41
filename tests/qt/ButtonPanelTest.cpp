// The real button groups beside the buffer: a click on a button of each group changes
// the page, moving the mouse over one writes its help sentence; the font dialog.
#include "QtProgramTest.h"
#include "support/ProgramTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace testing_support;
using forms::String;

namespace {

class ButtonPanelTest : public QtProgramTest {
protected:
    template <class W> W& widget(const char* name, const char* view = "tolva") {
        auto* w = in<W>(view, name);
        EXPECT_NE(w, nullptr) << name;
        if (!w) throw std::runtime_error(name);
        return *w;
    }
};

TEST_F(ButtonPanelTest, AButtonOfEachGroupChangesThePage) {
    startMain();
    struct Case {
        const char* button;
        const char* group;
        forms::StringView result; // with "x" selected in "[x]"
    };
    const Case cases[] = {
        {"sup", "General", u"[<SUP>x</SUP>]"},
        {"bold", nullptr, u"[<B>x</B>]"},
        {"buttoner", "former",
         u"[<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > x]"},
        {"Column", "tabular", u"[<TD>Text</TD>]"},
        {"Abbr", "extras", u"[<ABBR>x</ABBR>]"},
        {"style", "misc", u"[<STYLE>\r\n\r\n</STYLE>]"},
        {"centre", "align", u"[<CENTER>x</CENTER>]"},
        {"quickformat", "special",
         u"[<P ALIGN=\"LEFT\"><FONT COLOR=\"BLACK\" FACE=\"TIMES NEW ROMAN\" "
         u"SIZE=\"3\">x</FONT></P>]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        setPage(u"[x]", 1, 1);
        auto& b = widget<QAbstractButton>(c.button);
        if (c.group) {
            EXPECT_EQ(b.parentWidget(), &widget<QGroupBox>(c.group));
        }
        QTest::mouseClick(&b, Qt::LeftButton);
        EXPECT_TEXT(c.result, main().Text1.text());
        expectMirror();
    }
    EXPECT_EQ(widget<QGroupBox>("fonter").title().toStdString(), "Font Editting");
}

TEST_F(ButtonPanelTest, SpecialCharacterIsChosenAndTyped) {
    startMain();
    setPage(u"[x]", 1, 1);
    auto& combo = widget<QComboBox>("Combo3");
    EXPECT_EQ(combo.count(), 149);
    EXPECT_EQ(combo.currentText().toStdString(), "Spcl Char");
    combo.setCurrentIndex(16);
    emit combo.activated(16);
    QTest::mouseClick(&widget<QAbstractButton>("specialcharacter"), Qt::LeftButton);
    EXPECT_TEXT(u"[\u00A9]", main().Text1.text());
    expectMirror();
}

TEST_F(ButtonPanelTest, HoveringWritesTheHelpLineAndAllGroupsHideTogether) {
    auto& v = startMain();
    auto& bold = widget<QAbstractButton>("bold");
    QTest::mouseMove(&bold);
    QApplication::processEvents();
    EXPECT_EQ(widget<QLineEdit>("helper").text().toStdString(),
              "Select text to be made bold and click.");
    EXPECT_EQ(bold.toolTip().toStdString(), "Make text bold");

    auto* panel = v.findChild<QWidget*>("tagButtons");
    ASSERT_NE(panel, nullptr);
    for (const char* name :
         {"General", "fonter", "former", "tabular", "extras", "misc", "align", "special", "bold",
          "italic", "Underline", "Combo3", "specialcharacter", "Combo4", "insert"})
        EXPECT_TRUE(panel->isAncestorOf(v.findChild<QWidget*>(name))) << name;
}

TEST_F(ButtonPanelTest, SizeBoxArrowsAndIconWrapTheSelection) {
    startMain();
    setPage(u"x", 0, 1);
    auto& size = widget<QLineEdit>("txtfontsize");
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
    widget<QPushButton>("btnfontsize").click();
    EXPECT_EQ(main().Text1.text(), String(u"<font size=\"6\">x</font>"));
    expectMirror();
}

TEST_F(ButtonPanelTest, ShiftF1OpensTheFontDialogAndOkHandsTheTextBack) {
    startMain();
    setPage(u"[Hello]", 1, 5);
    QTest::keyClick(&buffer(), Qt::Key_F1, Qt::ShiftModifier);
    QApplication::processEvents();
    auto& text = widget<QPlainTextEdit>("Text1", "Fonty");
    EXPECT_EQ(text.toPlainText().toStdString(), "Hello");
    auto& bold = widget<QPushButton>("bold", "Fonty");
    bold.click();
    EXPECT_EQ(text.toPlainText().toStdString(), "<B>Hello</B>");
    auto& ok = widget<QPushButton>("OKButton", "Fonty");
    EXPECT_TRUE(ok.isDefault());
    ok.click();
    QApplication::processEvents();
    EXPECT_EQ(main().Text1.text(), String(u"[<B>Hello</B>]"));
    EXPECT_EQ(views->view("Fonty"), nullptr);
}

} // namespace
