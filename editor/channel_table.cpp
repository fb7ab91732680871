#include "editor/channel_table.h"

#include "codeplug/tone_list.h"
#include "editions/record_codec.h"

#include <stdexcept>

namespace tolvan {
namespace {

const std::string kEmpty;

// A stored cell may have been written in either language (the words follow the
// language at the moment the cells were written), so both are understood.
int indexInEither(const WordList& a, const WordList& b, const std::string& text)
{
    const int i = a.indexOf(text);
    return i >= 0 ? i : b.indexOf(text);
}

bool isOn(const WordList& a, const WordList& b, const std::string& text)
{
    return !text.empty() && (text == (a.items.empty() ? kEmpty : a.word(true))
                             || text == (b.items.empty() ? kEmpty : b.word(true)));
}

int wordIndexInEither(const std::vector<std::string>& a, const std::vector<std::string>& b, const std::string& text)
{
    for (const auto* words : {&a, &b})
        for (std::size_t i = 0; i < words->size(); ++i)
            if ((*words)[i] == text)
                return static_cast<int>(i);
    return -1;
}

} // namespace

ChannelTable::ChannelTable(const Edition& edition, Language language)
    : edition_(&edition), language_(language), rows_(edition.channelCount + 1),
      cells_(static_cast<std::size_t>(rows_) * edition.columns.size())
{
    const auto& headers = texts().headers;
    for (int col = 0; col < columnCount(); ++col)
        setCell(0, col, headers.at(static_cast<std::size_t>(col)));
    for (int row = 1; row < rowCount(); ++row)
        setCell(row, 0, std::to_string(row));
    columnIndex_.fill(-1);
    for (int col = columnCount() - 1; col >= 0; --col)
        columnIndex_[static_cast<std::size_t>(columnAt(col))] = col;
}

int ChannelTable::columnOf(Column column) const
{
    return columnIndex_.at(static_cast<std::size_t>(column));
}

std::size_t ChannelTable::indexOf(int row, int col) const
{
    if (row < 0 || row >= rows_ || col < 0 || col >= columnCount())
        throw std::out_of_range("channel table: no cell " + std::to_string(row) + "," + std::to_string(col));
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount()) + static_cast<std::size_t>(col);
}

const std::string& ChannelTable::cell(int row, int col) const
{
    return cells_[indexOf(row, col)];
}

void ChannelTable::setCell(int row, int col, std::string text)
{
    cells_[indexOf(row, col)] = std::move(text);
}

const std::string& ChannelTable::cell(int row, Column column) const
{
    const int col = columnOf(column);
    return col < 0 ? kEmpty : cell(row, col);
}

void ChannelTable::setCell(int row, Column column, std::string text)
{
    const int col = columnOf(column);
    if (col >= 0)
        setCell(row, col, std::move(text));
}

std::string ChannelTable::textFor(Column column, const ChannelFields& f, bool inUse) const
{
    const EditionTexts& t = texts();
    // References, not copies: a table load asks this for every cell.
    auto word = [&](const WordList& list, bool on) -> const std::string& {
        return inUse && !list.items.empty() ? list.word(on) : kEmpty;
    };
    auto item = [&](const std::vector<std::string>& items, int index) -> const std::string& {
        return inUse && index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                             : kEmpty;
    };
    const bool showTones = inUse || edition_->unusedChannelsShowTones;
    const std::string& offTone = inUse ? t.offTone : kEmpty;
    switch (column) {
    case Column::Channel:
        return kEmpty;
    case Column::Receive:
        return frequencyText(f.rx);
    case Column::Transmit:
        return frequencyText(f.tx);
    case Column::RxTone:
        return showTones ? toneText(f.rxTone, offTone) : kEmpty;
    case Column::TxTone:
        return showTones ? toneText(f.txTone, offTone) : kEmpty;
    case Column::Bandwidth:
        return word(t.bandwidth, f.wide);
    case Column::Scan:
        return word(t.scan, f.scan);
    case Column::Power:
        return word(t.power, f.highPower);
    case Column::Signal:
        return item(t.signalling, f.signalling);
    case Column::PttId:
        return word(t.pttId, f.pttId);
    case Column::Busy:
        return item(t.busy.items, f.busy);
    case Column::Name:
        return f.name;
    case Column::More:
        return inUse ? ">>" : kEmpty;
    }
    return kEmpty;
}

std::string ChannelTable::newChannelText(Column column) const
{
    // A new channel's tones read "OFF" in every edition.
    if (column == Column::RxTone || column == Column::TxTone)
        return ToneList::instance().at(0);
    ChannelFields defaults = edition_->newChannel;
    defaults.rx = 1;  // in use
    return textFor(column, defaults, true);
}

void ChannelTable::showChannel(int row, const ChannelFields& f)
{
    for (int col = 1; col < columnCount(); ++col)
        setCell(row, col, textFor(columnAt(col), f, f.inUse()));
}

ChannelFields ChannelTable::channelOfRow(int row) const
{
    const EditionTexts& en = edition_->english;
    const EditionTexts& zh = edition_->chinese;
    ChannelFields f;
    f.rx = frequencyFromText(cell(row, Column::Receive));
    f.tx = frequencyFromText(cell(row, Column::Transmit));
    f.rxTone = toneFromText(cell(row, Column::RxTone));
    f.txTone = toneFromText(cell(row, Column::TxTone));
    f.signalling = wordIndexInEither(en.signalling, zh.signalling, cell(row, Column::Signal));
    f.highPower = isOn(en.power, zh.power, cell(row, Column::Power));
    f.scan = isOn(en.scan, zh.scan, cell(row, Column::Scan));
    f.wide = isOn(en.bandwidth, zh.bandwidth, cell(row, Column::Bandwidth));
    f.pttId = isOn(en.pttId, zh.pttId, cell(row, Column::PttId));
    f.busy = indexInEither(en.busy, zh.busy, cell(row, Column::Busy));
    f.name = cell(row, Column::Name);
    return f;
}

void ChannelTable::loadFromImage(const MemoryImage& image)
{
    if (image.size() != edition_->imageSize)
        throw std::invalid_argument("image size does not match the edition");
    const RecordCodec& codec = edition_->records();
    for (int ch = 1; ch <= edition_->channelCount; ++ch)
        showChannel(ch, codec.read(*edition_, image, ch));
}

void ChannelTable::storeToImage(MemoryImage& image) const
{
    if (image.size() != edition_->imageSize)
        throw std::invalid_argument("image size does not match the edition");
    const RecordCodec& codec = edition_->records();
    for (int ch = 1; ch <= edition_->channelCount; ++ch)
        codec.write(*edition_, image, ch, channelOfRow(ch));
}

} // namespace tolvan
