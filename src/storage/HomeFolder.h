// The one folder where the game keeps its files (settings, tally, added
// categories). Everything that stores a file asks here.
#pragma once

#include <QString>

namespace Storage {

// Name of the environment variable that chooses the folder (tests use it).
inline constexpr char HomeVariable[] = "LEXIBURST_HOME";

// LEXIBURST_HOME when it is set and not empty; else the program's own folder
// when it can be written to; else the per-user application data folder,
// created if needed.
QString homeFolder();

// A file of that name in homeFolder(), e.g. homeFile(TallyBook::fileName("Lexaburst")).
QString homeFile(const QString &fileName);

// The same choice with its inputs given, for callers that already know them.
QString homeFolder(const QString &homeVariable, const QString &programFolder);

} // namespace Storage
