// Small controls of the game area: the answer box that passes Enter on, the
// clickable voting picture, and the game pictures with drawn stand-ins for any
// that the resources lack.
#pragma once

#include <QLabel>
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

// A voting picture of one row: its hint is the row, its tag the seat of the
// answer's author. Shows the pressed picture while the mouse button is down.
class VotePicture : public QLabel
{
    Q_OBJECT

public:
    VotePicture(int row, QWidget *parent);
    int row() const { return m_row; }
    int tag() const { return m_tag; }
    void setTag(int seat) { m_tag = seat; }
    void setPictures(const QPixmap &up, const QPixmap &down);

signals:
    void clicked(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_row;
    int m_tag = 0;
    QPixmap m_up;
    QPixmap m_down;
};

// A picture button (the start button): pressed look while held, clicked on release inside.
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent);
    void setPictures(const QPixmap &up, const QPixmap &down);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_up;
    QPixmap m_down;
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
