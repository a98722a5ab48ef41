// The splash window `frmSplash`: a timed progress display before the main window.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

#include <array>
#include <functional>

class Page;

class Splash : public forms::Form {
public:
    explicit Splash(Page& page);
    Page& page;

    forms::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    forms::Label loader{*this, "loader"};
    forms::Label lblProductName{*this, "lblProductName"};
    forms::Label lblVersion{*this, "lblVersion"};
    forms::Frame Frame1{*this, "Frame1"};
    std::array<forms::Timer, 8> timers{{{*this, "Timer1", 75, true},
                                        {*this, "Timer2", 225, true},
                                        {*this, "Timer3", 354, true},
                                        {*this, "Timer4", 485, true},
                                        {*this, "Timer5", 650, true},
                                        {*this, "Timer6", 900, true},
                                        {*this, "Timer7", 1200, true},
                                        {*this, "Timer8", 2500, true}}};

    void Form_Load();
    // Timer k (1 to 8) ticked.
    void Timer_Timer(int k);
    void Form_KeyPress();
    void Frame1_Click();

    // Runs once the main window shows in the splash's place; set by the program.
    std::function<void()> proceeded;

private:
    // Closes the splash and shows the main window.
    void proceed();
};
