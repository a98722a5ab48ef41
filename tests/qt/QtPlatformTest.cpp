// The real window's platform services as a user meets them: the save dialog's typed name and
// the message box's lines.
#include "qt/QtPlatform.h"
#include "qt/Binder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

// Runs act on the first modal window of type W once it is on screen.
template <class W> void whenShown(std::function<void(W*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!w) return;
        poll->stop();
        poll->deleteLater();
        act(w);
    });
    poll->start(10);
}

} // namespace

TEST(SaveDialog, SavesUnderTheNameAsTyped) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    tolva::qt::QtDialogs dialogs;
    // Double quotes are part of a name, not marks around several.
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("say \"hi\" now.html"), QStringLiteral("say \"hi\" now.html")},
        {QStringLiteral("\"quoted\""), QStringLiteral("\"quoted\".html")},
        {QStringLiteral("plain"), QStringLiteral("plain.html")},
    };
    for (const auto& [typed, saved] : cases) {
        SCOPED_TRACE(typed.toStdString());
        whenShown<QFileDialog>([name = typed](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        forms::FileDialogRequest request;
        request.save = true;
        request.defaultExt = u"html";
        request.fileName = tolva::qt::fromQt(dir.filePath(QStringLiteral("page.html")));
        auto path = dialogs.fileDialog(request);
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(tolva::qt::toQt(*path).toStdString(), dir.filePath(saved).toStdString());
    }
}

// The page's messages break lines with CR LF; what a screen reader reads of the box has none.
TEST(MessageBox, ShowsItsLinesWithoutCarriageReturns) {
    QString shown, spoken;
    whenShown<QMessageBox>([&shown, &spoken](QMessageBox* box) {
        shown = box->text();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label))
                spoken += a->text(QAccessible::Name);
        box->button(QMessageBox::Ok)->click();
    });
    tolva::qt::QtDialogs dialogs;
    EXPECT_EQ(dialogs.messageBox(u"The page could not be opened from /a/b.html\r\n\r\nNo such file",
                                 forms::vbExclamation, u"Tolva"),
              forms::vbOK);
    EXPECT_EQ(shown.toStdString(), "The page could not be opened from /a/b.html\n\nNo such file");
    EXPECT_TRUE(spoken.contains(QStringLiteral("No such file"))) << spoken.toStdString();
    EXPECT_FALSE(spoken.contains(u'\r')) << spoken.toStdString();
}
