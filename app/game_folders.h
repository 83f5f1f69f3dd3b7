// Where the game reads its collections and help pages and where it keeps the player's files.
#pragma once

#include <string>

namespace quintaro {

// The collection of level 0..3: "leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr".
const char* collectionFile(int level);

// Folder paths end without a separator; "" is the working folder.
struct GameFolders {
    std::string data;   // the four collections and the help pages, only read
    std::string player; // "brett.qbr" and "Champions.qhf"; created at the first save
};

// The working folder when it holds the collections (a build folder, or a player's own folder of files
// from an older version): everything is read and written there, as it always was. Otherwise the
// installed data folder and the player's data folder.
GameFolders chooseGameFolders(const std::string& installedData, const std::string& playerData);

// The path of one of the game's files: collections and help pages from the data folder, the rest
// from the player's folder.
std::string gameFilePath(const GameFolders& folders, const std::string& name);

// A path as a message names it: absolute, so that the player knows where the game looked.
std::string messagePath(const std::string& path);

} // namespace quintaro
