// The real window and the real watcher: a page's file written by another program brings
// the question, after saves that replace the file (Tolva's or another editor's) too, and
// only once the main window is active.
#include "QtProgramTest.h"

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

using namespace testing_support;
using tolva::qt::fromQt;

namespace {

class FileWatchViewTest : public QtProgramTest {
protected:
    QTemporaryDir dir;
    QString page = dir.filePath(QStringLiteral("page.html"));

    void writeOutside(const std::string& bytes) {
        std::ofstream out(page.toStdString(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    void openPage() {
        writeOutside("a\r\n");
        run([&] { main().openPage(fromQt(page)); });
    }
    // With changes made here, the question says they would be lost and defaults to No.
    void expectReload(int answer, bool changedHere = false) {
        dialogs.expectMessage(
            u"The file " + fromQt(page) + u" was changed by another program. Reload it" +
                (changedHere ? u" and lose the changes made here?" : u"?"),
            forms::vbYesNo + forms::vbQuestion + (changedHere ? forms::vbDefaultButton2 : 0),
            u"Tolva", answer);
    }
};

TEST_F(FileWatchViewTest, AChangeOutsideIsAskedOnceTheWindowIsActiveAlsoAfterSavesThatReplaceIt) {
    startMain();
    openPage();
    QTRY_VERIFY(main().active());
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!main().active());
    writeOutside("b\r\n");
    QTest::qWait(400); // any question now fails the test
    writeOutside("bb\r\n");
    QTest::qWait(400);
    expectReload(forms::vbYes);
    mainView().activateWindow();
    QTRY_VERIFY(dialogs.done());
    EXPECT_EQ(main().Text1.text(), forms::String(u"bb\r\n"));

    // A save renames a new file over the watched one; the watch must follow it.
    run([&] { main().save_Click(); });
    QTest::qWait(400);
    expectReload(forms::vbYes);
    writeOutside("ccc\r\n");
    QTRY_VERIFY(dialogs.done());

    // Other editors save as Tolva does, a new file renamed over the old one; later writes
    // in place must still be heard.
    std::string side = (page + QStringLiteral(".new")).toStdString();
    std::ofstream(side, std::ios::binary) << "dddd\r\n";
    std::filesystem::rename(side, page.toStdString());
    expectReload(forms::vbNo);
    QTRY_VERIFY(dialogs.done());
    expectReload(forms::vbNo, true);
    writeOutside("eeeee\r\n");
    QTRY_VERIFY(dialogs.done());
    EXPECT_EQ(main().Text1.text(), forms::String(u"ccc\r\n"));
}

} // namespace
