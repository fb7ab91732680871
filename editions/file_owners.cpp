#include "editions/file_owners.h"

#include <algorithm>

namespace tolvan {
namespace {

const FormList* listAt(const Edition& edition, const FormList& like)
{
    for (const FormList& l : edition.formLists)
        if (l.label == like.label && l.offset == like.offset && l.coding == FormList::Coding::Value)
            return &l;
    return nullptr;
}

// Whether choosing an entry of the list can store `value`.
bool stores(const FormList& list, std::uint8_t value)
{
    for (std::size_t i = 0; i < list.englishItems.size(); ++i)
        if (static_cast<std::uint8_t>(list.base + static_cast<int>(i) * list.scale) == value)
            return true;
    return false;
}

} // namespace

std::vector<const Edition*> editionsOfLength(std::uintmax_t length)
{
    std::vector<const Edition*> out;
    for (const Edition* e : allEditions())
        if (e->imageSize == length)
            out.push_back(e);
    return out;
}

std::vector<const Edition*> ownersOfFile(std::string_view bytes)
{
    std::vector<const Edition*> owners = editionsOfLength(bytes.size());
    if (owners.size() < 2)
        return owners;
    for (const FormList& list : owners.front()->formLists) {
        if (list.coding != FormList::Coding::Value || list.offset >= bytes.size())
            continue;
        const bool shared = std::all_of(owners.begin(), owners.end(), [&](const Edition* e) { return listAt(*e, list); });
        if (!shared)
            continue;
        const auto value = static_cast<std::uint8_t>(bytes[list.offset]);
        std::vector<const Edition*> storing;
        for (const Edition* e : owners)
            if (stores(*listAt(*e, list), value))
                storing.push_back(e);
        if (!storing.empty())
            owners = std::move(storing);
    }
    return owners;
}

} // namespace tolvan
