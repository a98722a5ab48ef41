// A run killed (SIGKILL) after typing into the real window, and the next start, which
// offers the unsaved text back byte for byte. The same binary is the child that types.
#include "core/Program.h"
#include "core/Splash.h"
#include "core/Tolva.h"
#include "page/Recovery.h"
#include "qt/Binder.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"
#include "qt/QtPlatform.h"
#include "support/FileTest.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using testing_support::readBytes;
using testing_support::writeBytes;

constexpr int kWaitMs = 15'000;

forms::Platform keeping(forms::Platform p, forms::StateFiles& state) {
    p.state = &state;
    return p;
}

// One start of the program as the front end makes it, keeping its state in the folder the
// environment names; its dialogs are scripted.
struct Start {
    tolva::qt::QtPlatform qp;
    testing_support::ScriptedDialogs dialogs;
    forms::Platform platform = keeping(qp.platform(&dialogs), qp.state);
    Program program{platform};
    std::unique_ptr<tolva::qt::ViewManager> views =
        std::make_unique<tolva::qt::ViewManager>(program);

    void run(const std::function<void()>& f) { program.runtime().invoke(f); }
    // Leaves the splash, if it shows, as a click does.
    Tolva& start() {
        program.launch();
        run([&] {
            if (auto* splash = program.loaded<Splash>()) splash->Frame1.Click();
        });
        QApplication::processEvents();
        return *program.loaded<Tolva>();
    }
    tolva::qt::BufferEdit& buffer() {
        return *static_cast<tolva::qt::MainView*>(views->view("tolva"))->buffer();
    }
};

recovery::Copy pageOf(Tolva& w) {
    return {w.page.saveme(), w.Text1.text(), w.Text1.selStart(), w.Text1.selLength(),
            w.page.pageFormat};
}

// The child: opens the page, types into it, waits for its recovery copy to hold everything,
// writes what the page holds to `expected` and says "ready"; then waits to be killed.
int typeAndWait(const fs::path& dir) {
    Start r;
    r.program.pageAtStart = forms::fromUtf8((dir / "page.html").string());
    Tolva& w = r.start();
    r.buffer().setFocus();
    QTest::keyClick(&r.buffer(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&r.buffer(), QStringLiteral("Typed, never saved."));
    QTest::keyClick(&r.buffer(), Qt::Key_Return);
    r.run([&] { w.Text1.pressChars(u"caf\u00E9 \U0001F600 \u20AC\t<b>x</b>"); });
    QTest::keyClick(&r.buffer(), Qt::Key_Left, Qt::ShiftModifier);
    recovery::Copy typed = pageOf(w);
    bool copied = QTest::qWaitFor(
        [&] {
            const std::string& path = r.program.recovery().path();
            auto onDisk = path.empty() ? std::nullopt : recovery::decode(readBytes(path));
            return onDisk && *onDisk == typed;
        },
        kWaitMs);
    if (!copied) {
        std::fprintf(stderr, "child: no recovery copy of the typed page was written\n");
        return 3;
    }
    writeBytes(dir / "expected", recovery::encode(typed));
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

// Runs this binary as the typing child; its stdout comes back through out.
pid_t spawnChild(const fs::path& dir, int& out) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string self = fs::read_symlink("/proc/self/exe").string(), role = "--type",
                where = dir.string();
    char* argv[] = {self.data(), role.data(), where.data(), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    out = pipeFds[0];
    return pid;
}

// The child's first line, or "" when it ends or says nothing in time.
std::string readLine(int fd) {
    std::string line;
    char c = 0;
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, kWaitMs) == 1 && ::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

TEST(RecoveryAfterKill, TheNextStartOffersTheTypedTextBackByteForByte) {
    fs::path dir = fs::temp_directory_path() / ("tolva-kill-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "state");
    fs::create_directories(dir / "home");
    writeBytes(dir / "page.html", "<p>saved</p>\n");
    // For the child and for the next start in this process alike.
    ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
    ::setenv("HOME", (dir / "home").c_str(), 1);

    int out = -1;
    pid_t child = spawnChild(dir, out);
    ASSERT_GT(child, 0);
    std::string said = readLine(out);
    ::close(out);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(said, "ready") << "the child typed and its copy was written";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    auto expected = recovery::decode(readBytes(dir / "expected"));
    ASSERT_TRUE(expected);
    EXPECT_NE(expected->text.find(u"<p>saved</p>\r\nTyped, never saved.\r\ncaf\u00E9 \U0001F600"),
              forms::String::npos)
        << testing_support::show(expected->text);
    ASSERT_TRUE(fs::exists(dir / "state" / "tolva" / (std::to_string(child) + ".recovery")))
        << "the killed run left its copy";

    {
        Start next;
        forms::String page = forms::fromUtf8((dir / "page.html").string());
        next.dialogs.expectMessage(u"Tolva was closed without saving " + page +
                                       u". Recover the unsaved text?",
                                   forms::vbYesNo + forms::vbQuestion, u"Tolva", forms::vbYes);
        Tolva& w = next.start();
        EXPECT_TRUE(next.dialogs.done());
        EXPECT_EQ(pageOf(w), *expected) << "text, name, caret and format";
        EXPECT_TEXT(u"*", w.page.star);
        EXPECT_EQ(next.buffer().toPlainText(), tolva::qt::toQt(forms::displayForm(expected->text)));
    }
    fs::remove_all(dir);
}

// The offscreen platform reports what it cannot do (raise, size hints); that is noise here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(type, context, msg);
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--type") == 0) return typeAndWait(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
