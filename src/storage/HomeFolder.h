// The one folder where the game keeps its files (settings, tally, added
// categories). Everything that stores a file asks here.
#pragma once

#include <QString>

namespace Storage {

// The folder the player chose (LEXIBURST_HOME, as the program's main() read
// it); empty for the usual choice.
void chooseHomeFolder(const QString &folder);

// The chosen folder when there is one; else the program's own folder when it
// can be written to and is not a system folder (under /usr or /opt); else
// perUserFolder(), created if needed.
QString homeFolder();

// A file of that name in homeFolder(), e.g. homeFile(TallyBook::fileName("Lexaburst")).
QString homeFile(const QString &fileName);

// The per-user data folder. It is the same for every program of the game
// (the game, the dedicated host), whatever each program's own name.
QString perUserFolder();

// The same choice with its inputs given, for callers that already know them.
// When the per-user folder is chosen, startFromOlderFiles() runs first.
QString homeFolder(const QString &homeVariable, const QString &programFolder,
                   const QString &userFolder = perUserFolder());

// Copies each of the player's files that `userFolder` does not hold yet but
// `olderFolder` does (where an older copy kept them), so the player starts
// from it. Copies, never moves: the older folder may not be ours to change.
void startFromOlderFiles(const QString &olderFolder, const QString &userFolder);

} // namespace Storage
