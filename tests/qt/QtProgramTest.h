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
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

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
};

} // namespace testing_support
