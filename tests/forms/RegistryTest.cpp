// The window registry: one window a type, made on first reference, unloaded after the
// running handler, torn down the last loaded first, and a reload made afresh.
#include "forms/Registry.h"
#include "forms/Runtime.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace forms;

namespace {

std::vector<std::string> gone;

struct Noted : Form {
    Noted(Runtime& rt, const char* name) : Form(rt, name) {
        Load = [this] { loads += 1; };
    }
    ~Noted() override { gone.push_back(name()); }
    int loads = 0;
};
struct A : Noted {
    explicit A(Runtime& rt) : Noted(rt, "a") {}
};
struct B : Noted {
    explicit B(Runtime& rt) : Noted(rt, "b") {}
};

struct RegistryTest : ::testing::Test {
    testing_support::ScriptedPlatform sp;
    Runtime rt{sp.platform};
    template <class W> W& load(Registry& r) {
        return r.load<W>([this] { return std::make_unique<W>(rt); });
    }
    void SetUp() override { gone.clear(); }
};

TEST_F(RegistryTest, LoadsOnceByTypeAndTearsDownTheLastLoadedFirst) {
    {
        Registry r(rt);
        std::vector<std::string> heard;
        r.formLoaded = [&](Form& f) { heard.push_back(f.name()); };
        EXPECT_EQ(r.loaded<A>(), nullptr);
        B& b = load<B>(r);
        A& a = load<A>(r);
        EXPECT_EQ(&load<A>(r), &a) << "a second reference finds the same window";
        EXPECT_EQ(a.loads, 1);
        EXPECT_EQ(r.loaded<B>(), &b);
        EXPECT_EQ(heard, (std::vector<std::string>{"b", "a"}));
    }
    EXPECT_EQ(gone, (std::vector<std::string>{"a", "b"}));
}

TEST_F(RegistryTest, UnloadWaitsForTheRunningHandlerAndAReloadIsANewWindow) {
    Registry r(rt);
    std::vector<std::string> unloading;
    r.formUnloading = [&](Form& f) { unloading.push_back(f.name()); };
    A* first = &load<A>(r);
    first->show();
    rt.invoke([&] {
        first->unload();
        first->unload(); // twice in one handler: one unload
        EXPECT_FALSE(first->visible());
        EXPECT_EQ(r.loaded<A>(), first) << "still there while its handler runs";
    });
    EXPECT_EQ(r.loaded<A>(), nullptr);
    EXPECT_EQ(unloading, std::vector<std::string>{"a"});
    EXPECT_EQ(gone, std::vector<std::string>{"a"});
    A& again = load<A>(r);
    EXPECT_EQ(again.loads, 1) << "made afresh, its Load run again";
}

} // namespace
