// The link, image and object dialogs in the real window: opened from their menu items,
// fields announced by their labels, numeric boxes typed and stepped, tags in the buffer.
#include "QtProgramTest.h"

#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/Objecter.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace testing_support;
using forms::String;

namespace {

class LinkImageObjectViewsTest : public QtProgramTest {
protected:
    void setPage(forms::StringView text, int32_t start, int32_t length = 0) {
        run([&] {
            main().Text1.setText(text);
            main().Text1.setSelStart(start);
            main().Text1.setSelLength(length);
        });
    }
    tolva::qt::FormView* openFromMenu(const char* item, const char* form) {
        mainView().findChild<QAction*>(item)->trigger();
        QApplication::processEvents();
        return views->view(form);
    }
    template <class W> W* in(tolva::qt::FormView* v, const char* name) {
        return v->findChild<W*>(name);
    }
    static std::string nameOf(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name).toStdString() : std::string();
    }
    static std::string labelOf(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
            return other->text(QAccessible::Name).toStdString();
        return {};
    }
    static QToolButton* arrow(tolva::qt::FormView* v, const QString& name) {
        for (auto* b : v->findChildren<QToolButton*>())
            if (b->accessibleName() == name) return b;
        return nullptr;
    }
    String text() { return main().Text1.text(); }
};

TEST_F(LinkImageObjectViewsTest, LinkDialogByItsShortcutWrapsTheSelection) {
    startMain();
    setPage(u"Go Home now", 3, 4);
    QTest::keyClick(&buffer(), Qt::Key_K, Qt::ControlModifier);
    QApplication::processEvents();
    auto* v = views->view("linkcomplete");
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle().toStdString(), "Insert Hyperlink: Tolva");
    const std::pair<const char*, const char*> fields[] = {
        {"txttodisplay", "Text To Display"},
        {"linkurl", "Location/URL"},
        {"linkscreentip", "Screen Tip *"},
        {"mailid", "Mail Id"},
        {"subject", "Subject *"},
        {"mailscreentip", "Screen Tip *"},
    };
    for (auto [name, label] : fields) {
        auto* w = in<QLineEdit>(v, name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(nameOf(w), label) << name;
    }
    EXPECT_EQ(in<QLineEdit>(v, "txttodisplay")->text().toStdString(), "Home");
    EXPECT_FALSE(in<QLineEdit>(v, "mailid")->isEnabled());
    EXPECT_EQ(nameOf(in<QPushButton>(v, "OKButton")), "OK");

    auto* url = in<QLineEdit>(v, "linkurl");
    url->setFocus();
    QTest::keyClicks(url, "x.htm");
    QTest::keyClick(url, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(text(), String(u"Go <A HREF=\"x.htm\">Home</A> now"));
    EXPECT_EQ(views->view("linkcomplete"), nullptr);
    expectMirror();
}

TEST_F(LinkImageObjectViewsTest, MailLinkFromTheMenuAndTheTargetListRevealed) {
    startMain();
    setPage(u"", 0);
    auto* v = openFromMenu("mnuhyperlink", "linkcomplete");
    ASSERT_NE(v, nullptr);
    auto* list = in<QListWidget>(v, "targets");
    EXPECT_FALSE(list->isVisible());
    int before = v->height();
    QTest::mouseClick(in<QPushButton>(v, "Command1"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(in<QPushButton>(v, "Command1")->isVisible());
    EXPECT_GT(v->height(), before);
    EXPECT_EQ(nameOf(list), "Target Frame *");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(program.loaded<LinkComplete>()->targetAttribute, String(u" target=\"_blank\""));

    EXPECT_EQ(openFromMenu("mnulinkmail", "linkcomplete"), v) << "the open dialog comes forward";
    EXPECT_TRUE(in<QRadioButton>(v, "Option2")->isChecked());
    EXPECT_FALSE(list->isEnabled());
    auto* mail = in<QLineEdit>(v, "mailid");
    QTest::keyClicks(mail, "a@b.c");
    QTest::mouseClick(in<QCheckBox>(v, "Check1"), Qt::LeftButton);
    QTest::mouseClick(in<QPushButton>(v, "OKButton"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(text(), String(u"<A HREF=\"mailto:a@b.c\" STYLE=\"text-decoration:none\"></A>"));
    expectMirror();
}

TEST_F(LinkImageObjectViewsTest, ImageDialogFieldsArrowsAndTwoInsertions) {
    startMain();
    setPage(u"ab", 1);
    auto* v = openFromMenu("imagea", "imager");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle().toStdString(), "Insert Image: Tolva");
    const std::pair<const char*, const char*> fields[] = {
        {"imageurl", "Source"},
        {"txtheight", "Height"},
        {"txtwidth", "Width"},
        {"txtborder", "Border"},
        {"txtalternate", "Alternate      Text"},
        {"horispace", "Horizontal Spacing :"},
        {"verspace", "Vertical Spacing :"},
    };
    for (auto [name, label] : fields) {
        auto* w = in<QLineEdit>(v, name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(nameOf(w), label) << name;
    }
    auto* align = in<QComboBox>(v, "txtalignment");
    // On this platform a combo box is named by its text and announced with its label.
    EXPECT_EQ(labelOf(align), "Align");
    EXPECT_EQ(align->count(), 10);
    EXPECT_EQ(align->currentText().toStdString(), "Left");

    QTest::keyClicks(in<QLineEdit>(v, "imageurl"), "a.gif");
    auto* hspace = in<QLineEdit>(v, "horispace");
    hspace->setFocus();
    hspace->selectAll();
    QTest::keyClicks(hspace, "4");
    EXPECT_EQ(hspace->text().toStdString(), "4");
    QToolButton* up = arrow(v, "Horizontal Spacing : up");
    QToolButton* down = arrow(v, "Horizontal Spacing : down");
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(hspace->text().toStdString(), "5");
    QTest::keyClick(hspace, Qt::Key_Up);
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(hspace->text().toStdString(), "4");
    QToolButton* borderDown = arrow(v, "Border down");
    ASSERT_NE(borderDown, nullptr);
    QTest::mouseClick(borderDown, Qt::LeftButton);
    EXPECT_EQ(in<QLineEdit>(v, "txtborder")->text().toStdString(), "0") << "floor 0";

    auto* sized = in<QCheckBox>(v, "dimen");
    QTest::mouseClick(sized, Qt::LeftButton);
    auto* height = in<QLineEdit>(v, "txtheight");
    EXPECT_TRUE(height->isEnabled());
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, "50%");
    EXPECT_EQ(height->text().toStdString(), "50");
    EXPECT_TRUE(in<QCheckBox>(v, "diminper")->isChecked());

    auto* insert = in<QPushButton>(v, "OKButton");
    QTest::mouseClick(insert, Qt::LeftButton);
    QTest::mouseClick(insert, Qt::LeftButton);
    const String tag = u"<IMG SRC=\"a.gif\" HEIGHT=\"50%\" WIDTH=\"600%\" BORDER=0 align=\"Left\" "
                       u"ALT=\"Images not available\"  hspace=\"4\"> ";
    EXPECT_EQ(text(), u"a" + tag + tag + u"b");
    EXPECT_TRUE(v->isVisible()) << "the image dialog stays open";
    expectMirror();

    // The page goes on being edited; Escape closes the dialog.
    QTest::keyClick(in<QLineEdit>(v, "txtalternate"), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(views->view("imager"), nullptr);
}

TEST_F(LinkImageObjectViewsTest, ObjectDialogGuardsItsNumbersAndInsertsOnEnter) {
    startMain();
    setPage(u"", 0);
    // The object dialog has a button of the main window and no menu item.
    auto* opener = mainView().findChild<QAbstractButton*>("object");
    ASSERT_NE(opener, nullptr);
    QTest::mouseClick(opener, Qt::LeftButton);
    QApplication::processEvents();
    auto* v = views->view("objecter");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle().toStdString(), "Insert Object");
    const std::pair<const char*, const char*> fields[] = {
        {"src", "Source/URL of the object"},
        {"Widther", "Width"},
        {"Heighter", "Height"},
        {"Volume", "Volume"},
        {"NoEmbed", "No Embed/ If embed is not available, this text will be displayed"},
    };
    for (auto [name, label] : fields) {
        auto* w = in<QLineEdit>(v, name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(nameOf(w), label) << name;
    }
    EXPECT_EQ(in<QLabel>(v, "StatusBar1")->text().toStdString(),
              "Insert Objects. Objects are not widely supported.");

    auto* volume = in<QLineEdit>(v, "Volume");
    volume->setFocus();
    volume->end(false);
    dialogs.expectMessage(u"Invalid Entry. Specify a valid number", forms::vbCritical,
                          u"Assistant: Tolva", forms::vbOK);
    QTest::keyClicks(volume, "x");
    EXPECT_EQ(volume->text().toStdString(), "50");

    auto* source = in<QLineEdit>(v, "src");
    source->setFocus();
    QTest::keyClicks(source, "a.mid");
    QTest::mouseClick(in<QCheckBox>(v, "Autostart"), Qt::LeftButton);
    QTest::keyClick(source, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(text(), String(u"<EMBED src=\"a.mid\" CONTROLLER=\"FALSE\"  AUTOSTART=\"TRUE\" "
                             u"LOOP=\"FALSE\" WIDTH=\"75\" HEIGHT=\"10\" VOLUME=\"50\"> "
                             u"<noembed>Sorry pal, there's no object for you.</noembed>"));
    EXPECT_EQ(views->view("objecter"), nullptr);
    expectMirror();
}

} // namespace
