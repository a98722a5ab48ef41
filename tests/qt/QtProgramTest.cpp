// Front-end test fixture.
#include "QtProgramTest.h"

#include "core/Splash.h"

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

} // namespace testing_support
