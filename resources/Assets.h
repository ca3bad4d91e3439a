#pragma once
// Resource paths of the game's pictures and sounds (library lexiburst_assets; the full
// list is in resources/MANIFEST.md). Linking the library makes the files available.

#include <QString>

namespace Assets {

inline constexpr int LetterCount = 20;
inline constexpr int SmileyCount = 17;
inline constexpr int PhraseButtonCount = 9;

// Letter picture of a letter index 0..19 (A..P, R, S, T, W); empty outside that range.
QString letterPicture(int letterIndex);

// Smiley picture 0..16; empty outside that range.
QString smileyPicture(int index);

// Picture of phrase button 1..9; empty outside that range.
QString phraseButtonPicture(int number);

// Wave resource of a sound name such as "tick" or "WAVE3" (names are not
// case-sensitive); empty when the name has characters no sound name has.
QString soundResource(const QString &name);

} // namespace Assets
