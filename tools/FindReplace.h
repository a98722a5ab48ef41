// The find and replace window `findreplace`.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Program;

class FindReplace : public forms::Form {
public:
    explicit FindReplace(Program& program);
    Program& program;
};
