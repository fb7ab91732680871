#include "editions/help_page.h"

#include "editions/edition.h"

#include <algorithm>
#include <sstream>

namespace tolvan {
namespace {

// The names sections use for the table's columns ({{header:Receive}}, col:Receive).
constexpr std::string_view kColumnNames[] = {"Channel", "Receive", "Transmit", "RxTone", "TxTone", "Bandwidth", "Scan",
                                             "Power",   "Signal",  "PttId",    "Busy",   "Name",   "More"};

std::string_view columnName(Column c)
{
    return kColumnNames[static_cast<std::size_t>(c)];
}

std::string withoutSpaces(std::string text)
{
    std::erase(text, ' ');
    return text;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> words(std::string_view line)
{
    std::istringstream in{std::string(line)};
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// Every tag some edition has: a term naming none is a typing error, not a
// section no program gets.
bool knownTerm(const std::string& term)
{
    static const std::set<std::string> known = [] {
        std::set<std::string> all;
        for (const Edition* e : allEditions())
            all.merge(helpTags(*e));
        return all;
    }();
    std::string names = term.starts_with('!') ? term.substr(1) : term;
    for (std::size_t from = 0;;) {
        const std::size_t bar = names.find('|', from);
        if (!known.contains(names.substr(from, bar - from)))
            return false;
        if (bar == std::string::npos)
            return true;
        from = bar + 1;
    }
}

bool termHolds(const std::string& term, const std::set<std::string>& tags)
{
    if (term.starts_with('!'))
        return !tags.contains(term.substr(1));
    for (std::size_t from = 0;;) {
        const std::size_t bar = term.find('|', from);
        if (tags.contains(term.substr(from, bar - from)))
            return true;
        if (bar == std::string::npos)
            return false;
        from = bar + 1;
    }
}

// The value of one {{...}} placeholder; empty `ok` when it names nothing.
std::string placeholder(std::string_view name, const Edition& e, Language language, bool& ok)
{
    ok = true;
    if (name == "program")
        return e.id;
    if (name == "title")
        return e.window(language).title;
    if (name == "channels")
        return std::to_string(e.channelCount);
    if (name == "size")
        return std::to_string(e.imageSize);
    const EditionTexts& texts = e.texts(language);
    if (name == "signalling") {
        std::string out;
        for (const std::string& s : texts.signalling)
            out += (out.empty() ? "" : ", ") + s;
        return out;
    }
    const LinkTexts& link = texts.link;
    const std::pair<std::string_view, const std::string*> messages[] = {
        {"msg:portOpenFail", &link.portOpenFail}, {"msg:commError", &link.commError},
        {"msg:typeMismatch", &link.typeMismatch}, {"msg:writeNoAck", &link.writeNoAck},
        {"msg:readNoAck", &link.readNoAck},       {"msg:interrupted", &link.interrupted},
        {"msg:passwordIncorrect", &link.passwordIncorrect}};
    for (const auto& [key, text] : messages)
        if (name == key)
            return trimmed(*text);
    if (name.starts_with("header:"))
        for (std::size_t i = 0; i < e.columns.size(); ++i)
            if (columnName(e.columns[i]) == name.substr(7))
                return trimmed(texts.headers.at(i));
    ok = false;
    return {};
}

bool expand(std::string& text, const Edition& e, Language language, std::string& bad)
{
    for (std::size_t at = 0; (at = text.find("{{", at)) != std::string::npos;) {
        const std::size_t end = text.find("}}", at);
        if (end == std::string::npos) {
            bad = text.substr(at, 20);
            return false;
        }
        bool ok = false;
        const std::string value = placeholder(std::string_view(text).substr(at + 2, end - at - 2), e, language, ok);
        if (!ok) {
            bad = text.substr(at, end + 2 - at);
            return false;
        }
        text.replace(at, end + 2 - at, value);
        at += value.size();
    }
    return true;
}

} // namespace

std::set<std::string> helpTags(const Edition& e)
{
    static constexpr std::string_view kFamilies[] = {"family:twotone", "family:a", "family:keys", "family:sixteen"};
    std::set<std::string> tags{std::string(kFamilies[static_cast<std::size_t>(e.family)])};
    const auto tagIf = [&tags](bool has, const char* tag) {
        if (has)
            tags.insert(tag);
    };
    tagIf(e.hasTwoTone, "twotone");
    tagIf(e.passwordOffset.has_value(), "password");
    tagIf(e.keyAssignment.has_value(), "keyassignment");
    tagIf(e.optionalFeatures || e.signallingFeatures || e.settingsLists, "features");
    tagIf(e.optionalFeatures.has_value(), "features:full");
    tagIf(e.signallingFeatures.has_value(), "features:signalling");
    tagIf(e.settingsLists.has_value(), "features:lists");
    tagIf(e.optionalFeatures && e.optionalFeatures->pf1, "features:pf");
    tagIf(e.signallingFeatures && e.signallingFeatures->aniCode, "features:ani");
    tagIf(e.link.typeCheckOffset.has_value(), "typecheck");
    tagIf(!e.testModeBaseMHz, "testmode:band");
    tagIf(!e.bands.empty(), "bandcheck");
    tagIf(e.nameBase.has_value(), "names");
    tagIf(e.brandedFromIni, "branded");
    tagIf(e.languages == LanguageChoice::AtStartUp, "languagechoice");
    tagIf(e.createsIniFile, "createsini");
    for (Column c : e.columns)
        tags.insert("col:" + std::string(columnName(c)));
    for (const FormList& list : e.formLists) {
        tags.insert("list:" + withoutSpaces(list.label));
        tagIf(list.place == FormList::Place::FunctionGroup, "functiongroup");
    }
    return tags;
}

std::vector<Language> helpLanguages(const Edition& e)
{
    switch (e.languages) {
    case LanguageChoice::AtStartUp:
        return {Language::English, Language::Chinese};
    case LanguageChoice::EnglishOnly:
        return {Language::English};
    case LanguageChoice::ChineseOnly:
        return {Language::Chinese};
    }
    return {};
}

const char* helpFileName(Language language)
{
    return language == Language::English ? "Tolvan_V_EN.html" : "Tolvan_V_CH.html";
}

std::string composeHelpPage(std::string_view source, const Edition& e, Language language, std::string* error)
{
    const std::set<std::string> tags = helpTags(e);
    const std::string_view wanted = language == Language::English ? "en" : "zh";
    std::string page;
    bool taking = false;
    int lineNumber = 0;
    const auto fail = [&](const std::string& why) {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::string();
    };
    for (std::size_t from = 0; from < source.size();) {
        const std::size_t end = std::min(source.find('\n', from), source.size());
        std::string line(source.substr(from, end - from));
        from = end + 1;
        ++lineNumber;
        if (line.starts_with("@#"))
            continue;
        if (line.starts_with("@@")) {
            const std::vector<std::string> head = words(std::string_view(line).substr(2));
            if (head.empty() || (head[0] != "en" && head[0] != "zh" && head[0] != "*"))
                return fail("a section begins with \"@@ en\", \"@@ zh\" or \"@@ *\"");
            for (std::size_t i = 1; i < head.size(); ++i)
                if (!knownTerm(head[i]))
                    return fail("no program has " + head[i]);
            taking = (head[0] == wanted || head[0] == "*")
                     && std::all_of(head.begin() + 1, head.end(), [&](const std::string& t) { return termHolds(t, tags); });
            continue;
        }
        std::string bad;
        if (taking && !expand(line, e, language, bad))
            return fail("unknown placeholder " + bad);
        if (taking)
            page += line + '\n';
    }
    return page;
}

} // namespace tolvan
