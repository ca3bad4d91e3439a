// The game-start options window: the hosting player picks the number of
// rounds, the time for typing answers, the game type and the duplicates rule,
// and starts the game. The window only gathers the choices; the main window
// sends the message through its socket and saves the settings.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

// An up-down pair of arrows bound to a read-only edit: the only way to change
// its number, kept within a range in fixed steps, without wrapping.
class TUpDown : public QWidget
{
    Q_OBJECT

public:
    TUpDown(QLineEdit *associate, int minimum, int maximum, int increment, int position,
            QWidget *parent);

    int position() const { return m_position; }
    // Brings the value into range and onto the steps from the minimum.
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void stepUp() { setPosition(m_position + m_increment); }
    void stepDown() { setPosition(m_position - m_increment); }

private:
    QLineEdit *m_associate;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum;
    int m_maximum;
    int m_increment;
    int m_position;
};

// An option picture: its tag is its state (1 marked, 0 not), its hint tells
// the two game-type boxes apart.
class TOptionBox : public QLabel
{
    Q_OBJECT

public:
    TOptionBox(const QString &hint, QWidget *parent);
    int tag() const { return m_tag; }
    QString hint() const { return m_hint; }
    // Sets the state and shows its picture.
    void setTag(int tag);

signals:
    void clicked(TOptionBox *box);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_hint;
    int m_tag = 0;
};

class Tgamestart : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinRounds = 1;
    static constexpr int MaxRounds = 10;
    static constexpr int DefaultRounds = 3;
    static constexpr int MinCreationTime = 30;
    static constexpr int MaxCreationTime = 120;
    static constexpr int CreationTimeStep = 5;
    static constexpr int DefaultCreationTime = 60;

    explicit Tgamestart(QWidget *parent = nullptr);

    // The name the start message carries (the local player's login name):
    // fixed, or asked for at each start.
    void setPlayerName(const QString &name)
    {
        m_playerName = [name] {
            return name;
        };
    }
    void setPlayerNameSource(std::function<QString()> source) { m_playerName = std::move(source); }
    // The window it opens centred on, whichever window is active.
    void setMainWindow(QWidget *window) { m_mainWindow = window; }

    // 1 marks "All Accepted Answers Score", 0 "One Winner Only Scoring".
    void changebox(int mode);
    // Marks (1) or clears (0) "Allow Duplicate Answers".
    void checkit(int value);
    void image_gt1Click(TOptionBox *clicked);
    void image_duplicateClick();
    void button_startClick();

    // The choices, as the settings file keeps them.
    int playToScore() const;
    void setPlayToScore(int rounds);
    int creationTime() const;
    void setCreationTime(int seconds);
    int gameTypeTag() const; // image_gt1's tag
    int duplicateTag() const; // image_duplicate's tag

    // The start message as it would be sent now.
    QByteArray startMessage() const;

signals:
    // One complete "CMD_startgame" message for the main window's socket.
    void sendToHost(const QByteArray &message);
    // The choices changed by a start; the main window writes its settings.
    void saveSettings();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<QString()> m_playerName = [] {
        return QString();
    };
    QLineEdit *m_editPlaytoscore;
    QLineEdit *m_editCreationtime;
    TUpDown *m_upDown1;
    TUpDown *m_upDown2;
    TOptionBox *m_imageGt1;
    TOptionBox *m_imageGt2;
    TOptionBox *m_imageDuplicate;
    QPointer<QWidget> m_mainWindow;
};
