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

const WordList* wordListOf(const EditionTexts& t, Column column)
{
    switch (column) {
    case Column::Bandwidth:
        return &t.bandwidth;
    case Column::Scan:
        return &t.scan;
    case Column::Power:
        return &t.power;
    case Column::PttId:
        return &t.pttId;
    case Column::Busy:
        return &t.busy;
    default:
        return nullptr;
    }
}

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
    std::string text;
    writeText(text, column, f, inUse);
    return text;
}

void ChannelTable::writeText(std::string& out, Column column, const ChannelFields& f, bool inUse) const
{
    const EditionTexts& t = texts();
    // Words are assigned, not built: a cell keeps its buffer from one load to
    // the next, and a table load writes every cell.
    auto word = [&](const WordList& list, bool on) {
        if (inUse && !list.items.empty())
            out.assign(list.word(on));
        else
            out.clear();
    };
    auto item = [&](const std::vector<std::string>& items, int index) {
        if (inUse && index >= 0 && index < static_cast<int>(items.size()))
            out.assign(items[static_cast<std::size_t>(index)]);
        else
            out.clear();
    };
    const bool showTones = inUse || edition_->unusedChannelsShowTones;
    const std::string& offTone = inUse ? t.offTone : kEmpty;
    switch (column) {
    case Column::Channel:
        out.clear();
        return;
    case Column::Receive:
        out = frequencyText(f.rx);
        return;
    case Column::Transmit:
        out = frequencyText(f.tx);
        return;
    case Column::RxTone:
        out = showTones ? toneText(f.rxTone, offTone) : std::string();
        return;
    case Column::TxTone:
        out = showTones ? toneText(f.txTone, offTone) : std::string();
        return;
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
        out.assign(f.name);
        return;
    case Column::More:
        out.assign(inUse ? ">>" : "");
        return;
    }
    out.clear();
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
    // The row is checked once, not cell by cell: a load shows every row.
    std::string* cells = &cells_[indexOf(row, 0)];
    const bool inUse = f.inUse();
    const std::vector<Column>& columns = edition_->columns;
    for (std::size_t col = 1; col < columns.size(); ++col)
        writeText(cells[col], columns[col], f, inUse);
}

ChannelFields ChannelTable::channelOfRow(int row) const
{
    return channelOfCells(&cells_[indexOf(row, 0)]);
}

ChannelFields ChannelTable::channelOfTexts(const std::vector<std::string>& texts) const
{
    if (texts.size() != edition_->columns.size())
        throw std::invalid_argument("channel texts do not match the table's columns");
    return channelOfCells(texts.data());
}

ChannelFields ChannelTable::channelOfCells(const std::string* cells) const
{
    const EditionTexts& en = edition_->english;
    const EditionTexts& zh = edition_->chinese;
    auto text = [&](Column column) -> const std::string& {
        const int col = columnIndex_[static_cast<std::size_t>(column)];
        return col < 0 ? kEmpty : cells[col];
    };
    ChannelFields f;
    f.rx = frequencyFromText(text(Column::Receive));
    f.tx = frequencyFromText(text(Column::Transmit));
    f.rxTone = toneFromText(text(Column::RxTone));
    f.txTone = toneFromText(text(Column::TxTone));
    f.signalling = wordIndexInEither(en.signalling, zh.signalling, text(Column::Signal));
    f.highPower = isOn(en.power, zh.power, text(Column::Power));
    f.scan = isOn(en.scan, zh.scan, text(Column::Scan));
    f.wide = isOn(en.bandwidth, zh.bandwidth, text(Column::Bandwidth));
    f.pttId = isOn(en.pttId, zh.pttId, text(Column::PttId));
    f.busy = indexInEither(en.busy, zh.busy, text(Column::Busy));
    f.name = text(Column::Name);
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
