// The element dialogs in the real window: each opens from its menu item under its title, its
// fields are announced by their labels, and its build inserts into the real buffer.
#include "QtProgramTest.h"

#include "dialogs/LinkComplete.h"
#include "dialogs/PageProps.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>

#include <functional>

using namespace testing_support;
using forms::String;
using tolva::qt::FormView;

namespace {

class ElementDialogViewsTest : public QtProgramTest {
protected:
    // As the user opens it: a menu item, a button of the main window, or Ctrl+K.
    FormView* open(const char* opener, const char* form) {
        mainView().activateWindow();
        buffer().setFocus();
        if (std::string(opener) == "Ctrl+K")
            QTest::keyClick(&buffer(), Qt::Key_K, Qt::ControlModifier);
        else if (auto* a = mainView().findChild<QAction*>(opener))
            a->trigger();
        else if (auto* b = mainView().findChild<QAbstractButton*>(opener))
            click(b);
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
    void hidePageProps() {
        run([&] { program.window<PageProps>().hide(); });
    }
};

struct Dialog {
    const char* opener;
    const char* form;
    const char* title;
    std::vector<const char*> fields; // each object name, then what it is announced as
};
const Dialog kDialogs[] = {
    {"tableb",
     "tablecreater",
     "Create Table: Tolva",
     {"i", "Rows", "j", "Columns", "txtcaption", "Caption for the table", "txtborder", "Border",
      "txtcelpad", "Cellpadding", "txtcelspac", "Cell Spacing"}},
    {"hra",
     "hrule",
     "Insert Horizontal Rule: Tolva",
     {"Align", "Alignment", "Widther", "Width", "size", "Height", "Combo2", "Colour", "Check2",
      "Percentage", "Check1", "No Shade (Solid)"}},
    {"numberinga",
     "bulnumcreater",
     "Numbering",
     {"type", "Type:", "txtbulnumcreater", "Number of items", "btnbulnumcreater",
      "Create Numbered List"}},
    {"bulleta", "bulnumcreater", "Bullets", {"btnbulnumcreater", "Create Bulletted List"}},
    {"Ctrl+K",
     "linkcomplete",
     "Insert Hyperlink: Tolva",
     {"txttodisplay", "Text To Display", "linkurl", "Location/URL", "linkscreentip", "Screen Tip *",
      "mailid", "Mail Id", "subject", "Subject *", "mailscreentip", "Screen Tip *", "targets",
      "Target Frame *", "OKButton", "OK"}},
    {"mnuhyperlink", "linkcomplete", "Insert Hyperlink: Tolva", {}},
    {"imagea",
     "imager",
     "Insert Image: Tolva",
     {"imageurl", "Source", "txtheight", "Height", "txtwidth", "Width", "txtborder", "Border",
      "txtalternate", "Alternate      Text", "horispace", "Horizontal Spacing :", "verspace",
      "Vertical Spacing :", "txtalignment", "Align"}},
    // The object dialog has a button of the main window and no menu item.
    {"object",
     "objecter",
     "Insert Object",
     {"src", "Source/URL of the object", "Widther", "Width", "Heighter", "Height", "Volume",
      "Volume", "NoEmbed", "No Embed/ If embed is not available, this text will be displayed"}},
    {"mnupageproperties",
     "pageprops",
     "Page Properties: Tolva",
     {"Text1",       "Text",
      "Text2",       "Background",
      "Text3",       "Hyperlink",
      "Text4",       "Active Link",
      "Text5",       "Visited Link",
      "Combo2",      "Choose a colour",
      "Check1",      "Background picture",
      "Text6",       "Background picture location",
      "Check2",      "Watermark",
      "Text7",       "Top",
      "Text8",       "Left",
      "Text9",       "Source",
      "Text10",      "Loop :",
      "btnRollover", "Rollover effects"}},
};

TEST_F(ElementDialogViewsTest, EachOpensFromItsMenuItemUnderItsTitle) {
    startMain();
    hidePageProps();
    for (const Dialog& d : kDialogs) {
        SCOPED_TRACE(d.opener);
        FormView* v = open(d.opener, d.form);
        ASSERT_NE(v, nullptr);
        EXPECT_TRUE(v->isVisible());
        EXPECT_EQ(v->windowTitle().toStdString(), d.title);
    }
}

TEST_F(ElementDialogViewsTest, FieldsAreAnnouncedByTheirLabels) {
    startMain();
    for (const Dialog& d : kDialogs) {
        SCOPED_TRACE(d.opener);
        FormView* v = open(d.opener, d.form);
        ASSERT_NE(v, nullptr);
        for (size_t i = 0; i + 1 < d.fields.size(); i += 2)
            EXPECT_EQ(announced(at(v, d.fields[i])), d.fields[i + 1]) << d.fields[i];
    }
}

struct Build {
    const char* name;
    const char* opener;
    const char* form;
    String page;
    int32_t start, length;
    std::function<void(FormView*)> fill;
    const char* button;  // clicked to build, or
    const char* enterIn; // the field where Enter builds
    String result;
    bool staysOpen;
};

TEST_F(ElementDialogViewsTest, TheBuildInsertsIntoThePage) {
    startMain();
    const String image =
        u"<IMG SRC=\"a.gif\" HEIGHT=\"50%\" WIDTH=\"600%\" BORDER=0 align=\"Left\" "
        u"ALT=\"Images not available\"  hspace=\"4\"> ";
    const String embed =
        u"<EMBED src=\"a.mid\" CONTROLLER=\"FALSE\"  AUTOSTART=\"TRUE\" LOOP=\"FALSE\" "
        u"WIDTH=\"75\" HEIGHT=\"10\" VOLUME=\"50\"> <noembed>Sorry pal, there's no object for "
        u"you.</noembed>";
    const Build cases[] = {
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
        {"rule", "hra", "hrule", u"ab", 1, 0,
         [&](FormView* v) {
             at<QListWidget>(v, "Align")->setCurrentRow(2);
             typeInto(at<QLineEdit>(v, "Widther"), "40");
             click(at(v, "Check2"));
             EXPECT_EQ(shown(at<QLineEdit>(v, "Widther")), "40%");
             click(arrow(v, "Height up"));
             click(arrow(v, "Height up"));
             // On its box: the check box spans the row, and only its box and caption take clicks.
             auto* noshade = at<QCheckBox>(v, "Check1");
             QTest::mouseClick(noshade, Qt::LeftButton, {}, QPoint(6, noshade->height() / 2));
             auto* colour = at<QComboBox>(v, "Combo2");
             EXPECT_EQ(colour->currentText().toStdString(), "black");
             colour->setFocus();
             colour->lineEdit()->selectAll();
             QTest::keyClicks(colour, "teal");
         },
         "OKButton", nullptr, u"a<HR align=\"Right\" width=40% size=\"2\" color=\"teal\" NOSHADE>b",
         false},
        // The accessible toggle action changes a check box without a click.
        {"rule by a screen reader's toggles", "hra", "hrule", u"", 0, 0,
         [&](FormView* v) {
             typeInto(at<QLineEdit>(v, "Widther"), "30");
             at<QCheckBox>(v, "Check2")->toggle();
             at<QCheckBox>(v, "Check1")->toggle();
         },
         "OKButton", nullptr, u"<HR width=30% NOSHADE>", false},
        {"bullets, switched from numbering", "numberinga", "bulnumcreater", u"", 0, 0,
         [&](FormView* v) {
             EXPECT_EQ(open("bulleta", "bulnumcreater"), v) << "switched in place";
             at<QListWidget>(v, "type")->setCurrentRow(1);
             typeInto(at<QLineEdit>(v, "txtbulnumcreater"), "2");
             click(arrow(v, "Number of items up"));
         },
         "btnbulnumcreater", nullptr,
         u"<UL TYPE=\"circle\"> \r\n<LI> Point1\r\n<LI> Point2\r\n<LI> Point3\r\n</UL>\r\n", false},
        {"numbering", "numberinga", "bulnumcreater", u"", 0, 0, [](FormView*) {}, nullptr,
         "txtbulnumcreater", u"<OL TYPE=\"1\">\r\n<LI> Point1\r\n</OL>\r\n", false},
        {"link around the selection", "Ctrl+K", "linkcomplete", u"Go Home now", 3, 4,
         [&](FormView* v) {
             EXPECT_EQ(shown(at<QLineEdit>(v, "txttodisplay")), "Home");
             EXPECT_FALSE(at(v, "mailid")->isEnabled());
             at(v, "linkurl")->setFocus();
             QTest::keyClicks(at(v, "linkurl"), "x.htm");
         },
         nullptr, "linkurl", u"Go <A HREF=\"x.htm\">Home</A> now", false},
        {"mail link, the target list revealed", "mnuhyperlink", "linkcomplete", u"", 0, 0,
         [&](FormView* v) {
             auto* list = at<QListWidget>(v, "targets");
             EXPECT_FALSE(list->isVisible());
             const int before = v->height();
             click(at(v, "Command1"));
             QApplication::processEvents();
             EXPECT_TRUE(list->isVisible());
             EXPECT_FALSE(at(v, "Command1")->isVisible());
             EXPECT_GT(v->height(), before);
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(3)).center());
             EXPECT_EQ(program.loaded<LinkComplete>()->targetAttribute,
                       String(u" target=\"_blank\""));
             EXPECT_EQ(open("mnulinkmail", "linkcomplete"), v) << "the open dialog comes forward";
             EXPECT_TRUE(at<QRadioButton>(v, "Option2")->isChecked());
             EXPECT_FALSE(list->isEnabled());
             QTest::keyClicks(at(v, "mailid"), "a@b.c");
             click(at(v, "Check1"));
         },
         "OKButton", nullptr, u"<A HREF=\"mailto:a@b.c\" STYLE=\"text-decoration:none\"></A>",
         false},
        {"image, twice", "imagea", "imager", u"ab", 1, 0,
         [&](FormView* v) {
             QTest::keyClicks(at(v, "imageurl"), "a.gif");
             auto* hspace = at<QLineEdit>(v, "horispace");
             typeInto(hspace, "4");
             click(arrow(v, "Horizontal Spacing up"));
             QTest::keyClick(hspace, Qt::Key_Up); // the box's own keys step it too
             click(arrow(v, "Horizontal Spacing down"));
             click(arrow(v, "Horizontal Spacing down"));
             click(arrow(v, "Border down")); // stays at 0
             click(at(v, "dimen"));
             auto* height = at<QLineEdit>(v, "txtheight");
             typeInto(height, "50%");
             EXPECT_EQ(shown(height), "50") << "the percent sign goes to its check box";
             click(at(v, "OKButton")); // the first of two: the image dialog stays open
         },
         "OKButton", nullptr, u"a" + image + image + u"b", true},
        {"object", "object", "objecter", u"", 0, 0,
         [&](FormView* v) {
             EXPECT_EQ(at<QLabel>(v, "StatusBar1")->text().toStdString(),
                       "Insert Objects. Objects are not widely supported.");
             auto* volume = at<QLineEdit>(v, "Volume");
             volume->setFocus();
             volume->end(false);
             dialogs.expectMessage(u"Invalid Entry. Specify a valid number", forms::vbCritical,
                                   u"Assistant: Tolva", forms::vbOK);
             QTest::keyClicks(volume, "x");
             EXPECT_EQ(shown(volume), "50");
             at(v, "src")->setFocus();
             QTest::keyClicks(at(v, "src"), "a.mid");
             click(at(v, "Autostart"));
         },
         nullptr, "src", embed, false},
        {"object by a screen reader's toggle", "object", "objecter", u"", 0, 0,
         [&](FormView* v) {
             QTest::keyClicks(at(v, "src"), "a.mid");
             at<QCheckBox>(v, "Autostart")->toggle();
         },
         nullptr, "src", embed, false},
        {"page properties", "mnupageproperties", "pageprops",
         u"<html></HEAD>\r\n<body bgcolor=white>\r\n</html>", 0, 0,
         [&](FormView* v) {
             typeInto(at<QLineEdit>(v, "Text7"), "5");
             click(arrow(v, "Top up"));
         },
         "OKButton", nullptr,
         u"<html></HEAD>\r\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" "
         u"vlink=\"red\" alink=\"maroon\" topmargin=\"6\"> \r\n\r\n\r\n\r\n</html>",
         false},
    };
    for (const Build& c : cases) {
        SCOPED_TRACE(c.name);
        hidePageProps();
        setPage(c.page, c.start, c.length);
        FormView* v = open(c.opener, c.form);
        ASSERT_NE(v, nullptr);
        c.fill(v);
        if (c.button) {
            click(at(v, c.button));
        } else {
            v->activateWindow();
            auto* field = at(v, c.enterIn);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        }
        QApplication::processEvents();
        EXPECT_EQ(show(text()), show(c.result));
        expectMirror();
        FormView* after = views->view(c.form);
        EXPECT_EQ(after && after->isVisible(), c.staysOpen);
    }
}

TEST_F(ElementDialogViewsTest, EscapeAndEnterOnCancelCloseWithoutInserting) {
    startMain();
    // The table dialog has no cancel button: Escape is its close box. Enter presses the
    // focused button, not the default one.
    const std::tuple<const char*, const char*, const char*, Qt::Key> cases[] = {
        {"hra", "hrule", "Widther", Qt::Key_Escape},
        {"tableb", "tablecreater", "i", Qt::Key_Escape},
        {"imagea", "imager", "txtalternate", Qt::Key_Escape},
        {"hra", "hrule", "CancelButton", Qt::Key_Return},
        {"imagea", "imager", "CancelButton", Qt::Key_Return},
    };
    for (auto [opener, form, field, key] : cases) {
        SCOPED_TRACE(std::string(form) + " " + field);
        setPage(u"ab", 1);
        FormView* v = open(opener, form);
        ASSERT_NE(v, nullptr);
        v->activateWindow();
        at(v, field)->setFocus();
        QTest::keyClick(at(v, field), key);
        QApplication::processEvents();
        EXPECT_EQ(views->view(form), nullptr);
        EXPECT_EQ(show(text()), show(u"ab"));
    }
}

TEST_F(ElementDialogViewsTest, TheRowDialogIsTheTableDialogCutToRowsAndColumns) {
    startMain();
    setPage(u"", 0);
    FormView* full = open("tableb", "tablecreater");
    ASSERT_NE(full, nullptr);
    const int fullHeight = full->height();
    EXPECT_EQ(open("rowa", "tablecreater"), full) << "switched in place";
    EXPECT_EQ(full->windowTitle().toStdString(), "Insert Row");
    EXPECT_FALSE(at<QGroupBox>(full, "Frame2")->isVisible());
    EXPECT_TRUE(at<QGroupBox>(full, "Frame1")->isVisible());
    EXPECT_LT(full->height(), fullHeight);
    EXPECT_EQ(shown(at<QLineEdit>(full, "i")), "1");
    auto* build = at<QAbstractButton>(full, "btnCreateTbl");
    EXPECT_EQ(build->text().toStdString(), "Insert Row");
    click(build);
    EXPECT_EQ(show(text()), show(u"<TR>\r\n <TD> row 1 col 1 </TD> \r\n <TD> row 1 col 2 </TD> "
                                 u"\r\n</TR>\r\n"));
    expectMirror();
}

TEST_F(ElementDialogViewsTest, AColourDroppedOnAColourBoxSetsIt) {
    startMain();
    FormView* v = views->view("pageprops");
    ASSERT_NE(v, nullptr);
    auto* list = at<QComboBox>(v, "Combo2");
    list->setCurrentIndex(list->findText("green"));
    emit list->activated(list->currentIndex());
    auto* link = at<QLineEdit>(v, "Text3");

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

TEST_F(ElementDialogViewsTest, RolloverListsTheInstalledFontsAndHandsItsBlockOver) {
    startMain();
    click(at(views->view("pageprops"), "btnRollover"));
    QApplication::processEvents();
    FormView* r = views->view("rollover");
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    EXPECT_EQ(r->windowTitle().toStdString(),
              "Font And Effects For Rollover (Hyperlinks) :   Tolva");
    const std::pair<const char*, const char*> fields[] = {
        {"Combo1", "Font Name and Colour"}, {"List1", "Font Style"},    {"List2", "Size"},
        {"nodecor", "No text decoration"},  {"Underline", "Underline"}, {"Allcaps", "All caps"},
        {"Smallcaps", "Small caps"},
    };
    for (auto [name, label] : fields)
        EXPECT_EQ(announced(at(r, name)), label) << name;
    auto* fonts = at<QComboBox>(r, "Combo1");
    QStringList families = QFontDatabase::families();
    EXPECT_EQ(fonts->count(), std::max<qsizetype>(0, families.size() - 1));
    if (families.size() > 1) {
        EXPECT_EQ(fonts->itemText(0), families[1]);
    }

    click(at(r, "OKButton"));
    QApplication::processEvents();
    EXPECT_EQ(views->view("rollover"), nullptr);
    EXPECT_EQ(program.loaded<PageProps>()->rolypoly.text().rfind(u"<style rolloverstyle>", 0), 0u);
}

} // namespace
