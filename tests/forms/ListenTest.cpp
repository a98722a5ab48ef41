// Listening to controls and forms: a subscription ends its listening and no other.
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

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
};

} // namespace

TEST_F(Listen, ClosingOneViewLeavesTheOthersListening) {
    std::string heard;
    Subscription first = box.listen([&](Prop p) {
        if (p == Prop::Text) heard += "1";
    });
    std::optional<Subscription> second = box.listen([&](Prop p) {
        if (p == Prop::Text) heard += "2";
    });
    box.setText(u"a");
    EXPECT_EQ(heard, "12");
    second.reset(); // that view closes
    box.setText(u"b");
    EXPECT_EQ(heard, "121");
    first.reset();
    box.setText(u"c");
    EXPECT_EQ(heard, "121");
}

TEST_F(Listen, AViewGoneDuringANotificationIsNotCalled) {
    // The first listener closes the second view while the change is being announced.
    std::string heard;
    auto second = std::make_unique<Subscription>();
    Subscription first = box.listen([&](Prop p) {
        if (p != Prop::Text) return;
        heard += "1";
        second.reset();
    });
    *second = box.listen([&](Prop p) {
        if (p == Prop::Text) heard += "2";
    });
    Subscription third = box.listen([&](Prop p) {
        if (p == Prop::Text) heard += "3";
    });
    box.setText(u"x");
    EXPECT_EQ(heard, "13");
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

TEST_F(Listen, FormListenersEndWithTheirSubscription) {
    std::string heard;
    Subscription a = form.listen([&](Form::Change c) {
        if (c == Form::Change::Visible) heard += "a";
    });
    {
        Subscription b = form.listen([&](Form::Change c) {
            if (c == Form::Change::Visible) heard += "b";
        });
        form.show();
        EXPECT_EQ(heard, "ab");
    }
    form.hide();
    EXPECT_EQ(heard, "aba");
    Subscription moved = std::move(a);
    form.show();
    EXPECT_EQ(heard, "abaa") << "a moved subscription keeps listening";
}
