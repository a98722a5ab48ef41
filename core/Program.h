// The program: owns every window (loaded on first reference, as the classic global
// forms were) and the runtime through which they reach the platform.
#pragma once

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <functional>
#include <memory>

class Tolva;
class Splash;
class About;
class PageProps;
class Bookeeper;
class TempClip;
class FindReplace;

class Program {
public:
    // Does not own the platform, which outlives the program.
    explicit Program(forms::Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    forms::Runtime& runtime() { return runtime_; }

    // Starts the program: the splash window is its first window.
    void start();

    // Each accessor loads its window on first reference.
    Tolva& tolva();
    Splash& frmSplash();
    About& frmAbout();
    PageProps& pageprops();
    Bookeeper& bookeeper();
    TempClip& tempclip();
    FindReplace& findreplace();

    // The loaded window, or nullptr; never loads.
    Tolva* tolvaIfLoaded() const { return tolva_.get(); }
    Splash* splashIfLoaded() const { return splash_.get(); }
    About* aboutIfLoaded() const { return about_.get(); }
    PageProps* pagepropsIfLoaded() const { return pageprops_.get(); }
    Bookeeper* bookeeperIfLoaded() const { return bookeeper_.get(); }
    TempClip* tempclipIfLoaded() const { return tempclip_.get(); }
    FindReplace* findreplaceIfLoaded() const { return findreplace_.get(); }

    // The front end builds a view for each window as it is loaded, and drops it before
    // the window goes away.
    std::function<void(forms::Form&)> formLoaded;
    std::function<void(forms::Form&)> formUnloading;

private:
    template <class T> T& load(std::unique_ptr<T>& slot);

    forms::Runtime runtime_;
    std::unique_ptr<Tolva> tolva_;
    std::unique_ptr<Splash> splash_;
    std::unique_ptr<About> about_;
    std::unique_ptr<PageProps> pageprops_;
    std::unique_ptr<Bookeeper> bookeeper_;
    std::unique_ptr<TempClip> tempclip_;
    std::unique_ptr<FindReplace> findreplace_;
};
