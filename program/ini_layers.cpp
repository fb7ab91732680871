#include "program/ini_layers.h"

#include "program/platform.h"
#include "codeplug/text_util.h"

namespace tolvan {
namespace fs = std::filesystem;

IniLocations iniLocations(const fs::path& programDirectory)
{
    const fs::path config = userConfigHome();
    return {programDirectory, systemIniFolder(), config.empty() ? fs::path() : config / "tolvan"};
}

void IniLayers::load(const IniLocations& at, std::string_view baseName, bool createUserFile)
{
    layers_.clear();
    const std::string name = std::string(baseName) + ".ini";
    userFile_ = at.user.empty() ? fs::path() : at.user / name;
    if (createUserFile && !userFile_.empty()) {
        // The folders as the user's own: private, like the rest of ~/.config.
        // Only a folder made here gets its rights set; an existing one keeps them.
        for (const fs::path& dir : {at.user.parent_path(), at.user}) {
            std::error_code ec;
            if (fs::create_directory(dir, ec))
                fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
        }
    }
    for (const fs::path& dir : {at.besideProgram, at.system, at.user}) {
        if (dir.empty())
            continue;
        CIniFile file;
        const bool create = createUserFile && dir == at.user;
        if (file.load(dir / name, true, create))
            layers_.push_back(std::move(file));
    }
}

std::string IniLayers::getValue(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    bool sectionSeen = false;
    for (auto layer = layers_.rbegin(); layer != layers_.rend(); ++layer) {
        if (std::optional<std::string> value = layer->findValue(section, key))
            return *value;
        sectionSeen |= layer->hasSection(section);
    }
    return sectionSeen ? trim(defaultValue) : std::string(defaultValue);
}

std::vector<fs::path> IniLayers::files() const
{
    std::vector<fs::path> out;
    for (const CIniFile& layer : layers_)
        out.push_back(layer.filePath());
    return out;
}

} // namespace tolvan
