// Page properties and the rollover dialog in the real window: the menu opens it, fields are
// announced by their labels, OK builds into the real buffer, a dropped colour sets a box.
#include "QtProgramTest.h"

#include "dialogs/PageProps.h"
#include "dialogs/Rollover.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>

using namespace testing_support;
using forms::String;

namespace {

class PagePropsViewTest : public QtProgramTest {
protected:
    template <class W> W* named(QWidget* view, const QString& name) {
        for (W* w : view->findChildren<W*>()) {
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (w->accessibleName() == name ||
                (w->accessibleName().isEmpty() && b && b->text() == name))
                return w;
        }
        return nullptr;
    }
    String page() { return main().Text1.text(); }
};

} // namespace

TEST_F(PagePropsViewTest, OpensFromTheMenuWithNamedFieldsAndBuildsIntoTheBuffer) {
    startMain();
    run([&] {
        program.window<PageProps>().hide();
        main().Text1.setText(u"<html></HEAD>\r\n<body bgcolor=white>\r\n</html>");
    });
    mainView().findChild<QAction*>("mnupageproperties")->trigger();
    QApplication::processEvents();
    tolva::qt::FormView* v = views->view("pageprops");
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    for (const char* name : {"Text", "Background", "Hyperlink", "Active Link", "Visited Link",
                             "Choose a colour", "Top", "Left", "Source", "Loop :"})
        EXPECT_TRUE(named<QLineEdit>(v, name) || named<QComboBox>(v, name)) << name;
    for (const char* name : {"Background picture", "Watermark", "Rollover effects", "OK"})
        EXPECT_NE(named<QAbstractButton>(v, name), nullptr) << name;

    QLineEdit* top = named<QLineEdit>(v, "Top");
    top->setFocus();
    top->selectAll();
    QTest::keyClicks(top, "5");
    QTest::mouseClick(named<QAbstractButton>(v, "Top up"), Qt::LeftButton);
    EXPECT_EQ(top->text(), "6");
    QTest::mouseClick(named<QAbstractButton>(v, "OK"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(tolva::qt::toQt(page()).toStdString(),
              "<html></HEAD>\r\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" "
              "vlink=\"red\" alink=\"maroon\" topmargin=\"6\"> \r\n\r\n\r\n\r\n</html>");
    EXPECT_FALSE(v->isVisible());
    expectMirror();
}

TEST_F(PagePropsViewTest, AColourDroppedOnAColourBoxSetsIt) {
    startMain();
    tolva::qt::FormView* v = views->view("pageprops");
    ASSERT_NE(v, nullptr);
    auto* list = named<QComboBox>(v, "Choose a colour");
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(list->findText("green"));
    emit list->activated(list->currentIndex());
    auto* link = named<QLineEdit>(v, "Hyperlink");
    ASSERT_NE(link, nullptr);

    QMimeData mime;
    mime.setText("green");
    QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(link, &drop);
    EXPECT_EQ(link->text(), "green");
    EXPECT_EQ(tolva::qt::toQt(program.loaded<PageProps>()->Text3.text()), "green");
}

TEST_F(PagePropsViewTest, RolloverListsTheInstalledFontsAndHandsItsBlockOver) {
    startMain();
    tolva::qt::FormView* v = views->view("pageprops");
    QTest::mouseClick(named<QAbstractButton>(v, "Rollover effects"), Qt::LeftButton);
    QApplication::processEvents();
    tolva::qt::FormView* r = views->view("rollover");
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    auto* fonts = named<QComboBox>(r, "Font Name and Colour");
    ASSERT_NE(fonts, nullptr);
    QStringList families = QFontDatabase::families();
    EXPECT_EQ(fonts->count(), std::max<qsizetype>(0, families.size() - 1));
    if (families.size() > 1) {
        EXPECT_EQ(fonts->itemText(0), families[1]);
    }
    EXPECT_NE(named<QListWidget>(r, "Font Style"), nullptr);
    EXPECT_NE(named<QListWidget>(r, "Size"), nullptr);
    for (const char* name : {"No text decoration", "Underline", "All caps", "Small caps"})
        EXPECT_NE(named<QAbstractButton>(r, name), nullptr) << name;

    QTest::mouseClick(named<QAbstractButton>(r, "OK"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(views->view("rollover"), nullptr);
    EXPECT_EQ(program.loaded<PageProps>()->rolypoly.text().rfind(u"<style rolloverstyle>", 0), 0u);
}
