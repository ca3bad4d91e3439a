#pragma once
// Pictures of the clickable controls: vote buttons, start buttons, chat buttons, option
// boxes, the watcher's eyes and the time bar.

#include <QImage>
#include <QSize>
#include <QString>

namespace Art {

enum class ButtonState { Up, Down };
enum class VoteMark { Decline, Accept, Favourite };

inline constexpr int PhraseButtonCount = 9;

// 29 by 20: red button with a crossed circle, green button with a tick or a star.
QImage voteButton(VoteMark mark, ButtonState state);

// Rounded orange button with white capitals.
QImage startButton(QSize size, const QString &caption, ButtonState state);

// 25 by 19 speech bubble with the number (0: three dots, the shared picture).
QImage phraseButton(int number);
// 25 by 19 loudspeaker.
QImage soundsButton();
// 25 by 19 smiley face.
QImage smileysButton();

// 36 by 30 option box, empty or with a green tick.
QImage optionBox(bool ticked);

// 18 by 10 pair of eyes looking aside.
QImage eyes();

// 173 by 10 bar of the turn timer.
QImage timeBar();

} // namespace Art
