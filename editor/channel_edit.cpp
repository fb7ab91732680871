#include "editor/channel_edit.h"

#include "codeplug/decimal.h"

#include <algorithm>

namespace tolvan {
namespace {

// A whole number with nothing else around it, or -1.
int wholeNumber(const std::string& text)
{
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return static_cast<int>(parseLeadingDigits(text));
}

} // namespace

ChannelEdit::ChannelEdit(MemoryImage& image, ChannelTable& table, int channel)
    : image_(image), table_(table), edition_(table.edition()), channel_(channel)
{
    load(std::clamp(channel, 1, edition_.channelCount));
}

void ChannelEdit::load(int channel)
{
    channel_ = channel;
    channelText_ = std::to_string(channel);
    signalling_ = signallingIndex(image_.at(edition_.recordOffset(channel) + 12));
    const TwoToneSelection s = readTwoToneSelection(edition_, image_, channel);
    call_ = s.callOn ? std::to_string(s.callEntry + 1) : "NO";
    decode_ = s.decodeOn ? std::to_string(s.decoder + 1) : "NO";
}

void ChannelEdit::setChannelText(std::string text)
{
    channelText_ = std::move(text);
    const int n = wholeNumber(channelText_);
    if (n >= 1 && n <= edition_.channelCount) {
        load(n);
    }
}

void ChannelEdit::spinChannel(int delta)
{
    int n = channel_ + delta;
    if (n < 1)
        n = edition_.channelCount;
    else if (n > edition_.channelCount)
        n = 1;
    load(n);
}

void ChannelEdit::refreshTable()
{
    table_.loadFromImage(image_);
}

void ChannelEdit::chooseSignalling(int index)
{
    const std::size_t at = edition_.recordOffset(channel_) + 12;
    const std::uint8_t before = image_.at(at);
    image_.set(at, withSignalling(before, index));
    signalling_ = index;
    changed_ = changed_ || image_.at(at) != before;
    refreshTable();
}

std::string ChannelEdit::stepThroughNo(const std::string& shown, int delta, int max)
{
    const int n = wholeNumber(shown);
    const bool inRange = n >= 1 && n <= max;
    if (delta > 0) {
        if (!inRange)
            return "1";  // up from "NO"
        return n == max ? "NO" : std::to_string(n + 1);
    }
    if (!inRange)
        return std::to_string(max);  // down from "NO" or anything else
    return n == 1 ? "NO" : std::to_string(n - 1);
}

bool ChannelEdit::accept()
{
    const int n = wholeNumber(channelText_);
    if (n < 1 || n > edition_.channelCount) {
        // Refused: the field shows again the channel the dialog still works on.
        channelText_ = std::to_string(channel_);
        return false;
    }
    if (!twoToneShown())
        return true;
    const MemoryImage before = image_;
    TwoToneSelection s = readTwoToneSelection(edition_, image_, channel_);
    const int call = wholeNumber(call_);
    const int decode = wholeNumber(decode_);
    s.callOn = call > 0;
    if (s.callOn)
        s.callEntry = std::min(call - 1, kCallEntries - 1);
    s.decodeOn = decode > 0;
    if (s.decodeOn)
        s.decoder = std::min(decode - 1, kDecoders - 1);
    writeTwoToneSelection(edition_, image_, channel_, s);
    if (image_ != before) {
        changed_ = true;
        refreshTable();
    }
    return true;
}

} // namespace tolvan
