#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// The 261 tone texts every tone editor offers, in this order: "OFF", the 50 CTCSS
// tones, the 105 DCS codes with "N", the same 105 with "I".
class ToneList {
public:
    static constexpr int kSize = 261;
    static constexpr int kFirstCtcss = 1;
    static constexpr int kFirstDcsNormal = 51;
    static constexpr int kFirstDcsInverted = 156;

    static const ToneList& instance();

    const std::vector<std::string>& texts() const { return texts_; }
    const std::string& at(int index) const { return texts_.at(static_cast<std::size_t>(index)); }
    int size() const { return static_cast<int>(texts_.size()); }

    // Index of the entry equal to `text` ignoring letter case, or -1.
    int find(std::string_view text) const;

private:
    ToneList();
    std::vector<std::string> texts_;
};

} // namespace tolvan
