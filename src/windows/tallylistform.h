// The tally window: how the player fared in finished games, in total and
// against chosen opponents (total and this session). Loads the tally file when
// created and saves it after every change (a finished game, an opponent added
// or deleted, a reset) and when destroyed, so a crash loses nothing.
#pragma once

#include "storage/Tally.h"
#include "widgets/UserPrompts.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TLbBackground;

class Ttallylist : public QDialog
{
    Q_OBJECT
public:
    // Names of the other players seated now (the board's names, "<Waiting>" left out).
    using SeatedPlayers = std::function<QStringList()>;

    // Loads the tally file from the game's home folder.
    explicit Ttallylist(QWidget *parent = nullptr);
    // Saves the tally file.
    ~Ttallylist() override;

    // Reads the tally from the file in another folder (tests, other homes).
    void setFolder(const QString &folder);
    QString filePath() const { return m_path; }
    // Writes the tally file now; false when it could not be written. A failure
    // is reported once through saveFailed() until a save succeeds again.
    bool saveTally();
    void setSeatedPlayers(SeatedPlayers seatedPlayers)
    {
        m_seatedPlayers = std::move(seatedPlayers);
    }
    void setPrompts(const UserPrompts &prompts) { m_prompts = prompts; }
    void setBackgroundPicture(const QPixmap &picture);

    const TallyBook &book() const { return m_book; }

    // Records a finished game: the winner's name, or "addtomine" when the
    // player won. Call it for a seated player only.
    void addgame(const QString &name);
    // Fills "Players In Current Game" from the board (ViewTally1Click runs it before showing).
    void loadchecklist();
    void loadchecklist(const QStringList &others);

    // The opponent whose tally the panel shows, -1 for none.
    int selectedOpponent() const;
    void selectOpponent(int index);

    void checklistClickCheck(QListWidgetItem *item);
    void listbox_tallyClickCheck(QListWidgetItem *item);
    void listbox_tallyClick();
    void button_resetClick();
    void button_doneClick();

signals:
    // A save failed; the text is for a status line. Later changes retry.
    void saveFailed(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadtally();
    void showOwnCounts();
    void showOpponent(int index);
    void syncChecklist();

    std::array<QLabel *, 5> mylabel {}; // index 1 to 4
    std::array<QLabel *, 9> label {}; // label_1 to label_8
    QLabel *label_hisname;
    QLabel *label_hisnametop;
    QListWidget *checklist;
    QListWidget *listbox_tally;
    QPushButton *button_reset;
    QPushButton *button_done;
    TLbBackground *LbBackground1;

    TallyBook m_book;
    QString m_path;
    SeatedPlayers m_seatedPlayers;
    UserPrompts m_prompts;
    bool m_saveFailing = false;
};
