// What a screen reader does to a dialog's fields reaches the model: its toggle action on a
// check box and the text it sets in a field, neither of which is a click or a keystroke.
#include "QtProgramTest.h"

#include "commands/Commands.h"
#include "dialogs/HRule.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLineEdit>

using namespace testing_support;

class ScreenReaderInput : public QtProgramTest {};

TEST_F(ScreenReaderInput, ToggleAndSetTextReachTheModel) {
    startMain();
    run([&] { commands::run(main(), "rule"); });
    HRule& rule = *program.loaded<HRule>();
    auto* view = views->view("hrule");
    ASSERT_NE(view, nullptr);
    auto* check = view->findChild<QCheckBox*>("Check2");
    auto* width = view->findChild<QLineEdit*>("Widther");
    ASSERT_TRUE(check && width);

    int before = rule.Check2.value();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(check);
    ASSERT_TRUE(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_NE(rule.Check2.value(), before);
    EXPECT_EQ(check->isChecked(), rule.Check2.value() != 0);

    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(width);
    ASSERT_TRUE(field && field->editableTextInterface() && field->textInterface());
    field->editableTextInterface()->replaceText(0, field->textInterface()->characterCount(),
                                                QStringLiteral("50"));
    EXPECT_EQ(show(rule.Widther.text()), show(u"50"));
}
