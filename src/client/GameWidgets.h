// Small controls of the game area: the answer box that passes Enter on, and
// the game pictures with drawn stand-ins for any that the resources lack.
#pragma once

#include <QLineEdit>
#include <QPixmap>

// An answer box: Enter does not reach the edit; it asks for the next box.
class AnswerEdit : public QLineEdit
{
    Q_OBJECT

public:
    AnswerEdit(int tag, QWidget *parent);
    int tag() const { return m_tag; }
    // The round's letter; an answer typed with another first letter shows in
    // the warning colour (it is still sent: the voters decide).
    void setLetter(QChar letter);
    bool isOffLetter() const { return m_offLetter; }

signals:
    void enterPressed(int tag);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void markOffLetter();

    int m_tag;
    QChar m_letter;
    bool m_offLetter = false;
};

namespace GamePictures {

enum class Vote { Decline, Accept, Favourite };

inline constexpr int LetterWidth = 114;
inline constexpr int LetterHeight = 108;
inline constexpr int VoteWidth = 29;
inline constexpr int VoteHeight = 20;
inline constexpr int TimeBarWidth = 173;
inline constexpr int TimeBarHeight = 10;

// Letter picture of a letter index 0 to 19; a null pixmap outside that range.
QPixmap letter(int letterIndex);
QPixmap vote(Vote kind, bool pressed);
QPixmap startButton(bool pressed);
QPixmap timeBar();
QPixmap opening(QSize size);

} // namespace GamePictures
