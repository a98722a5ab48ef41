// Front-end test fixture.
#include "QtProgramTest.h"

#include "core/Splash.h"
#include "dialogs/FrmBrowser.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>

namespace testing_support {

tolva::qt::MainView& QtProgramTest::startMain() {
    program.launch();
    run([&] { program.window<Splash>().Frame1.Click(); });
    QApplication::processEvents();
    auto& v = mainView();
    v.activateWindow();
    buffer().setFocus();
    QApplication::processEvents();
    return v;
}

void QtProgramTest::expectMirror() {
    QString shown = tolva::qt::toQt(forms::displayForm(main().Text1.text()));
    EXPECT_EQ(buffer().shownPage().toStdString(), shown.toStdString());
    QTextCursor c = buffer().textCursor();
    EXPECT_EQ(buffer().fromWidget(c.selectionStart()), main().Text1.selStart());
    EXPECT_EQ(buffer().fromWidget(c.selectionEnd()),
              main().Text1.selStart() + main().Text1.selLength());
}

void QtProgramTest::setPage(forms::StringView text, int32_t start, int32_t length) {
    run([&] {
        main().Text1.setText(text);
        main().Text1.setSelStart(start);
        main().Text1.setSelLength(length);
    });
    buffer().setFocus();
}

std::string QtProgramTest::announced(QWidget* w) {
    QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    if (!a) return "<no accessible>";
    // On this platform a combo box is named by its text and announced with its label.
    if (qobject_cast<QComboBox*>(w))
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
            return other->text(QAccessible::Name).toStdString();
    return a->text(QAccessible::Name).toStdString();
}

void QtProgramTest::readerToggles(QWidget* w) {
    QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    if (!a || !a->actionInterface()) return ADD_FAILURE() << "no toggle action";
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

void QtProgramTest::readerSets(QWidget* w, const QString& text) {
    QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    if (!a || !a->editableTextInterface() || !a->textInterface())
        return ADD_FAILURE() << "no editable text";
    a->editableTextInterface()->replaceText(0, a->textInterface()->characterCount(), text);
}

void PreviewWindowTest::TearDown() {
    if (auto* b = program.loaded<FrmBrowser>()) run([&] { b->unload(); });
    QtProgramTest::TearDown();
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

tolva::qt::FormView* PreviewWindowTest::openPreview() {
    dialogs.expectFile(true, path);
    run([&] { main().saveas_Click(); });
    dialogs.expectMessage(u"Always save before checking preview", 64, u"Tip", forms::vbOK);
    QTest::keyClick(&buffer(), Qt::Key_F5);
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.done());
    return views->view("frmBrowser");
}

} // namespace testing_support
