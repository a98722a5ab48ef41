// Fixture for front-end tests: the program with its real views, dialogs scripted.
#pragma once

#include "core/Program.h"
#include "core/Tolva.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"
#include "qt/QtPlatform.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include <unistd.h>

namespace testing_support {

class QtProgramTest : public ::testing::Test {
protected:
    tolva::qt::QtPlatform qp;
    ScriptedDialogs dialogs;
    forms::Platform platform = qp.platform(&dialogs);
    Program program{platform};
    std::unique_ptr<tolva::qt::ViewManager> views =
        std::make_unique<tolva::qt::ViewManager>(program);

    void TearDown() override { views.reset(); }

    // Starts the program and skips the splash, as a click on it does.
    tolva::qt::MainView& startMain();
    Tolva& main() { return *program.loaded<Tolva>(); }
    tolva::qt::MainView& mainView() {
        return *static_cast<tolva::qt::MainView*>(views->view("tolva"));
    }
    tolva::qt::BufferEdit& buffer() { return *mainView().buffer(); }
    // The widget shows exactly the model's text (each line break as one).
    void expectMirror();
    void run(const std::function<void()>& f) { program.runtime().invoke(f); }

    // The page and its selection, set as the program would; the buffer takes the keyboard.
    void setPage(forms::StringView text, int32_t start, int32_t length = 0);
    forms::String text() { return main().Text1.text(); }
    template <class W> W* in(const char* view, const char* name) {
        auto* v = views->view(view);
        return v ? v->findChild<W*>(name) : nullptr;
    }
    // What a screen reader announces the widget by: its name, for a combo box its label.
    static std::string announced(QWidget* w);
    // What a screen reader does instead of clicks and keystrokes.
    static void readerToggles(QWidget* w);
    static void readerSets(QWidget* w, const QString& text);
};

// The preview window over a saved page, whichever browser the test gives the platform.
class PreviewWindowTest : public QtProgramTest {
protected:
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("tolva-preview-" + std::to_string(::getpid()) + ".html");
    forms::String path = forms::fromUtf8(file.string());

    // The window lets go of the browser as it goes: before the browser does.
    void TearDown() override;
    // Saves the started program's page under file and opens the preview with F5.
    tolva::qt::FormView* openPreview();
};

} // namespace testing_support
