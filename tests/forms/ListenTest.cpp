// Listening to model objects: a subscription ends its listening and no other.
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using namespace forms;
using testing_support::ScriptedPlatform;

namespace {

struct Listen : ::testing::Test {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    std::string heard;
    // A view that notes its mark on every change of the text.
    std::function<void(Prop)> noting(char mark) {
        return [this, mark](Prop p) {
            if (p == Prop::Text) heard += mark;
        };
    }
};

} // namespace

TEST_F(Listen, ClosingOneViewLeavesTheOthersListening) {
    std::optional<Subscription> first = box.listen(noting('1'));
    std::optional<Subscription> second = box.listen(noting('2'));
    box.setText(u"a");
    second.reset(); // that view closes
    box.setText(u"b");
    Subscription moved = std::move(*first);
    first.reset(); // what was moved from ends nothing
    box.setText(u"c");
    moved.reset();
    box.setText(u"d");
    EXPECT_EQ(heard, "1211");
}

TEST_F(Listen, AViewGoneDuringANotificationIsNotCalled) {
    // The first listener closes the second view while the change is being announced.
    auto second = std::make_unique<Subscription>();
    Subscription first = box.listen([&](Prop p) {
        if (p != Prop::Text) return;
        heard += "1";
        second.reset();
    });
    *second = box.listen(noting('2'));
    Subscription third = box.listen(noting('3'));
    box.setText(u"x");
    box.setText(u"y");
    EXPECT_EQ(heard, "1313");
}

TEST_F(Listen, AListenerMayEndItsOwnListeningAndOutliveTheControl) {
    int calls = 0;
    Subscription self;
    self = box.listen([&](Prop) {
        ++calls;
        self.reset();
    });
    box.setText(u"a");
    box.setText(u"b");
    EXPECT_EQ(calls, 1);

    Subscription late;
    {
        Form gone(rt, "gone");
        Label label(gone, "Label1");
        late = label.listen([&](Prop) { ++calls; });
        label.setCaption(u"x");
        EXPECT_EQ(calls, 2);
    }
    late.reset(); // the label is gone; ending the listening is harmless
}
