// Data kept per edition and language: built once for a built-in edition, by
// every thread alike; never kept for an edition that may change.

#include "editions/edition_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace tolvan {
namespace {

struct Made {
    const Edition* edition;
    Language language;
    std::string id;
};

TEST(EditionCache, BuiltInEditionsAreMadeOncePerLanguage)
{
    EditionCache<Made> cache;
    int made = 0;
    auto make = [&](const Edition& e, Language l) {
        ++made;
        return Made{&e, l, e.id};
    };
    std::set<const Made*> distinct;
    for (int round = 0; round < 2; ++round)
        for (const Edition* e : allEditions())
            for (Language l : {Language::English, Language::Chinese}) {
                const auto got = cache.get(*e, l, make);
                EXPECT_EQ(got->edition, e);
                EXPECT_EQ(got->language, l);
                distinct.insert(got.get());
            }
    EXPECT_EQ(made, static_cast<int>(2 * allEditions().size()));
    EXPECT_EQ(distinct.size(), 2 * allEditions().size());
}

TEST(EditionCache, AModifiedCopyIsMadeAfreshEveryTime)
{
    EditionCache<Made> cache;
    auto make = [](const Edition& e, Language l) { return Made{&e, l, e.id}; };
    Edition copy = *allEditions().front();
    copy.id = "first";
    EXPECT_EQ(cache.get(copy, Language::English, make)->id, "first");
    copy.id = "second";
    EXPECT_EQ(cache.get(copy, Language::English, make)->id, "second");
    // The built-in edition it was copied from keeps its own.
    EXPECT_EQ(cache.get(*allEditions().front(), Language::English, make)->id, allEditions().front()->id);
}

TEST(EditionCache, ThreadsAskingAtOnceShareOneMaking)
{
    EditionCache<Made> cache;
    std::atomic<int> made = 0;
    auto make = [&](const Edition& e, Language l) {
        ++made;
        std::this_thread::yield();
        return Made{&e, l, e.id};
    };
    const Edition& e = *allEditions().back();
    std::vector<const Made*> got(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < got.size(); ++i)
        threads.emplace_back([&, i] { got[i] = cache.get(e, Language::Chinese, make).get(); });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(made.load(), 1);
    for (const Made* m : got)
        EXPECT_EQ(m, got.front());
}

} // namespace
} // namespace tolvan
