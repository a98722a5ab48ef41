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

#include <gtest/gtest.h>

namespace {

// Types name into the file dialog once it is on screen and presses Enter.
void typeIntoDialog(const QString& name) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
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
        typeIntoDialog(typed);
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
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &shown, &spoken] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll->stop();
        poll->deleteLater();
        shown = box->text();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label))
                spoken += a->text(QAccessible::Name);
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(10);
    tolva::qt::QtDialogs dialogs;
    EXPECT_EQ(dialogs.messageBox(u"The page could not be opened from /a/b.html\r\n\r\nNo such file",
                                 forms::vbExclamation, u"Tolva"),
              forms::vbOK);
    EXPECT_EQ(shown.toStdString(), "The page could not be opened from /a/b.html\n\nNo such file");
    EXPECT_TRUE(spoken.contains(QStringLiteral("No such file"))) << spoken.toStdString();
    EXPECT_FALSE(spoken.contains(u'\r')) << spoken.toStdString();
}
