#include "editor/saved_image.h"

#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "program/program_main.h"

namespace tolvan {

MemoryImage imageAsSaved(const Edition& edition, MemoryImage image)
{
    ChannelTable table(edition, Language::English);
    table.loadFromImage(image);
    FormSettings form(edition);
    form.loadFromImage(image);
    table.storeToImage(image);
    form.storeToImage(image);
    return image;
}

void registerNewDocumentAsSaved()
{
    setNewDocumentRule([](const Edition& edition) { return imageAsSaved(edition, newDocumentImage(edition)); });
}

} // namespace tolvan
