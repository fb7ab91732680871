#pragma once

#include "editor/channel_table.h"
#include "editions/twotone_record.h"

#include <string>

namespace tolvan {

// The Channel Edit dialog without its widgets: one channel's optional signalling
// kind and its two-tone encode entry and decoder, edited directly in the image.
// Opening it and browsing channels change nothing; a signalling kind the user
// picks is written at once (and shown in the table), the two-tone numbers when
// the dialog is accepted.
class ChannelEdit {
public:
    static constexpr int kTwoTone = 3;  // index of "2-Tone" in the signalling list
    static constexpr int kCallEntries = 32;
    static constexpr int kDecoders = 8;

    ChannelEdit(MemoryImage& image, ChannelTable& table, int channel);

    int channel() const { return channel_; }
    const std::string& channelText() const { return channelText_; }
    // Typed text: a whole number of a channel switches to it; anything else
    // waits silently until OK.
    void setChannelText(std::string text);
    // The spin: wraps below 1 to the last channel and past it to 1.
    void spinChannel(int delta);

    int signalling() const { return signalling_; }  // 0..3, -1 without a selection
    bool signallingEnabled() const { return signalling_ >= 0; }
    void chooseSignalling(int index);
    bool twoToneShown() const { return signalling_ == kTwoTone; }

    const std::string& callText() const { return call_; }
    const std::string& decodeText() const { return decode_; }
    void spinCall(int delta) { call_ = stepThroughNo(call_, delta, kCallEntries); }
    void spinDecode(int delta) { decode_ = stepThroughNo(decode_, delta, kDecoders); }

    // OK (Enter) or the close box. False while the channel field does not hold
    // a channel number; the dialog then stays open.
    bool accept();

    bool changedImage() const { return changed_; }
    // What OK shows while the channel field holds no channel number.
    const std::string& rangeMessage() const { return table_.texts().entry.channelRange; }

    // "NO", 1, 2, ... max and around again.
    static std::string stepThroughNo(const std::string& shown, int delta, int max);

private:
    void load(int channel);
    void refreshTable();

    MemoryImage& image_;
    ChannelTable& table_;
    const Edition& edition_;
    int channel_;
    std::string channelText_;
    int signalling_ = -1;
    std::string call_ = "NO";
    std::string decode_ = "NO";
    bool changed_ = false;
};

} // namespace tolvan
