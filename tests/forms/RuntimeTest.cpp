// The keystroke queue, the event entry point and End.
#include "forms/Runtime.h"
#include "forms/Form.h"
#include "forms/TextBox.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

using namespace forms;
using testing_support::ScriptedPlatform;
using testing_support::show;

namespace {

struct RuntimeTest : ::testing::Test {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
};

} // namespace

TEST_F(RuntimeTest, QueuedKeysArriveAfterTheHandlerAsThemselvesOneChangeEach) {
    box.setMultiLine(true);
    struct Case {
        StringView keys;
        size_t changes;
    };
    for (const Case& c : {Case{u"+^%~{}[]()x", 11}, Case{u"a\nb\rc\r\nd", 7}}) {
        SCOPED_TRACE(show(c.keys));
        std::vector<String> changes;
        box.Change = [&] { changes.push_back(box.text()); };
        rt.invoke([&] {
            box.setText(u"");
            changes.clear();
            box.setFocus();
            rt.sendKeys(c.keys);
            EXPECT_TRUE(changes.empty()) << "nothing arrives while the handler runs";
        });
        EXPECT_EQ(show(box.text()), show(c.keys));
        ASSERT_EQ(changes.size(), c.changes) << "a CR LF pair is one change";
        EXPECT_EQ(show(changes[0]), show(c.keys.substr(0, 1)));
    }
}

TEST_F(RuntimeTest, KeysQueuedWhileTypingGoAfterTheOnesAlreadyWaiting) {
    box.Change = [&] {
        if (box.text().ends_with(u"a")) rt.sendKeys(u"1");
    };
    rt.invoke([&] {
        box.setFocus();
        rt.sendKeys(u"ab");
    });
    EXPECT_EQ(show(box.text()), show(u"ab1"));
}

TEST_F(RuntimeTest, KeysQueuedByATypedKeyArriveAfterItsKeyUp) {
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

TEST_F(RuntimeTest, EndStopsEverythingAfterIt) {
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
