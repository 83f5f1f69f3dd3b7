// The game's folders.
#include "app/game_folders.h"

#include <array>
#include <filesystem>

namespace quintaro {

namespace {

constexpr std::array<const char*, 4> kCollections{"leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr"};

bool isReadOnlyData(const std::string& name) {
    for (const char* collection : kCollections)
        if (name == collection) return true;
    return name.ends_with(".htm") || name.ends_with(".png");
}

} // namespace

const char* collectionFile(int level) { return kCollections.at(std::size_t(level)); }

GameFolders chooseGameFolders(const std::string& installedData, const std::string& playerData) {
    std::error_code error;
    for (const char* collection : kCollections)
        if (std::filesystem::is_regular_file(collection, error)) return {};
    return {installedData, playerData};
}

std::string gameFilePath(const GameFolders& folders, const std::string& name) {
    const std::string& folder = isReadOnlyData(name) ? folders.data : folders.player;
    return folder.empty() ? name : folder + "/" + name;
}

std::string messagePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace quintaro
