// Every window worked from the keyboard: the main window's shortcuts stay in it, Return and
// Escape in an open list only close the list, F6 moves between the main window's panes, and
// Tab reaches every control of each window in reading order from a first field that has the
// focus.
#include "QtProgramTest.h"

#include "qt/Views.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <functional>
#include <set>

using namespace testing_support;
using tolva::qt::FormView;

namespace {

// Keeps every shortcut Qt would fire, with whom it would reach, and lets no key act: neither
// a shortcut nor the key press a control would get instead.
class ShortcutTrap : public QObject {
public:
    ShortcutTrap() { qApp->installEventFilter(this); }
    ~ShortcutTrap() override { qApp->removeEventFilter(this); }
    std::vector<QObject*> reached;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Shortcut) reached.push_back(watched);
        return event->type() == QEvent::Shortcut || event->type() == QEvent::KeyPress ||
               event->type() == QEvent::KeyRelease;
    }
};

class KeyboardTest : public QtProgramTest {
protected:
    // Shows a loaded window as the program does, in front with the keyboard.
    FormView* showWindow(const std::function<forms::Form&()>& load) {
        forms::Form* f = nullptr;
        run([&] {
            f = &load();
            f->show();
        });
        QApplication::processEvents();
        FormView* v = views->view(f->name());
        if (!v) return nullptr;
        v->activateWindow();
        // Not qWaitForWindowActive: it counts a window active while one of its own is.
        EXPECT_TRUE(QTest::qWaitFor([v] { return QApplication::activeWindow() == v; }))
            << f->name();
        return v;
    }
    // Each secondary window, shown and active in turn.
    void forEachSecondary(const std::function<void(FormView*)>& check) {
        tolva::qt::forEachViewed(tolva::qt::ViewedWindows{}, [&]<class W>() {
            if constexpr (!std::is_same_v<W, Tolva> && !std::is_same_v<W, Splash>) {
                FormView* v = showWindow([&]() -> forms::Form& { return program.window<W>(); });
                ASSERT_NE(v, nullptr) << "every loaded window has a view";
                const std::string name = v->objectName().toStdString();
                SCOPED_TRACE(name);
                check(v);
                // A window the check unloaded is loaded afresh the next time.
                if (views->view(name)) run([&] { program.window<W>().hide(); });
                QApplication::processEvents();
            }
        });
    }
    bool ofMainWindow(QObject* o) {
        for (; o; o = o->parent())
            if (auto* v = qobject_cast<FormView*>(o)) return v == &mainView();
        return false;
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static std::string nameOf(QWidget* w) {
        if (!w) return "<none>";
        QWidget* named = w;
        while (named && named->objectName().isEmpty())
            named = named->parentWidget();
        return named ? named->objectName().toStdString() : "<unnamed>";
    }
};

TEST_F(KeyboardTest, NoMainWindowShortcutReachesAFocusedSecondaryWindow) {
    startMain();
    std::vector<QKeySequence> keys;
    for (QAction* a : mainView().actions())
        if (!a->shortcut().isEmpty()) keys.push_back(a->shortcut());
    for (QAction* menu : mainView().menuBar()->actions())
        keys.push_back(QKeySequence::mnemonic(menu->text()));
    ASSERT_GT(keys.size(), 30u);

    ShortcutTrap trap;
    // The main window keeps them.
    QTest::keyClick(&buffer(), Qt::Key_T, Qt::AltModifier);
    QTest::keyClick(&buffer(), Qt::Key_F1);
    ASSERT_EQ(trap.reached.size(), 2u);
    EXPECT_TRUE(ofMainWindow(trap.reached[0]) && ofMainWindow(trap.reached[1]));

    std::vector<std::string> leaks;
    forEachSecondary([&](FormView* v) {
        QWidget* target = focused() ? focused() : v;
        for (const QKeySequence& key : keys) {
            trap.reached.clear();
            // A key two windows claim goes to each of them in turn.
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(target, key[0].key(), key[0].keyboardModifiers());
            for (QObject* o : trap.reached)
                if (ofMainWindow(o))
                    leaks.push_back(v->objectName().toStdString() + ": " +
                                    key.toString().toStdString());
        }
    });
    EXPECT_EQ(leaks, std::vector<std::string>{});
}

TEST_F(KeyboardTest, ReturnAndEscapeInAnOpenListOnlyCloseTheList) {
    startMain();
    const forms::String page = text();
    std::vector<std::string> wrong;
    forEachSecondary([&](FormView* v) {
        const std::string window = v->objectName().toStdString();
        for (QComboBox* combo : v->findChildren<QComboBox*>()) {
            if (!combo->isVisible() || !combo->isEnabled() || combo->count() == 0) continue;
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                combo->setFocus();
                combo->showPopup();
                QApplication::processEvents();
                QWidget* list = QApplication::activePopupWidget();
                if (!list) {
                    wrong.push_back(nameOf(combo) + " opens no list");
                    continue;
                }
                const std::string where =
                    nameOf(combo) + (key == Qt::Key_Return ? " Return" : " Esc");
                QTest::keyClick(combo->view(), key);
                QApplication::processEvents();
                if (QApplication::activePopupWidget()) wrong.push_back(where + ": list stays");
                if (views->view(window) != v || !v->isVisible()) {
                    wrong.push_back(where + ": window closed");
                    return;
                }
                if (text() != page) {
                    wrong.push_back(where + ": page changed");
                    run([&] { main().Text1.setText(page); });
                }
            }
        }
    });
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

TEST_F(KeyboardTest, F6CyclesBufferButtonGroupsAndCommandBox) {
    startMain();
    setPage(u"<p>", 3);
    auto* panel = mainView().findChild<QWidget*>("buttonPanel");
    auto* command = mainView().findChild<QLineEdit*>("tevcmd");
    ASSERT_TRUE(panel && command);
    auto pane = [&]() -> std::string {
        QWidget* f = focused();
        if (f == &buffer()) return "buffer";
        if (f && panel->isAncestorOf(f)) return "buttons";
        if (f == command) return "command box";
        return nameOf(f);
    };
    std::vector<std::string> forward, back;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(focused(), Qt::Key_F6);
        forward.push_back(pane());
    }
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(focused(), Qt::Key_F6, Qt::ShiftModifier);
        back.push_back(pane());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"buttons", "command box", "buffer"}));
    EXPECT_EQ(back, (std::vector<std::string>{"command box", "buttons", "buffer"}));
    EXPECT_EQ(text(), u"<p>") << "F6 types nothing";

    // Hidden button groups are passed over.
    QTest::keyClick(&buffer(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_FALSE(panel->isVisible());
    QTest::keyClick(&buffer(), Qt::Key_F6);
    EXPECT_EQ(pane(), "command box");
}

// The order a reader takes: along a row to the right, then down; going up only into a column
// further right.
bool readsOn(QWidget* from, QWidget* to) {
    QRect a(from->mapToGlobal(QPoint(0, 0)), from->size());
    QRect b(to->mapToGlobal(QPoint(0, 0)), to->size());
    const int row = std::min(a.height(), b.height()) / 2;
    if (std::abs(a.center().y() - b.center().y()) <= row) return b.left() > a.left();
    return b.top() > a.top() || b.left() >= a.right();
}

TEST_F(KeyboardTest, TabReachesEveryControlOfEachWindowInReadingOrder) {
    startMain();
    std::vector<std::string> wrong;
    forEachSecondary([&](FormView* v) {
        const std::string window = v->objectName().toStdString();
        std::set<QWidget*> controls;
        for (QWidget* w : v->findChildren<QWidget*>()) {
            if (w->window() != v || !w->isVisible() || !w->isEnabled() ||
                !(w->focusPolicy() & Qt::TabFocus))
                continue;
            while (w->focusProxy()) // an editable list's box
                w = w->focusProxy();
            controls.insert(w);
        }
        if (controls.empty()) return;

        QWidget* first = focused();
        if (!first || first->window() != v) {
            wrong.push_back(window + ": nothing has the focus on open");
            return;
        }
        std::set<QWidget*> reached;
        std::vector<QWidget*> order;
        for (QWidget* at = first; !reached.contains(at) && order.size() < 60;) {
            reached.insert(at);
            order.push_back(at);
            QTest::keyClick(at, Qt::Key_Tab);
            QWidget* next = focused();
            if (!next || next->window() != v) {
                wrong.push_back(window + ": Tab leaves the window at " + nameOf(at));
                return;
            }
            at = next;
        }
        auto reachedOrChosen = [&](QWidget* w) {
            if (reached.contains(w)) return true;
            // Tab enters a group of choices at its chosen one; the arrows move within it.
            auto* radio = qobject_cast<QRadioButton*>(w);
            if (!radio || !radio->autoExclusive()) return false;
            const auto group =
                radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
            return std::any_of(group.begin(), group.end(),
                               [&](QRadioButton* r) { return reached.contains(r); });
        };
        for (QWidget* w : controls)
            if (!reachedOrChosen(w)) wrong.push_back(window + ": Tab never reaches " + nameOf(w));
        // Read from the window's first control, wherever the focus starts.
        auto start = std::find_if(order.begin(), order.end(), [&](QWidget* w) {
            return std::none_of(order.begin(), order.end(),
                                [&](QWidget* o) { return o != w && readsOn(o, w); });
        });
        std::rotate(order.begin(), start, order.end());
        for (size_t i = 1; i < order.size(); ++i)
            if (!readsOn(order[i - 1], order[i]))
                wrong.push_back(window + ": " + nameOf(order[i - 1]) + " then " + nameOf(order[i]));
    });
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

} // namespace
