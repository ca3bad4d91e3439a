// The chat view `mainchat`: text runs in fifteen numbered styles, inline smiley
// pictures and clickable words. Peer text only ever enters as plain text.
#pragma once

#include "clientcore/ChatLine.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTimer>

#include <array>

class ChatView : public QTextBrowser
{
    Q_OBJECT

public:
    static constexpr int StyleCount = GameFacts::ChatStyleCount;
    static constexpr int StatusStyle = GameFacts::StatusStyle;
    static constexpr int LinkStyle = GameFacts::LinkStyle;
    static constexpr int LinkTableSize = 101;
    static constexpr int SmileyCount = 17;
    static constexpr int FirstSmileyCode = 10; // ":)#10" is picture 0
    static constexpr int SmileySize = 17;
    static constexpr int DefaultTextSize = 10;
    static constexpr int MaxLines = 3000; // lines kept in the history
    // Characters of a line that are drawn; the host relays at most about 600,
    // so only a hostile host's longer lines are cut, and a line costs little.
    static constexpr int MaxLineLength = 1000;
    // A style's new colour reaches its newest RecentLines lines at once and the
    // older ones with a sweep at most every RecolourEveryMs, so the cost of a
    // line does not grow with the history however often colours change.
    static constexpr int RecentLines = 100;
    static constexpr int RecolourEveryMs = 5000;
    static inline const QString SmileyMark = QStringLiteral(":)#");

    struct TextStyle
    {
        QColor colour;
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };

    // One piece of the shown text, for callers that inspect what is on show.
    struct Run
    {
        QString text;
        int style = -1; // -1 for a picture
        int picture = -1; // smiley number for a picture
        int link = -1; // link number for a link word
        QTextCharFormat format;
    };

    explicit ChatView(QWidget *parent = nullptr);

    // Shows a line: its style takes the line's colour and turns bold, also for
    // the text already shown in it.
    void addLine(const ChatLine &line);

    TextStyle style(int number) const { return m_styles.at(std::size_t(number)); }
    int textSize() const { return m_textSize; }
    void setTextSize(int size);

    // The view's link counter: -1 before the first link, not reset by clearing.
    int linkCounter() const { return m_linkCounter; }
    // The word shown for a link (trailing blank included); empty when unknown.
    QString linkWord(int number) const;

    bool scrollOff() const { return m_scrollOff; }
    void setScrollOff(bool off) { m_scrollOff = off; }

    void clearChat();
    QList<Run> runs() const;

    // Resource name of smiley picture n, as found in the document.
    static QUrl smileyUrl(int picture);

signals:
    // A click on link `number` (`OnJump`).
    void linkJumped(int number);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    struct LinkSlot
    {
        int number = -1;
        QString word;
    };

    QTextCharFormat formatFor(int style) const;
    // Gives the styles' text its style's look, from block `fromBlock` on.
    void reapplyStyles(const QList<int> &styles, int fromBlock = 0);
    void sweepStaleStyles();
    void addWords(QTextCursor &cursor, const QString &part, int style);
    void addSmiley(QTextCursor &cursor, const QString &code);
    void onAnchorClicked(const QUrl &url);

    std::array<TextStyle, StyleCount> m_styles;
    std::array<LinkSlot, LinkTableSize> m_links;
    int m_textSize = DefaultTextSize;
    int m_linkCounter = -1;
    bool m_scrollOff = false;
    // Styles whose older lines still show an earlier look, and the sweep that mends them.
    QList<int> m_staleStyles;
    QTimer m_sweep;
};
