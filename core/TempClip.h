// The master temporary clipboard window `tempclip`.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Program;

class TempClip : public forms::Form {
public:
    explicit TempClip(Program& program);
    Program& program;
};
