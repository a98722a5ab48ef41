// The element dialogs in the real window: each opens from its menu item, its fields are
// announced by their labels, and the widgets a user (or a screen reader) works fill the tags
// its build inserts into the buffer.
#include "QtProgramTest.h"

#include "dialogs/PageProps.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>

#include <algorithm>
#include <functional>

using namespace testing_support;
using forms::String;
using tolva::qt::FormView;

namespace {

class ElementDialogViewsTest : public QtProgramTest {
protected:
    // As the user opens it: a menu item, or Ctrl+K.
    FormView* open(const char* opener, const char* form) {
        mainView().activateWindow();
        buffer().setFocus();
        if (std::string(opener) == "Ctrl+K")
            QTest::keyClick(&buffer(), Qt::Key_K, Qt::ControlModifier);
        else if (auto* a = mainView().findChild<QAction*>(opener))
            a->trigger();
        else
            ADD_FAILURE() << "no way to open " << form << " by " << opener;
        QApplication::processEvents();
        return views->view(form);
    }
    template <class W = QWidget> static W* at(QWidget* v, const char* name) {
        auto* w = v->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // An arrow beside a numeric box, found by the name it is announced by.
    static QAbstractButton* arrow(QWidget* v, const QString& name) {
        for (auto* b : v->findChildren<QAbstractButton*>())
            if (b->accessibleName() == name) return b;
        ADD_FAILURE() << name.toStdString();
        return nullptr;
    }
    static void click(QWidget* w) {
        if (w) QTest::mouseClick(w, Qt::LeftButton);
    }
    // Selects the box's text and types over it, as a user does.
    static void typeInto(QLineEdit* box, const QString& s) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, s);
    }
    static std::string shown(QLineEdit* box) { return box->text().toStdString(); }
};

struct Build {
    const char* name;
    const char* opener;
    const char* form;
    String page;
    int32_t start, length;
    std::function<void(FormView*)> fill;
    const char* button; // clicked to build, or
    const char* keyIn;  // the field where the key is pressed
    String result;
    bool staysOpen;
    Qt::Key key = Qt::Key_Return;
};

TEST_F(ElementDialogViewsTest, TheBuildInsertsIntoThePage) {
    startMain();
    // Page properties come forward once, a second after start; on a loaded machine that
    // second ends inside a case and the keys meant for its dialog go to page properties.
    run([&] { main().Timer3.setEnabled(false); });
    const String image =
        u"<IMG SRC=\"a.gif\" HEIGHT=\"50%\" WIDTH=\"600%\" BORDER=0 align=\"Left\" "
        u"ALT=\"Images not available\"  hspace=\"4\"> ";
    const Build cases[] = {
        // The table dialog has no cancel button: Escape is its close box. Enter presses the
        // focused button, not the default one.
        {"table closed by Escape", "tableb", "tablecreater", u"ab", 1, 0, [](FormView*) {}, nullptr,
         "i", u"ab", false, Qt::Key_Escape},
        {"image, Enter on Cancel", "imagea", "imager", u"ab", 1, 0, [](FormView*) {}, nullptr,
         "CancelButton", u"ab", false},
        {"table", "tableb", "tablecreater", u"<BODY></BODY>", 6, 0,
         [&](FormView* v) {
             typeInto(at<QLineEdit>(v, "i"), "1");
             click(arrow(v, "Rows down")); // stops at 1
             click(arrow(v, "Rows up"));
             click(arrow(v, "Border down"));
             typeInto(at<QLineEdit>(v, "j"), "1");
             // The user edits the page meanwhile: the table goes where the caret is at the click.
             setPage(u"<BODY>x</BODY>", 7);
         },
         "btnCreateTbl", nullptr,
         u"<BODY>x<TABLE BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  "
         u"\r\n<CAPTION></CAPTION>"
         u"\r\n<TR>\r\n <TD> row 1 col 1 </TD> \r\n</TR>\r\n<TR>\r\n <TD> row 2 col 1 </TD> "
         u"\r\n</TR>\r\n</TABLE>\r\n</BODY>",
         false},
        {"row, the table dialog cut to rows and columns", "tableb", "tablecreater", u"", 0, 0,
         [&](FormView* v) {
             const int fullHeight = v->height();
             EXPECT_EQ(open("rowa", "tablecreater"), v) << "switched in place";
             EXPECT_FALSE(at(v, "Frame2")->isVisible());
             EXPECT_LT(v->height(), fullHeight);
         },
         "btnCreateTbl", nullptr,
         u"<TR>\r\n <TD> row 1 col 1 </TD> \r\n <TD> row 1 col 2 </TD> \r\n</TR>\r\n", false},
        {"rule, partly by a screen reader", "hra", "hrule", u"ab", 1, 0,
         [&](FormView* v) {
             EXPECT_EQ(announced(at(v, "Widther")), "Width");
             EXPECT_EQ(announced(at(v, "Align")), "Alignment");
             EXPECT_EQ(announced(at(v, "Combo2")), "Colour");
             at<QListWidget>(v, "Align")->setCurrentRow(2);
             readerSets(at(v, "Widther"), "40");
             readerToggles(at(v, "Check2"));
             EXPECT_EQ(shown(at<QLineEdit>(v, "Widther")), "40%");
             click(arrow(v, "Height up"));
             click(arrow(v, "Height up"));
             // On its box: the check box spans the row, and only its box and caption take clicks.
             auto* noshade = at<QCheckBox>(v, "Check1");
             QTest::mouseClick(noshade, Qt::LeftButton, {}, QPoint(6, noshade->height() / 2));
             auto* colour = at<QComboBox>(v, "Combo2");
             colour->setFocus();
             colour->lineEdit()->selectAll();
             QTest::keyClicks(colour, "teal");
         },
         "OKButton", nullptr, u"a<HR align=\"Right\" width=40% size=\"2\" color=\"teal\" NOSHADE>b",
         false},
        {"bullets, switched from numbering", "numberinga", "bulnumcreater", u"", 0, 0,
         [&](FormView* v) {
             EXPECT_EQ(open("bulleta", "bulnumcreater"), v) << "switched in place";
             // The count has a label in view and is announced by what it holds.
             QWidget* count = at(v, "txtbulnumcreater");
             EXPECT_EQ(announced(count), "Number of items");
             auto labels = v->findChildren<QLabel*>();
             EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [count](QLabel* l) {
                 return l->buddy() == count && l->isVisible() && !l->text().isEmpty();
             }));
             at<QListWidget>(v, "type")->setCurrentRow(1);
             typeInto(at<QLineEdit>(v, "txtbulnumcreater"), "2");
             click(arrow(v, "Number of items up"));
         },
         "btnbulnumcreater", nullptr,
         u"<UL TYPE=\"circle\"> \r\n<LI> Point1\r\n<LI> Point2\r\n<LI> Point3\r\n</UL>\r\n", false},
        {"link around the selection", "Ctrl+K", "linkcomplete", u"Go Home now", 3, 4,
         [&](FormView* v) {
             EXPECT_EQ(shown(at<QLineEdit>(v, "txttodisplay")), "Home");
             at(v, "linkurl")->setFocus();
             QTest::keyClicks(at(v, "linkurl"), "x.htm");
         },
         nullptr, "linkurl", u"Go <A HREF=\"x.htm\">Home</A> now", false},
        {"image, twice", "imagea", "imager", u"ab", 1, 0,
         [&](FormView* v) {
             QTest::keyClicks(at(v, "imageurl"), "a.gif");
             auto* hspace = at<QLineEdit>(v, "horispace");
             typeInto(hspace, "4");
             QTest::keyClick(hspace, Qt::Key_Up); // the box's own keys step it as its arrows do
             click(arrow(v, "Horizontal Spacing down"));
             click(at(v, "dimen"));
             auto* height = at<QLineEdit>(v, "txtheight");
             typeInto(height, "50%");
             EXPECT_EQ(shown(height), "50") << "the percent sign goes to its check box";
             click(at(v, "OKButton")); // the first of two: the image dialog stays open
         },
         "OKButton", nullptr, u"a" + image + image + u"b", true},
    };
    for (const Build& c : cases) {
        SCOPED_TRACE(c.name);
        run([&] { program.window<PageProps>().hide(); });
        setPage(c.page, c.start, c.length);
        FormView* v = open(c.opener, c.form);
        ASSERT_NE(v, nullptr);
        c.fill(v);
        if (c.button) {
            click(at(v, c.button));
        } else {
            v->activateWindow();
            auto* field = at(v, c.keyIn);
            field->setFocus();
            QTest::keyClick(field, c.key);
        }
        QApplication::processEvents();
        EXPECT_EQ(show(text()), show(c.result));
        expectMirror();
        FormView* after = views->view(c.form);
        EXPECT_EQ(after && after->isVisible(), c.staysOpen);
    }
}

// A screen reader or switch access chooses a list item by selecting it, without making it
// current; the build must take that item, and the reader hears the list's tool tip.
TEST_F(ElementDialogViewsTest, AListItemSelectedByAScreenReaderIsTheChoice) {
    startMain();
    run([&] { program.window<PageProps>().hide(); });
    struct Case {
        const char* opener;
        const char* form;
        const char* list;
        const char* reveal; // a button that shows the list first
    };
    for (const Case& c : {Case{"numberinga", "bulnumcreater", "type", nullptr},
                          Case{"mnuhyperlink", "linkcomplete", "targets", "Command1"}}) {
        SCOPED_TRACE(c.form);
        FormView* v = open(c.opener, c.form);
        ASSERT_NE(v, nullptr);
        if (c.reveal) click(at(v, c.reveal));
        auto* list = at<QListWidget>(v, c.list);
        ASSERT_TRUE(list && list->count() >= 3);
        auto* model = dynamic_cast<forms::ListBox*>(v->form().find(c.list));
        ASSERT_NE(model, nullptr);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list);
        EXPECT_EQ(reader->text(QAccessible::Description), list->toolTip());
        auto expectChoice = [&](int row, const char* how) {
            EXPECT_EQ(model->listIndex(), row) << how;
            EXPECT_EQ(list->currentRow(), row) << how;
            EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(row)}) << how;
        };
        // The item's own action, as the reader's "activate" makes it.
        reader->child(2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        expectChoice(2, "toggled");
        // The list's selection, as the reader's selection commands make it.
        reader->tableInterface()->selectRow(1);
        expectChoice(1, "row selected");
        reader->tableInterface()->unselectRow(1);
        expectChoice(1, "the choice stays when unselected");
        list->setCurrentRow(0);
        expectChoice(0, "by keyboard or mouse, as before");
        run([&] { v->form().hide(); });
    }
}

TEST_F(ElementDialogViewsTest, AColourDroppedOnAColourBoxSetsIt) {
    startMain();
    FormView* v = views->view("pageprops");
    ASSERT_NE(v, nullptr);
    auto* list = at<QComboBox>(v, "Combo2");
    list->setCurrentIndex(list->findText("green"));
    emit list->activated(list->currentIndex());
    auto* link = at<QLineEdit>(v, "Text3");
    EXPECT_EQ(announced(at(v, "Text6")), "Background picture location");

    QMimeData mime;
    mime.setText("green");
    QPoint p(5, 5);
    QDragEnterEvent enter(p, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(p), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(link, &drop);
    EXPECT_EQ(shown(link), "green");
    EXPECT_EQ(tolva::qt::toQt(program.loaded<PageProps>()->Text3.text()), "green");
}

} // namespace
