// Keeping and taking games under the file's lock; an unreadable file is renamed aside, never lost.
#include "storage/kept_game_file.h"

#include <QFileInfo>

#include "storage/set_aside.h"

namespace quintaro {

namespace {

using Verdict = KeptGamesReading::Verdict;

constexpr WriteRules kRules{.makeFolder = true, .regularOnly = true, .overwriteInPlace = false};

std::string whatIsWrong(Verdict verdict) {
    switch (verdict) {
    case Verdict::Truncated:
        return "ist unvollständig";
    case Verdict::Foreign:
        return "ist keine Datei aufbewahrter Spiele";
    case Verdict::Newer:
        return "stammt von einer neueren Version des Spiels";
    case Verdict::Damaged:
    case Verdict::Read:
        break;
    }
    return "ist beschädigt";
}

// Renames an unreadable file aside; returns the new path, or "" with the player's message in message.
std::string setAside(const std::string& path, Verdict verdict, std::string& message) {
    const std::string unreadable = "Das aufbewahrte Spiel lässt sich nicht lesen: " + path + " " + whatIsWrong(verdict);
    std::string error;
    if (const auto aside = setFileAside(path, error)) {
        message = unreadable + ". Die Datei wurde in " + *aside + " umbenannt.";
        return *aside;
    }
    message = unreadable + ", und " + error + "; sie bleibt, wie sie ist.";
    return {};
}

bool fileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

} // namespace

KeepResult keepGame(const std::string& path, const KeptGame& game, std::chrono::milliseconds patience) {
    KeepResult result;
    bool stuck = false; // an unreadable file stayed where it was
    const auto change = [&](std::string_view now) -> std::optional<std::string> {
        std::vector<KeptGame> games{game};
        if (fileExists(path)) {
            KeptGamesReading stored = decodeKeptGames(now);
            if (stored.verdict == Verdict::Read) {
                games.insert(games.end(), stored.games.begin(), stored.games.end());
            } else if (setAside(path, stored.verdict, result.message).empty()) {
                stuck = true;
                return std::nullopt;
            }
        }
        return encodeKeptGames(games);
    };
    // One byte more than the longest file, so that a longer one shows as damaged.
    const auto failed = updateFile(path, kKeptGamesFileLimit + 1, change, kRules, patience);
    const std::string why = failed ? failed->reason : stuck ? result.message : "";
    if (!why.empty()) return {false, "Das laufende Spiel konnte nicht aufbewahrt werden: " + why};
    result.kept = true;
    return result;
}

TakeResult takeKeptGame(const std::string& path, std::chrono::milliseconds patience) {
    TakeResult result;
    const auto change = [&](std::string_view now) -> std::optional<std::string> {
        if (!fileExists(path)) return std::nullopt;
        KeptGamesReading stored = decodeKeptGames(now);
        if (stored.verdict != Verdict::Read) {
            result.setAsidePath = setAside(path, stored.verdict, result.message);
            result.status = result.setAsidePath.empty() ? TakeResult::Status::Failed : TakeResult::Status::SetAside;
            return std::nullopt;
        }
        if (stored.games.empty()) return std::nullopt;
        result.status = TakeResult::Status::Taken;
        result.game = stored.games.front();
        stored.games.erase(stored.games.begin());
        return encodeKeptGames(stored.games);
    };
    // A start that finds nothing makes no folder.
    WriteRules rules = kRules;
    rules.makeFolder = false;
    const auto failed = updateFile(path, kKeptGamesFileLimit + 1, change, rules, patience);
    if (!failed) return result;
    if (result.status == TakeResult::Status::Taken) {
        result.message = "Das fortgesetzte Spiel bleibt auch aufbewahrt und wird beim nächsten Start wieder "
                         "angeboten: " +
                         failed->reason;
        return result;
    }
    return {TakeResult::Status::Failed, std::nullopt, "",
            "Das aufbewahrte Spiel lässt sich nicht lesen: " + failed->reason};
}

} // namespace quintaro
