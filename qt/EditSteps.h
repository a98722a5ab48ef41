// The text widget's own undo steps, one for each edit the view gave it. Inserting a large
// text again costs the widget far more than taking its own step back, so when the model
// takes an edit back (or makes it again) the widget can retrace its step instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tolva::qt {

class EditSteps {
public:
    // At pos, removed characters were replaced by added ones (display offsets).
    struct Step {
        int32_t pos;
        int32_t removed;
        int32_t added;
        int32_t steps;    // the widget's undo steps it took
        bool retraceable; // whether the widget's step alone takes it back exactly
    };
    enum class Retrace { No, Undo, Redo };

    // The widget's history was cleared.
    void clear();
    // The widget made new steps for one edit; its redo history is gone.
    void push(Step s);
    // Whether the edit (replace removed characters at pos by added ones) takes the last
    // step back, or makes the last step taken back again, as far as offsets tell: the
    // caller checks the text the widget brings back.
    Retrace match(int32_t pos, int32_t removed, int32_t added) const;
    // The widget took its last step back, or made it again.
    void undone();
    void redone();
    // The step the widget would take back or make again next.
    const Step& lastDone() const { return done_.back(); }
    const Step& lastUndone() const { return undone_.back(); }
    // The widget's history keeps every text it removed; past this much it is cleared.
    bool full() const { return done_.size() > kMostSteps || held_ > kMostHeld; }

    static constexpr std::size_t kMostSteps = 20000;
    static constexpr int64_t kMostHeld = int64_t{32} * 1024 * 1024;

private:
    std::vector<Step> done_;
    std::vector<Step> undone_;
    int64_t held_ = 0; // characters the widget keeps for its history
};

} // namespace tolva::qt
