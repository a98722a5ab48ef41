// The recovery file's bytes and the folder it lives in.
#include "page/Recovery.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

recovery::Copy awkward() {
    // Half a surrogate pair, a lone CR, a NUL, and a line break in the name.
    return {u"/tmp/a\nb \u00E9.html", String(u"x\xDC00y\rz\r\n") + char16_t(0) + u"\U0001F600", 7,
            2, pagefile::Format{pagefile::Encoding::Utf16BeBom, pagefile::Breaks::Mixed}};
}

TEST(RecoveryFileTest, EveryCodeUnitAndFieldComesBackAsItWas) {
    for (const recovery::Copy& c : {awkward(), recovery::Copy{}}) {
        auto back = recovery::decode(recovery::encode(c));
        ASSERT_TRUE(back);
        EXPECT_TEXT(c.name, back->name);
        EXPECT_TEXT(c.text, back->text);
        EXPECT_EQ(*back, c);
    }
}

TEST(RecoveryFileTest, APartOfAFileOrAnAlteredOneIsNoCopy) {
    std::string whole = recovery::encode(awkward());
    for (size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(recovery::decode(whole.substr(0, n))) << "cut at " << n;
    EXPECT_FALSE(recovery::decode(whole + "x"));
    auto altered = [&](std::string_view from, std::string_view to) {
        std::string s = whole;
        s.replace(s.find(from), from.size(), to);
        return recovery::decode(s);
    };
    EXPECT_FALSE(altered("recovery 1", "recovery 2")) << "another version";
    EXPECT_FALSE(altered("format 4 3", "format 5 3"));
    EXPECT_FALSE(altered("format 4 3", "format 4 4"));
    EXPECT_FALSE(altered("caret 7 2", "caret -7 2"));
    EXPECT_FALSE(altered("caret 7 2", "caret 7"));
    std::string name = "name " + std::to_string(awkward().name.size());
    EXPECT_FALSE(altered(name, name + "1"));
    EXPECT_TRUE(altered("caret 7 2", "caret 70 20")) << "the caret is clamped when used";
}

TEST(RecoveryFileTest, TheFolderFollowsTheStateHomeElseTheHomeFolder) {
    EXPECT_EQ(forms::stateFolder("/s", "/h"), "/s/tolva");
    EXPECT_EQ(forms::stateFolder(nullptr, "/h"), "/h/.local/state/tolva");
    EXPECT_EQ(forms::stateFolder("", "/h"), "/h/.local/state/tolva");
    EXPECT_EQ(forms::stateFolder("rel", "/h"), "/h/.local/state/tolva") << "relative: ignored";
    EXPECT_EQ(forms::stateFolder(nullptr, nullptr), "");
    EXPECT_EQ(forms::stateFolder(nullptr, "rel"), "");
}

} // namespace
