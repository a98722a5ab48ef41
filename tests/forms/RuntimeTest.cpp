// The keystroke queue, the event entry point and End.
#include "forms/Runtime.h"
#include "forms/Form.h"
#include "forms/TextBox.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

using namespace forms;
using testing_support::ScriptedPlatform;
using testing_support::show;

TEST(RuntimeTest, QueuedKeysArriveAfterTheHandlerOneChangeEach) {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    std::vector<String> changes;
    box.Change = [&] { changes.push_back(box.text()); };
    const StringView keys = u"+^%~{}[]()x";
    rt.invoke([&] {
        box.setFocus();
        rt.sendKeys(keys);
        EXPECT_TRUE(changes.empty()) << "nothing arrives while the handler runs";
    });
    ASSERT_EQ(changes.size(), keys.size());
    EXPECT_EQ(show(box.text()), show(keys)) << "every character arrives as itself";
    EXPECT_EQ(show(changes[0]), show(u"+"));
}

TEST(RuntimeTest, KeysQueuedWhileTypingGoAfterTheOnesAlreadyWaiting) {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    box.Change = [&] {
        if (box.text().ends_with(u"a")) rt.sendKeys(u"1");
    };
    rt.invoke([&] {
        box.setFocus();
        rt.sendKeys(u"ab");
    });
    EXPECT_EQ(show(box.text()), show(u"ab1"));
}

TEST(RuntimeTest, EndStopsEverythingAfterIt) {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    bool after = false;
    rt.invoke([&] {
        rt.invoke([&] { rt.end(); });
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_TRUE(sp.session.ended);
    bool later = false;
    rt.invoke([&] { later = true; });
    EXPECT_FALSE(later);
}

TEST(RuntimeTest, QueuedLineBreaksArriveAsThemselves) {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    box.setMultiLine(true);
    int changes = 0;
    box.Change = [&] { ++changes; };
    rt.invoke([&] {
        box.setFocus();
        rt.sendKeys(u"a\nb\rc\r\nd");
    });
    EXPECT_EQ(show(box.text()), show(u"a\nb\rc\r\nd"));
    EXPECT_EQ(changes, 7) << "the CR LF pair is one change";
}

TEST(RuntimeTest, KeysQueuedByATypedKeyArriveAfterItsKeyUp) {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    std::string order;
    box.KeyDown = [&](int, int) { order += "D"; };
    box.KeyPress = [&](int& c) { order += static_cast<char>(c); };
    box.Change = [&] {
        order += "C";
        if (box.text() == u"a") rt.sendKeys(u"b");
    };
    box.KeyUp = [&](int, int) { order += "U"; };
    rt.invoke([&] { box.setFocus(); });
    box.type(u'a');
    EXPECT_EQ(order, "DaCUDbCU");
    order.clear();
    box.typeKey(37, 0, nullptr); // a key with nothing to do between
    EXPECT_EQ(order, "DU");
}
