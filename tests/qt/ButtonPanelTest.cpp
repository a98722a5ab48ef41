// The real button groups beside the buffer: a click on a button of each group changes
// the page, and moving the mouse over one writes its help sentence.
#include "QtProgramTest.h"
#include "support/ProgramTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

using namespace testing_support;
using forms::String;

namespace {

class ButtonPanelTest : public QtProgramTest {
protected:
    template <class W> W& widget(const char* name) {
        auto* w = mainView().findChild<W*>(name);
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

} // namespace
