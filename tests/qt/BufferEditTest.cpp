// The document buffer's widget in the real window: every way of pasting, cutting and
// copying, typing with queued keystrokes, clicks, drags, input methods, long pastes and
// the cost of typing on a large page.
#include "QtProgramTest.h"

#include "commands/Bookeeper.h"
#include "dialogs/PageProps.h"
#include "tools/FindReplace.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

using namespace testing_support;
using forms::String;

class BufferEditTest : public QtProgramTest {
protected:
    void contextAction(const char* name) {
        std::unique_ptr<QMenu> menu(buffer().editMenu());
        auto* a = menu->findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
};

TEST_F(BufferEditTest, EveryWayOfPastingGivesTheSamePage) {
    startMain();
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"Edit menu", [&] { mainView().findChild<QAction*>("mnupaste")->trigger(); }},
        {"Ctrl+V", [&] { QTest::keyClick(&buffer(), Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [&] { QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ShiftModifier); }},
        {"context menu", [&] { contextAction("paste"); }},
        {"paste slot", [&] { buffer().paste(); }},
    };
    for (const auto& [name, paste] : paths) {
        QApplication::clipboard()->setText(QStringLiteral("p\nq\rr\r\ns"));
        setPage(u"a[]b", 1, 2);
        paste();
        EXPECT_EQ(show(text()), show(u"ap\r\nq\r\nr\r\nsb")) << name;
        EXPECT_EQ(main().Text1.selStart(), 11) << name;
        expectMirror();
    }
}

TEST_F(BufferEditTest, CutAndCopyPutDesktopLineBreaksOnTheClipboardAndPasteBack) {
    startMain();
    auto* clip = QApplication::clipboard();
    const std::pair<const char*, std::function<void()>> cuts[] = {
        {"Edit menu", [&] { QTest::keyClick(&buffer(), Qt::Key_X, Qt::ControlModifier); }},
        {"context menu", [&] { contextAction("cut"); }},
    };
    for (const auto& [name, cut] : cuts) {
        setPage(u"x\r\ny\r\nz", 0, 4);
        cut();
        EXPECT_EQ(clip->text().toStdString(), "x\ny") << name;
        EXPECT_EQ(show(text()), show(u"\r\nz")) << name;
        QTest::keyClick(&buffer(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(show(text()), show(u"\r\nzx\r\ny")) << name;
        expectMirror();
    }
    const std::pair<const char*, std::function<void()>> copies[] = {
        {"Edit menu", [&] { QTest::keyClick(&buffer(), Qt::Key_C, Qt::ControlModifier); }},
        {"Ctrl+Insert", [&] { QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ControlModifier); }},
        {"context menu", [&] { contextAction("copy"); }},
    };
    for (const auto& [name, copy] : copies) {
        clip->clear();
        setPage(u"a\r\nb\rc", 0, 6);
        copy();
        EXPECT_EQ(clip->text().toStdString(), "a\nb\nc") << name;
        EXPECT_EQ(show(text()), show(u"a\r\nb\rc")) << name;
    }
}

// Queued keystrokes come after the typed key's KeyUp, in the window as in model tests.
TEST_F(BufferEditTest, KeysQueuedWhileTypingArriveAfterTheKeyUp) {
    startMain();
    setPage(u"", 0);
    forms::TextBox& box = main().Text1;
    std::string order;
    auto down = box.KeyDown;
    auto up = box.KeyUp;
    auto change = box.Change;
    box.KeyDown = [&](int k, int s) {
        order += "D";
        down(k, s);
    };
    box.KeyUp = [&](int k, int s) {
        order += "U";
        up(k, s);
    };
    box.Change = [&] {
        order += "C";
        change();
        if (box.text() == u"a") program.runtime().sendKeys(u"b");
    };
    QTest::keyClick(&buffer(), Qt::Key_A);
    EXPECT_EQ(order, "DCUDCU");
    EXPECT_EQ(show(box.text()), show(u"ab"));
    expectMirror();

    // The model entry point that model tests type through gives the same sequence.
    run([&] { box.setText(u""); });
    order.clear();
    box.type(u'a');
    EXPECT_EQ(order, "DCUDCU");
}

TEST_F(BufferEditTest, AClickInTheBufferBringsTheOpenFloatingWindowsForward) {
    startMain();
    std::map<std::string, int> raised;
    std::vector<forms::Subscription> watch;
    auto count = [&](forms::Form& f) {
        watch.push_back(f.listen([&raised, &f](forms::Form::Change c) {
            if (c == forms::Form::Change::Front) ++raised[f.name()];
        }));
    };
    run([&] {
        program.window<PageProps>().show();
        program.window<Bookeeper>().show();
        program.window<FindReplace>().show();
    });
    count(program.window<PageProps>());
    count(program.window<Bookeeper>());
    count(program.window<FindReplace>());
    mainView().activateWindow();
    QTest::mouseClick(buffer().viewport(), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(raised["pageprops"], 1);
    EXPECT_EQ(raised["bookeeper"], 1);
    EXPECT_EQ(raised["findreplace"], 0) << "the find window is not one of them";

    run([&] { program.window<Bookeeper>().hide(); });
    QTest::mouseClick(buffer().viewport(), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(raised["pageprops"], 2);
    EXPECT_EQ(raised["bookeeper"], 1) << "a hidden window stays hidden";
}

TEST_F(BufferEditTest, DraggingTheSelectionMovesItInOneEdit) {
    startMain();
    setPage(u"one two\r\nthree", 4, 3); // "two"
    std::vector<String> seen;
    auto change = main().Text1.Change;
    main().Text1.Change = [&] {
        seen.push_back(text());
        change();
    };
    std::unique_ptr<QMimeData> dragged(buffer().createMimeDataFromSelection());
    EXPECT_EQ(dragged->text().toStdString(), "two");
    QTextCursor end(buffer().document());
    end.movePosition(QTextCursor::End);
    QPointF at = buffer().cursorRect(end).center();
    // The drop goes to the widget that took the drag in.
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, dragged.get(),
                          Qt::LeftButton, {});
    QApplication::sendEvent(buffer().viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(buffer().viewport(), &drop);
    ASSERT_EQ(seen.size(), 1u) << "one change";
    EXPECT_EQ(show(seen[0]), show(u"one \r\nthreetwo"));
    EXPECT_EQ(show(main().Text1.selText()), show(u"two"));
    expectMirror();
    QTest::keyClick(&buffer(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(show(text()), show(u"one two\r\nthree")) << "one undo takes the move back";

    // Text from elsewhere is inserted with the page's line breaks.
    QMimeData outside;
    outside.setText(QStringLiteral("a\nb"));
    QDragEnterEvent enterIn(at.toPoint(), Qt::CopyAction, &outside, Qt::LeftButton, {});
    QApplication::sendEvent(buffer().viewport(), &enterIn);
    QDropEvent in(at, Qt::CopyAction, &outside, Qt::LeftButton, {});
    QApplication::sendEvent(buffer().viewport(), &in);
    EXPECT_EQ(show(text()), show(u"one two\r\nthreea\r\nb"));
    expectMirror();

    // Dragged out to a widget that takes it as a move, the text control removes the
    // selection from its document by itself; the page follows.
    run([&] {
        main().Text1.setSelStart(3);
        main().Text1.setSelLength(6); // " two\r\n"
    });
    seen.clear();
    QTextCursor selected = buffer().textCursor();
    selected.removeSelectedText();
    EXPECT_EQ(show(text()), show(u"onethreea\r\nb"));
    EXPECT_EQ(seen.size(), 1u);
    expectMirror();
    QTest::keyClick(&buffer(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(show(text()), show(u"one two\r\nthreea\r\nb"));
    expectMirror();
}

TEST_F(BufferEditTest, AnInputMethodCommitArrivesAsTypedKeys) {
    startMain();
    setPage(u"ab", 2);
    forms::TextBox& box = main().Text1;
    std::string order;
    box.KeyPress = [&](int& c) { order += c == 13 ? std::string("\\r") : std::string(1, 'P'); };
    auto change = box.Change;
    box.Change = [&] {
        order += "C";
        change();
    };
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xC3\xA9\nz"));
    QApplication::sendEvent(&buffer(), &commit);
    EXPECT_EQ(show(box.text()), show(u"ab\u00e9\r\nz"));
    EXPECT_EQ(order, "PC\\rCPC");
    expectMirror();

    // An input method may take back the character before the caret as it commits.
    QInputMethodEvent fix;
    fix.setCommitString(QStringLiteral("Z"), -1, 1);
    QApplication::sendEvent(&buffer(), &fix);
    EXPECT_EQ(show(box.text()), show(u"ab\u00e9\r\nZ"));
    expectMirror();
    ASSERT_TRUE(box.undo());
    EXPECT_EQ(show(box.text()), show(u"ab\u00e9\r\nz"));
}

TEST_F(BufferEditTest, ALongPasteCountsEveryLine) {
    startMain();
    QString lines;
    for (int i = 0; i < 4500; ++i)
        lines += QStringLiteral("line\n");
    QApplication::clipboard()->setText(lines);
    setPage(u"", 0);
    QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(label("nooflines(1)").toStdString(), "Number of lines: 4501");

    // Lines too long for the window count once per display line, however many came at once.
    QString wide;
    for (int i = 0; i < 4500; ++i)
        wide += QString(400, u'w') + u'\n';
    QApplication::clipboard()->setText(wide);
    setPage(u"", 0);
    QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ShiftModifier);
    int n = label("nooflines(1)").mid(QStringLiteral("Number of lines: ").size()).toInt();
    EXPECT_GE(n, 2 * 4500 + 1) << label("nooflines(1)").toStdString();
}

TEST_F(BufferEditTest, TypingOnALargePageNeverCopiesIt) {
    startMain();
    String page;
    while (page.size() < 1024 * 1024)
        page += u"<P>Some text of a long page, in a line of its own.</P>\r\n";
    setPage(page, static_cast<int32_t>(page.size() / 2));
    QApplication::processEvents();
    long before = main().Text1.storage().wholeCopies();
    for (int i = 0; i < 10; ++i) {
        QTest::keyClicks(&buffer(), "abcdefghi");
        QTest::keyClick(&buffer(), Qt::Key_Return);
    }
    EXPECT_EQ(main().Text1.storage().wholeCopies() - before, 0);
    EXPECT_EQ(main().Text1.length(), static_cast<int32_t>(page.size()) + 10 * 11);
}
