#include "link/write_verify.h"

#include "codeplug/data_password.h"

#include <algorithm>

namespace tolvan {
namespace {

struct VerifyTexts {
    std::string written;
    std::string title;
    std::string verified;
    std::string mismatch;
    std::string notReadBack;
    std::string channels;
    std::string settings;
    std::string otherBytes;
    std::string separator;
};

const VerifyTexts& verifyTexts(const Edition& edition, Language language)
{
    static const VerifyTexts english{"Written.",
                                     "Verifying Data Progress",
                                     "Verified: the radio holds what was written.",
                                     "Verify failed: the radio does not hold what was written.",
                                     "Verify failed: the radio could not be read back.",
                                     "Channels: ",
                                     "Settings: ",
                                     "Other bytes: ",
                                     ", "};
    static const VerifyTexts chinese{"写入完成。",
                                     "校验数据进度",
                                     "校验通过：对讲机中的数据与写入的一致。",
                                     "校验失败：对讲机中的数据与写入的不一致。",
                                     "校验失败：无法读回对讲机的数据。",
                                     "信道：",
                                     "设置：",
                                     "其他字节：",
                                     "，"};
    return edition.uiLanguage(language) == Language::English ? english : chinese;
}

template <class T, class F>
std::string joined(const std::vector<T>& items, const std::string& separator, F text)
{
    std::string out;
    for (const T& item : items) {
        if (!out.empty())
            out += separator;
        out += text(item);
    }
    return out;
}

} // namespace

std::size_t writtenBytes(const Edition& edition)
{
    return std::min(edition.imageSize, 8 * static_cast<std::size_t>(edition.link.writeBlocks));
}

const std::string& verifyTitle(const Edition& edition, Language language)
{
    return verifyTexts(edition, language).title;
}

const std::string& writtenText(const Edition& edition, Language language)
{
    return verifyTexts(edition, language).written;
}

CloneRequest readBackRequest(const Edition& edition, const MemoryImage& sent)
{
    CloneRequest request{Direction::Read, sent, {}};
    if (edition.link.passwordCheck && edition.passwordOffset)
        request.password = readDataPassword(sent, *edition.passwordOffset);
    return request;
}

VerifyOutcome judgeReadBack(const Edition& edition, Language language, const MemoryImage& sent,
                            CloneOutcome readBack)
{
    const VerifyTexts& t = verifyTexts(edition, language);
    VerifyOutcome out;
    out.readBack = std::move(readBack);
    if (out.readBack.result != CloneResult::Completed || !out.readBack.image) {
        out.message = t.notReadBack;
        if (!out.readBack.message.empty())
            out.message += "\n" + out.readBack.message;
        return out;
    }
    out.settings = namedSettings(edition, language);
    out.difference = differenceOf(edition, out.settings, sent, *out.readBack.image, writtenBytes(edition));
    out.verified = out.difference.empty();
    if (out.verified) {
        out.message = t.verified;
        return out;
    }
    const ImageDifference& d = out.difference;
    out.message = t.mismatch;
    if (!d.channels.empty())
        out.message += "\n" + t.channels + joined(d.channels, t.separator, [](int n) { return std::to_string(n); });
    if (!d.settings.empty())
        out.message += "\n" + t.settings + joined(d.settings, t.separator, [](const NamedSetting* s) { return s->name; });
    if (!d.otherBytes.empty())
        out.message += "\n" + t.otherBytes + joined(d.otherBytes, t.separator, addressText);
    return out;
}

VerifyOutcome verifyWritten(const Edition& edition, Language language, LinkHost& host, PortOpener& opener,
                            const std::string& port, const MemoryImage& sent)
{
    CloneSession session(edition, language, host);
    return judgeReadBack(edition, language, sent, session.run(opener, port, readBackRequest(edition, sent)));
}

} // namespace tolvan
