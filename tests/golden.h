#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

// Compares a long output, rendered as readable text, with its file under
// tests/<folder>/golden/ in the source tree. TOLVAN_UPDATE_GOLDEN=1 rewrites the
// file instead; the change is then reviewed in the diff like code.
// `dropped` names the cases a system cannot make (Windows has no symbolic
// links): the file's lines it takes are left out before the comparison, a
// line at the margin with the indented lines under it.
inline void expectGolden(const std::string& folder, const std::string& name, const std::string& actual,
                         const std::function<bool(const std::string& head)>& dropped = nullptr)
{
    const std::filesystem::path file = std::filesystem::path(TOLVAN_SOURCE_DIR) / "tests" / folder / "golden" / (name + ".txt");
    const char* update = std::getenv("TOLVAN_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    std::stringstream expected;
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file << " is missing; TOLVAN_UPDATE_GOLDEN=1 writes it";
    expected << in.rdbuf();
    if (dropped) {
        std::istringstream all(expected.str());
        expected.str("");
        bool keep = true;
        for (std::string line; std::getline(all, line);) {
            const bool head = !line.starts_with(' ');
            if (head)
                keep = !dropped(line);
            if (keep && (head || !dropped(line)))
                expected << line << '\n';
        }
    }
    if (expected.str() == actual)
        return;
    // Name the first line that differs rather than print two long texts.
    std::istringstream want(expected.str()), got(actual);
    std::string a, b;
    int line = 0;
    bool moreWant = true, moreGot = true;
    while (moreWant && moreGot && a == b) {
        ++line;
        moreWant = static_cast<bool>(std::getline(want, a));
        moreGot = static_cast<bool>(std::getline(got, b));
    }
    ADD_FAILURE() << file << " line " << line << "\n  expected: " << (moreWant ? a : "(end)")
                  << "\n  actual:   " << (moreGot ? b : "(end)");
}

// Bytes as a snapshot shows them: upper-case hex, spaced.
inline std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    std::string out;
    for (std::uint8_t b : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof cell, out.empty() ? "%02X" : " %02X", b);
        out += cell;
    }
    return out;
}

// Items joined with commas, shortened so a count reads at a glance: three or
// more consecutive numbers as a range, repeats counted ("Waiting x15, 1..507").
inline std::string joinWithRuns(const std::vector<std::string>& items)
{
    const auto number = [](const std::string& t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
    };
    std::string out;
    for (std::size_t i = 0; i < items.size();) {
        std::size_t same = i + 1, next = i + 1;
        while (same < items.size() && items[same] == items[i])
            ++same;
        while (next < items.size() && number(items[next - 1]) && number(items[next])
               && std::stoll(items[next]) == std::stoll(items[next - 1]) + 1)
            ++next;
        if (!out.empty())
            out += ", ";
        out += items[i];
        if (same - i >= 2) {
            out += " x" + std::to_string(same - i);
            i = same;
        } else if (next - i >= 3) {
            out += ".." + items[next - 1];
            i = next;
        } else {
            ++i;
        }
    }
    return out;
}
