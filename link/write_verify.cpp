#include "link/write_verify.h"

#include "codeplug/data_password.h"
#include "link/link_texts.h"

#include <algorithm>

namespace tolvan {
namespace {

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
    return verifyTexts(edition.uiLanguage(language)).title;
}

const std::string& writtenText(const Edition& edition, Language language)
{
    return verifyTexts(edition.uiLanguage(language)).written;
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
    const VerifyTexts& t = verifyTexts(edition.uiLanguage(language));
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
