// Data kept per edition and language: built once for a built-in edition, by
// every thread alike; never kept for an edition that may change.

#include "editions/edition_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace tolvan;

TEST(EditionCache, ThreadsShareOneMakingPerBuiltInEditionAndLanguage)
{
    EditionCache<std::string> cache;
    std::atomic<std::size_t> made = 0;
    const auto make = [&](const Edition& e, Language l) {
        ++made;
        std::this_thread::yield();
        return e.id + (l == Language::Chinese ? " zh" : " en");
    };
    // Four threads at once ask for every edition in both languages, twice over.
    std::vector<std::vector<const std::string*>> got(4);
    std::vector<std::thread> threads;
    for (auto& mine : got)
        threads.emplace_back([&] {
            for (int round = 0; round < 2; ++round)
                for (const Edition* e : allEditions())
                    for (Language l : {Language::English, Language::Chinese})
                        mine.push_back(cache.get(*e, l, make).get());
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(made.load(), 2 * allEditions().size());
    const std::size_t half = got.front().size() / 2;
    for (std::size_t i = 0; i < 2 * half; ++i) {
        const Edition& e = *allEditions()[i % half / 2];
        EXPECT_EQ(*got.front()[i], e.id + (i % 2 ? " zh" : " en"));
        EXPECT_EQ(got.front()[i], got.front()[i % half]);
    }
    for (const auto& mine : got)
        EXPECT_EQ(mine, got.front());
}

TEST(EditionCache, AModifiedCopyIsNeverServedStale)
{
    EditionCache<std::string> cache;
    const auto make = [](const Edition& e, Language) { return e.id; };
    const Edition& original = *allEditions().front();
    Edition copy = original;
    for (const char* id : {"first", "second"}) {
        copy.id = id;
        EXPECT_EQ(*cache.get(copy, Language::English, make), id);
    }
    // The built-in edition it was copied from keeps its own.
    EXPECT_EQ(*cache.get(original, Language::English, make), original.id);
}
