// The bookmark list window `bookeeper`. Its lists and buttons arrive with bookmarks;
// the main window already raises it and the page commands close it.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

class Program;

class Bookeeper : public forms::Form {
public:
    explicit Bookeeper(Program& program);
    Program& program;

    forms::ListBox List1{*this, "List1"};
    forms::ListBox List2{*this, "List2"};
};
