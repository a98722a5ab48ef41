// Front-end test fixture.
#include "QtProgramTest.h"

#include "core/Splash.h"

#include <QAccessible>
#include <QComboBox>

namespace testing_support {

tolva::qt::MainView& QtProgramTest::startMain() {
    program.start();
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
    EXPECT_EQ(buffer().toPlainText().toStdString(), shown.toStdString());
    QTextCursor c = buffer().textCursor();
    const auto& s = main().Text1.storage();
    EXPECT_EQ(c.selectionStart(), s.toDisplay(main().Text1.selStart()));
    EXPECT_EQ(c.selectionEnd(), s.toDisplay(main().Text1.selStart() + main().Text1.selLength()));
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

} // namespace testing_support
