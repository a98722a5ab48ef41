// The front end's entry point: application, platform services, program and views.
#include "qt/App.h"

#include "core/CommandLine.h"
#include "core/Program.h"
#include "qt/FormView.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tolva::qt {

namespace {

cmdline::Request parse(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    return cmdline::parse(args, std::filesystem::current_path(ec).string());
}

int report(const cmdline::Request& r) {
    bool ok = r.action == cmdline::Request::Action::Print;
    std::fputs(r.text.c_str(), ok ? stdout : stderr);
    return ok ? 0 : 2;
}

} // namespace

std::optional<int> answerWithoutWindows(int argc, char** argv) {
    cmdline::Request r = parse(argc, argv);
    // An unknown option may still be one of Qt's, which only QApplication takes away.
    if (r.action != cmdline::Request::Action::Print) return std::nullopt;
    return report(r);
}

int runApplication(int argc, char** argv, forms::Browser* browser) {
    // Qt takes its own options wherever they stand; after "--" every argument is a page,
    // so Qt is shown only what comes before.
    int ours = argc > 0 ? 1 : 0;
    while (ours < argc && std::strcmp(argv[ours], "--") != 0)
        ++ours;
    std::vector<char*> qtArgv(argv, argv + ours);
    qtArgv.push_back(nullptr);
    int qtArgc = ours;
    QApplication app(qtArgc, qtArgv.data());
    std::vector<char*> left(qtArgv.begin(), qtArgv.begin() + qtArgc);
    left.insert(left.end(), argv + ours, argv + argc);
    cmdline::Request request = parse(static_cast<int>(left.size()), left.data());
    if (request.action != cmdline::Request::Action::Start) return report(request);
    QApplication::setApplicationName(QStringLiteral("Tolva"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tolva.svg")));
    // The program ends only through its own exit paths.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform services;
    forms::Platform platform = services.platform();
    platform.browser = browser;
    Program program(platform);
    program.pageAtStart = forms::fromFileName(request.page);
    program.otherPagesAtStart = request.otherPages;
    int rc = 0;
    {
        ViewManager views(program);
        program.launch();
        rc = QApplication::exec();
    }
    return rc;
}

} // namespace tolva::qt
