// The phrase buttons editor: nine texts for the chat's phrase buttons. "Done"
// hands them to the main window and stores them in the settings file; the
// close box keeps everything as it was.
#pragma once

#include "protocol/GameFacts.h"
#include "widgets/UserPrompts.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QLineEdit;
class QPushButton;
class TLbBackground;

class Tphrases : public QDialog
{
    Q_OBJECT
public:
    static constexpr int PhraseCount = GameFacts::PhraseCount;
    static constexpr int MaxPhraseLength = 50;

    explicit Tphrases(QWidget *parent = nullptr);

    // PrhaseList1Click: the buttons' current phrases go into the boxes.
    void setPhrases(const QStringList &phrases);
    QStringList phrases() const;
    // Folder of the settings file; empty (the default) means the game's home folder.
    void setSettingsFolder(const QString &folder) { m_settingsFolder = folder; }
    void setPrompts(const UserPrompts &prompts) { m_prompts = prompts; }
    void setBackgroundPicture(const QPixmap &picture);

    void button_doneClick();

signals:
    // "Done": the new phrases of b_phrase1 to b_phrase9, empty ones included.
    void phrasesChanged(const QStringList &phrases);

private:
    std::array<QLineEdit *, PhraseCount> phrase {};
    QPushButton *button_done;
    TLbBackground *LbBackground1;
    QString m_settingsFolder;
    UserPrompts m_prompts;
};
