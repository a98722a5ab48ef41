// Front-end test fixture.
#include "QtProgramTest.h"

#include "core/Splash.h"

namespace testing_support {

tolva::qt::MainView& QtProgramTest::startMain() {
    program.start();
    run([&] { program.frmSplash().Frame1.Click(); });
    QApplication::processEvents();
    auto& v = mainView();
    v.activateWindow();
    buffer().setFocus();
    QApplication::processEvents();
    return v;
}

void QtProgramTest::expectMirror() {
    forms::String model = main().Text1.text();
    QString shown;
    for (size_t i = 0; i < model.size(); ++i) {
        if (model[i] == u'\r') {
            shown.append(QChar(u'\n'));
            if (i + 1 < model.size() && model[i + 1] == u'\n') ++i;
        } else {
            shown.append(QChar(model[i]));
        }
    }
    EXPECT_EQ(buffer().toPlainText().toStdString(), shown.toStdString());
    QTextCursor c = buffer().textCursor();
    const auto& s = main().Text1.storage();
    EXPECT_EQ(c.selectionStart(), s.toDisplay(main().Text1.selStart()));
    EXPECT_EQ(c.selectionEnd(), s.toDisplay(main().Text1.selStart() + main().Text1.selLength()));
}

} // namespace testing_support
