// The chat corner of the board: the chat view, the entry box, the phrase
// buttons, the chatter sound and smiley buttons with their menus, and the
// pop-up menus of the view and the box. It edits and shows text itself and
// reports with signals what the player sends.
#pragma once

#include "protocol/GameFacts.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <array>

class ChatView;
class QAction;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;
class QUrl;
struct ChatLine;

class ChatPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PhraseCount = GameFacts::PhraseCount;
    static constexpr int ChatterSoundCount = 20;
    static inline const QString Placeholder = QStringLiteral("<Enter Chat Here>");
    // Where the chat lies on the board.
    static constexpr QRect Bounds {212, 322, 545, 201};
    // A phrase button may be used once per this interval.
    static constexpr int PhraseGateMs = 2000;

    explicit ChatPanel(QWidget *board);

    void addLine(const ChatLine &line);
    QString text() const;
    void clearChat();

    // The entry box, where the focus goes after the answer boxes.
    QWidget *entry() const;
    QString entryText() const;
    void clearEntry();
    // Sends what the entry box holds, as Enter does.
    void send();

    QColor textColour() const { return m_textColour; }
    void setTextColour(const QColor &colour);
    int textSize() const;
    void setTextSize(int size);
    bool scrollOff() const;
    void toggleScrollOff();

    QString phrase(int button) const;
    QStringList phrases() const;
    void setPhrase(int button, const QString &phrase);
    // The phrase button `button` (1 to 9), as a click does.
    void sayPhrase(int button);
    bool phraseGateOpen() const { return m_phraseGateOpen; }
    void setPhraseGateInterval(int ms);
    void reopenPhraseGate();

    // The chatter sound item `tag` (0 Cancel, 1 to 20), as a click does.
    void chooseChatterSound(int tag);
    // What the chatter sound of that item name says; empty for no such item.
    QString chatterSoundTitle(const QString &itemName) const;
    // The smiley item of code `tag`, as a click does: its code goes into the entry box.
    void chooseSmiley(int tag);
    // Link number `linkNumber` of the view was clicked.
    void openLink(int linkNumber);

signals:
    void textEntered(const QString &text);
    void phraseSaid(const QString &phrase);
    void chatterSoundChosen(int tag);
    void linkOpened(const QUrl &url);
    // A link whose address is gone was clicked.
    void linkLost();
    void scrollOffChanged(bool off);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildView();
    void buildEntry();
    void buildPhraseButtons();
    void buildChatterSounds();
    void buildSmileys();
    void buildViewMenu();
    void copySelection();
    void selectAll();
    void pasteIntoEntry();
    void popupBelow(QMenu *menu, QWidget *button);

    ChatView *m_view = nullptr;
    QLineEdit *m_entry = nullptr;
    std::array<QToolButton *, PhraseCount> m_phrases {};
    std::array<QAction *, ChatterSoundCount + 1> m_soundItems {};
    QAction *m_scrollOff = nullptr;
    QTimer *m_phraseGate = nullptr;
    bool m_phraseGateOpen = true;
    QColor m_textColour = Qt::black;
};
