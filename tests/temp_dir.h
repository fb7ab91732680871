#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// A fresh folder per test, named after the test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path()
               / (std::string(info->test_suite_name()) + "_" + info->name() + "_" + std::to_string(::getpid()));
        removeAll(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { removeAll(dir_); }

    std::filesystem::path dir_;

private:
    static void removeAll(const std::filesystem::path& dir)
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        // Windows removes no read-only file.
        if (fs::path::preferred_separator == '\\')
            for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir, ec))
                fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir);
    }
};

// A case that has no meaning on Windows (a file size limit, a named pipe, a
// folder's write permission, a signal) is skipped there, saying why.
#ifdef _WIN32
#define TOLVAN_SKIP_ON_WINDOWS(why) GTEST_SKIP() << (why)
#else
#define TOLVAN_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif

namespace tolvan::testing {

inline constexpr bool kWindows =
#ifdef _WIN32
    true;
#else
    false;
#endif

// Sets a variable of our own environment (TZ, a folder the code under test reads).
inline void setEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name, value);
#else
    ::setenv(name, value, 1);
#endif
}

// A named pipe without a writer, where a careless open waits for ever (made
// now or before); false on Windows, which has none in a folder.
inline bool makeFifo(const std::filesystem::path& p)
{
#ifdef _WIN32
    static_cast<void>(p);
    return false;
#else
    return ::mkfifo(p.c_str(), 0644) == 0 || std::filesystem::is_fifo(p);
#endif
}

// Whether taking a folder's write permission keeps us from making files in
// it: not for root, and not on Windows, where a folder's read-only attribute
// binds nothing in it.
inline bool foldersCanBeLocked()
{
#ifdef _WIN32
    return false;
#else
    return ::geteuid() != 0;
#endif
}

inline std::string contents(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void put(const std::filesystem::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

} // namespace tolvan::testing
