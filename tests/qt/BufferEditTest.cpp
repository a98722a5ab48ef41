// The document buffer's widget in the real window: pasting, cutting and copying, keys as
// the model sees them, queued keystrokes, clicks, drags, input methods, long pastes and
// typing on a large page.
#include "QtProgramTest.h"

#include "dialogs/PageProps.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

#include <memory>
#include <string>

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

TEST_F(BufferEditTest, CutAndCopyPutDesktopLineBreaksOnTheClipboard) {
    startMain();
    const std::tuple<const char*, std::function<void()>, bool> ways[] = {
        {"Ctrl+X", [&] { QTest::keyClick(&buffer(), Qt::Key_X, Qt::ControlModifier); }, true},
        {"context cut", [&] { contextAction("cut"); }, true},
        {"Ctrl+C", [&] { QTest::keyClick(&buffer(), Qt::Key_C, Qt::ControlModifier); }, false},
        {"Ctrl+Insert", [&] { QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ControlModifier); },
         false},
        {"context copy", [&] { contextAction("copy"); }, false},
    };
    for (const auto& [name, act, cuts] : ways) {
        QApplication::clipboard()->clear();
        setPage(u"x\r\ny\rz", 0, 5);
        act();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "x\ny\n") << name;
        EXPECT_EQ(show(text()), show(cuts ? u"z" : u"x\r\ny\rz")) << name;
        expectMirror();
    }
}

// Queued keystrokes come after the typed key's KeyUp, in the window as in model tests.
TEST_F(BufferEditTest, KeysQueuedWhileTypingArriveAfterTheKeyUp) {
    startMain();
    setPage(u"", 0);
    forms::TextBox& box = main().Text1;
    std::string order;
    auto up = box.KeyUp;
    auto change = box.Change;
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
    EXPECT_EQ(order, "CUCU");
    EXPECT_EQ(show(box.text()), show(u"ab"));
    expectMirror();
}

// Which windows come forward is the model's choice; a click in the buffer must reach it.
TEST_F(BufferEditTest, AClickInTheBufferBringsPagePropertiesForward) {
    startMain();
    int raised = 0;
    PageProps& props = program.window<PageProps>();
    run([&] { props.show(); });
    forms::Subscription watch = props.listen([&](forms::Form::Change c) {
        if (c == forms::Form::Change::Front) ++raised;
    });
    mainView().activateWindow();
    QTest::mouseClick(buffer().viewport(), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(raised, 1);
}

// The model's text goes into the widget as the model holds it, where the widget reads each
// kind of line break as the display does; a CR LF pair may lie split by the model's gap.
TEST_F(BufferEditTest, TheWidgetTakesThePagesOwnTextWithEveryKindOfBreak) {
    startMain();
    setPage(u"ab\ncd\ref", 0);
    const String longLine(5000, u'w');
    // The text only: after "x\r" put before an LF the model's caret lies inside the pair.
    const auto expectSameText = [&] {
        EXPECT_EQ(buffer().shownPage().toStdString(),
                  tolva::qt::toQt(forms::displayForm(main().Text1.text())).toStdString());
    };
    const struct {
        int32_t at, length;
        const char16_t* text;
    } edits[] = {
        {2, 0, u"x\r"},          // a CR before an LF: one break, split by the gap
        {0, 0, u"\n\r1\r\n2\r"}, // lone LF, lone CR, a pair, and a CR that meets "a"
        {5, 3, u"\r\n\r\n"},
        {0, 0, longLine.c_str()}, // too long a line for one piece
    };
    for (const auto& e : edits) {
        run([&] {
            main().Text1.select(e.at, e.length);
            main().Text1.setSelText(e.text);
        });
        expectSameText();
        run([&] { main().Text1.undo(); });
        expectSameText();
        run([&] { main().Text1.redo(); });
        expectSameText();
    }
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
    expectMirror();
    QTest::keyClick(&buffer(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(show(text()), show(u"one two\r\nthree")) << "one undo takes the move back";

    // Dragged out to a widget that takes it as a move, the text control removes the
    // selection from its document by itself; the page follows.
    run([&] {
        main().Text1.setSelStart(3);
        main().Text1.setSelLength(6); // " two\r\n"
    });
    seen.clear();
    QTextCursor selected = buffer().textCursor();
    selected.removeSelectedText();
    EXPECT_EQ(show(text()), show(u"onethree"));
    EXPECT_EQ(seen.size(), 1u);
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
}

TEST_F(BufferEditTest, ALongPasteCountsEveryLineOnceLaidOutAndTheCountFollowsTheWidth) {
    startMain();
    auto lines = [&] {
        return std::stoi(
            mainView().findChild<QLabel*>("nooflines(1)")->text().mid(17).toStdString());
    };
    auto pasteLines = [&](int width) {
        QString text;
        for (int i = 0; i < 4500; ++i)
            text += QString(width, u'w') + u'\n';
        QApplication::clipboard()->setText(text);
        setPage(u"", 0);
        QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ShiftModifier);
    };
    // A line typed until it wraps counts two at the key that wraps it.
    setPage(u"", 0);
    for (int typed = 0; lines() == 1 && typed < 2000; ++typed)
        QTest::keyClick(&buffer(), typed % 2 ? Qt::Key_Space : Qt::Key_W);
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(buffer().document()->firstBlock().layout()->lineCount(), 2);

    pasteLines(4);
    EXPECT_EQ(lines(), 4501) << "lines that fit are counted at once";
    // Lines too long for the window count once per display line, however many came at once;
    // what the edit could not lay out at once is laid out while the window is idle.
    pasteLines(400);
    QTRY_VERIFY_WITH_TIMEOUT(lines() >= 2 * 4500 + 1, 20000);
    int wide = lines();
    mainView().resize(mainView().width() + 400, mainView().height());
    // A wider window, fewer lines.
    QTRY_VERIFY_WITH_TIMEOUT(lines() < wide - 1000, 20000);

    // Counted as the widget itself lays the lines out: words, tabs, unbroken runs, wide
    // and accented letters.
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("<P>\tword ").repeated(i % 40) + QString(qsizetype{3} * i, u'x') +
                QStringLiteral(" caf\u00e9 \u6f22\u5b57-/").repeated(i % 9) + u'\n';
    QApplication::clipboard()->setText(text);
    setPage(u"", 0);
    QTest::keyClick(&buffer(), Qt::Key_Insert, Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!buffer().counting(), 20000);
    const int counted = buffer().document()->lineCount();
    for (QTextBlock b = buffer().document()->begin(); b.isValid(); b = b.next())
        buffer().document()->documentLayout()->blockBoundingRect(b);
    EXPECT_EQ(buffer().document()->lineCount(), counted);
    EXPECT_GT(counted, 600);
}

TEST_F(BufferEditTest, TypingOnALargePageNeverCopiesItAndWholePageKeysOnceAtMost) {
    startMain();
    String page;
    while (page.size() < size_t{1024} * 1024)
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

    // Whole-page keys copy the page at most once each: select all none, deleting it none
    // (the undo step takes the page's storage), undoing that none (the page takes it back).
    const auto copiesBy = [&](Qt::Key k, Qt::KeyboardModifiers m) {
        long was = main().Text1.storage().wholeCopies();
        QTest::keyClick(&buffer(), k, m);
        return main().Text1.storage().wholeCopies() - was;
    };
    EXPECT_EQ(copiesBy(Qt::Key_A, Qt::ControlModifier), 0);
    EXPECT_EQ(main().Text1.selLength(), main().Text1.length());
    EXPECT_EQ(copiesBy(Qt::Key_Delete, Qt::NoModifier), 0);
    EXPECT_EQ(main().Text1.length(), 0);
    EXPECT_EQ(copiesBy(Qt::Key_Z, Qt::ControlModifier), 0);
    EXPECT_EQ(main().Text1.length(), static_cast<int32_t>(page.size()) + 10 * 11);
    expectMirror();
}

// On a long page select all moves the widget's selection once, not to the top first and
// then over the page, and leaves the view at the end.
TEST_F(BufferEditTest, SelectAllMovesTheWidgetOnce) {
    startMain();
    String page;
    for (int i = 0; i < 2000; ++i)
        page += u"<P>A line of a long page.</P>\r\n";
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+A", [&] { QTest::keyClick(&buffer(), Qt::Key_A, Qt::ControlModifier); }},
        {"Edit menu", [&] { mainView().findChild<QAction*>("mnuselectall")->trigger(); }},
    };
    for (const auto& [name, selectAll] : ways) {
        setPage(page, static_cast<int32_t>(page.size() / 2));
        buffer().ensureCursorVisible();
        QApplication::processEvents();
        QScrollBar* bar = buffer().verticalScrollBar();
        ASSERT_GT(bar->value(), 0) << name;
        int moves = 0;
        QMetaObject::Connection moved =
            QObject::connect(&buffer(), &QPlainTextEdit::cursorPositionChanged, [&] { ++moves; });
        selectAll();
        QApplication::processEvents();
        QObject::disconnect(moved);
        // Scrolled to the page's end, where the caret is: how far depends on the font's
        // height, not on the select-all.
        EXPECT_GE(bar->value(), bar->maximum() - 1) << name;
        EXPECT_TRUE(buffer().viewport()->rect().contains(buffer().cursorRect())) << name;
        EXPECT_EQ(moves, 1) << name;
        EXPECT_EQ(main().Text1.selStart(), 0) << name;
        EXPECT_EQ(main().Text1.selLength(), main().Text1.length()) << name;
        EXPECT_EQ(buffer().textCursor().anchor(), 0) << name;
        expectMirror();
    }
}

// Punctuation shares its key code with a named key ('(' has Down's), the desktop's word
// deletions are its own sequences, and Tab would move the focus: each must still reach the
// key map as the key it is.
TEST_F(BufferEditTest, KeysReachTheModelAsTheKeysTheyAre) {
    startMain();
    setPage(u"one two three", 7);
    forms::TextBox& box = main().Text1;
    std::string downs;
    auto down = box.KeyDown;
    box.KeyDown = [&](int k, int s) {
        downs += std::to_string(k) + "/" + std::to_string(s) + " ";
        down(k, s);
    };
    QTest::keyClick(&buffer(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(show(text()), show(u"one  three"));
    QTest::keyClick(&buffer(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(show(text()), show(u"one three"));
    QTest::keyClicks(&buffer(), "(.!");
    QTest::keyClick(&buffer(), Qt::Key_Tab);
    EXPECT_EQ(show(text()), show(u"one (.!\tthree"));
    EXPECT_EQ(downs, "17/2 8/2 17/2 46/2 40/0 46/0 33/0 9/0 ");
    expectMirror();
}

TEST_F(BufferEditTest, KeysAndUndoNeverSplitAnEmoji) {
    startMain();
    const String page = u"a\U0001F600b";
    forms::TextBox& box = main().Text1;
    setPage(page, 3);
    QTest::keyClick(&buffer(), Qt::Key_Backspace);
    EXPECT_EQ(show(text()), show(u"ab")) << "Backspace after it";
    expectMirror();
    setPage(page, 1);
    QTest::keyClick(&buffer(), Qt::Key_Delete);
    EXPECT_EQ(show(text()), show(u"ab")) << "Delete before it";
    expectMirror();

    setPage(page, 1);
    QTest::keyClick(&buffer(), Qt::Key_Right);
    EXPECT_EQ(box.selStart(), 3);
    QTest::keyClick(&buffer(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(box.selStart(), box.selLength()), std::pair(1, 2));

    // A caret the widget puts between the halves goes before the character in both.
    QTextCursor c = buffer().textCursor();
    c.setPosition(2);
    buffer().setTextCursor(c);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(buffer().textCursor().position(), 1);

    // A restore that changes only the second half, then Ctrl+Z and a key.
    setPage(page, 0);
    run([&] { box.setText(u"a\U0001F603b"); });
    QTest::keyClick(&buffer(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(show(text()), show(page));
    QTest::keyClicks(&buffer(), "x");
    EXPECT_TRUE(text() == u"ax\U0001F600b" || text() == u"a\U0001F600xb") << show(text());
    expectMirror();
}

// A large edit that keeps most of what it replaces reaches the widget as the part that
// changed, and undo and redo retrace the widget's own step: neither gives it the large
// text again. An edit shaped like an undo but bringing other text still shows that text.
TEST_F(BufferEditTest, LargeEditsGiveTheWidgetOnlyWhatChangedAndUndoRetracesIt) {
    startMain();
    String page;
    while (page.size() < size_t{200} * 1024)
        page += u"<P>Line of a page, long enough to matter.</P>\r\n";
    const auto mid = static_cast<int32_t>(page.rfind(u'\n', page.size() / 2) + 1);
    const int32_t len = 100 * 1024;
    // Another file's page has no past, in the model or in the widget.
    run([&] { main().Text1.adoptText(page); });
    EXPECT_FALSE(buffer().document()->isUndoAvailable());
    expectMirror();
    setPage(page, mid, len);
    int largest = 0;
    QObject::connect(buffer().document(), &QTextDocument::contentsChange, &buffer(),
                     [&](int, int removed, int added) {
                         largest = std::max({largest, removed, added});
                     });
    const auto step = [&](const char* what, const std::function<void()>& act, bool small) {
        largest = 0;
        act();
        if (small) {
            EXPECT_LT(largest, 100) << what;
        }
        expectMirror();
    };
    const auto key = [&](Qt::Key k) {
        return [&, k] { QTest::keyClick(&buffer(), k, Qt::ControlModifier); };
    };
    step(
        "bold", [&] { run([&] { main().fonts.bold.click(); }); }, true);
    const String bold = text();
    EXPECT_EQ(bold.substr(static_cast<size_t>(mid), 3), u"<B>");
    step("undo", key(Qt::Key_Z), true);
    EXPECT_TRUE(text() == page);
    step("redo", key(Qt::Key_Y), true);
    EXPECT_TRUE(text() == bold);
    // The tags taken off again by pasting what they wrap over them.
    QApplication::clipboard()->setText(
        tolva::qt::toDesktopText(page.substr(static_cast<size_t>(mid), static_cast<size_t>(len))));
    setPage(bold, mid, len + 7);
    step("paste inside", key(Qt::Key_V), true);
    EXPECT_TRUE(text() == page);

    // A paste that differs from what it replaces in one character, lines from either end.
    String one = page;
    const size_t at = one.find(u'L', static_cast<size_t>(mid) + len / 2);
    one[at] = u'#';
    QApplication::clipboard()->setText(
        tolva::qt::toDesktopText(one.substr(static_cast<size_t>(mid), static_cast<size_t>(len))));
    setPage(page, mid, len);
    step("paste of one change", key(Qt::Key_V), true);
    EXPECT_TRUE(text() == one);

    // "ab" replaced by "x", then "x" by a paste of "cd": the paste has the shape of undoing
    // the first edit.
    setPage(page, mid, 2);
    QTest::keyClick(&buffer(), Qt::Key_X);
    QApplication::clipboard()->setText(QStringLiteral("cd"));
    run([&] { main().Text1.select(mid, 1); });
    step("paste of the undo's shape", key(Qt::Key_V), false);
    EXPECT_EQ(text().substr(static_cast<size_t>(mid), 3), u"cd>");

    step(
        "delete all",
        [&] {
            key(Qt::Key_A)();
            QTest::keyClick(&buffer(), Qt::Key_Delete);
        },
        false);
    step("undo delete all", key(Qt::Key_Z), false);
    EXPECT_EQ(text().substr(static_cast<size_t>(mid), 3), u"cd>");
}
