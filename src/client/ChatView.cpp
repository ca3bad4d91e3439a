#include "client/ChatView.h"

#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"

#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

// Char format properties that tie shown text to its style and link.
constexpr int StyleProperty = QTextFormat::UserProperty + 1;
constexpr int LinkProperty = QTextFormat::UserProperty + 2;
constexpr int PictureProperty = QTextFormat::UserProperty + 3;

constexpr int ViewMargin = 5;
const QColor Background(0xE3, 0xF9, 0xF7);
const QString LinkScheme = QStringLiteral("chatlink");
const QString SmileyScheme = QStringLiteral("smiley");

bool isLinkWord(const QString &word)
{
    // Detection is exact: "WWW." or "HTTP://" are plain words.
    return word.contains(QLatin1String("http://")) || word.contains(QLatin1String("www."));
}

} // namespace

ChatView::ChatView(QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("mainchat"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    // A chatty peer cannot grow the history without end: the oldest lines go.
    document()->setMaximumBlockCount(MaxLines);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only: the mouse selects and Ctrl+C copies, but no caret blinks in it.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(ViewMargin, 0, ViewMargin, 0);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Background);
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);
    document()->setDocumentMargin(2);

    const QColor windowText = Qt::black;
    m_styles[0] = {windowText, false, false, false};
    m_styles[1] = {QColor(0x00, 0x00, 0xFF), true, false, false};
    m_styles[2] = {QColor(0x00, 0x00, 0x80), true, false, false};
    m_styles[3] = {QColor(0x80, 0x00, 0x00), false, true, false};
    m_styles[4] = {QColor(0x00, 0x80, 0x00), false, false, true};
    m_styles[5] = {QColor(0x00, 0x80, 0x00), false, false, true};
    for (int n = 6; n < StyleCount; ++n)
        m_styles[std::size_t(n)] = {windowText, false, false, false};

    connect(this, &QTextBrowser::anchorClicked, this, &ChatView::onAnchorClicked);
    m_sweep.setParent(this);
    m_sweep.setObjectName(QStringLiteral("recolourSweep"));
    m_sweep.setSingleShot(true);
    m_sweep.setInterval(RecolourEveryMs);
    connect(&m_sweep, &QTimer::timeout, this, &ChatView::sweepStaleStyles);
}

QUrl ChatView::smileyUrl(int picture)
{
    return QUrl(SmileyScheme + u':' + QString::number(picture));
}

QVariant ChatView::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource && name.scheme() == SmileyScheme) {
        QImage image
            = Pictures::loadImage(QStringLiteral(":/pictures/smileys/%1.png").arg(name.path()));
        if (image.isNull()) {
            // Keep the line's layout when the picture is missing.
            image = QImage(SmileySize, SmileySize, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        return image;
    }
    return QTextBrowser::loadResource(type, name);
}

QTextCharFormat ChatView::formatFor(int style) const
{
    const TextStyle &s = m_styles.at(std::size_t(style));
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(m_textSize);
    format.setForeground(s.colour);
    format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(s.italic);
    format.setFontUnderline(s.underline);
    format.setProperty(StyleProperty, style);
    return format;
}

void ChatView::reapplyStyles(const QList<int> &styles, int fromBlock)
{
    struct Range
    {
        int start;
        int end;
        int style;
    };
    // Collect first: changing formats while walking fragments would move them.
    QList<Range> ranges;
    for (QTextBlock block = document()->findBlockByNumber(fromBlock); block.isValid();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().hasProperty(StyleProperty))
                continue;
            const int style = fragment.charFormat().intProperty(StyleProperty);
            if (styles.contains(style))
                ranges.append(
                    {fragment.position(), fragment.position() + fragment.length(), style});
        }
    }
    if (ranges.isEmpty())
        return;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const Range &range : std::as_const(ranges)) {
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(formatFor(range.style));
    }
    cursor.endEditBlock();
}

void ChatView::sweepStaleStyles()
{
    reapplyStyles(std::exchange(m_staleStyles, {}));
}

void ChatView::setTextSize(int size)
{
    if (size <= 0 || size == m_textSize)
        return;
    m_textSize = size;
    QList<int> all;
    for (int n = 0; n < StyleCount; ++n)
        all.append(n);
    reapplyStyles(all);
}

void ChatView::addLine(const ChatLine &chatLine)
{
    const int style = chatLine.style;
    QString line = chatLine.text.left(MaxLineLength);
    TextStyle &s = m_styles[std::size_t(style)];
    const TextStyle wanted {toQColor(chatLine.colour), true, false, false};
    if (s.colour != wanted.colour || !s.bold || s.italic || s.underline) {
        s = wanted;
        const int older = document()->blockCount() - RecentLines;
        reapplyStyles({style}, std::max(0, older));
        if (older > 0 && !m_staleStyles.contains(style)) {
            m_staleStyles.append(style);
            if (!m_sweep.isActive())
                m_sweep.start();
        }
    }

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!document()->isEmpty())
        cursor.insertBlock();

    QString head;
    if (const qsizetype colon = line.indexOf(u':'); colon >= 0) {
        head = line.left(colon + 1) + u' ';
        line.remove(0, colon + 1);
    }
    if (!head.isEmpty())
        cursor.insertText(head, formatFor(style));

    qsizetype mark;
    while ((mark = line.indexOf(SmileyMark)) >= 0) {
        addWords(cursor, line.left(mark), style);
        const QString code = line.mid(mark + SmileyMark.size(), 2);
        line.remove(0, mark + SmileyMark.size() + code.size());
        addSmiley(cursor, code);
    }
    if (!line.isEmpty())
        addWords(cursor, line, style);
    cursor.endEditBlock();

    if (!m_scrollOff)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void ChatView::addWords(QTextCursor &cursor, const QString &part, int style)
{
    const QString text = part + u' ';
    QString plain;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype blank = text.indexOf(u' ', start);
        const QString word = text.mid(start, blank - start + 1);
        start = blank + 1;
        if (!isLinkWord(word)) {
            plain += word;
            continue;
        }
        if (!plain.isEmpty()) {
            cursor.insertText(plain, formatFor(style));
            plain.clear();
        }
        ++m_linkCounter;
        // The table is a ring: a newer link reuses the oldest place, and a
        // click on an older one still finds its word in the document.
        m_links[std::size_t(m_linkCounter % LinkTableSize)] = {m_linkCounter, word};
        QTextCharFormat format = formatFor(LinkStyle);
        format.setAnchor(true);
        format.setAnchorHref(LinkScheme + u':' + QString::number(m_linkCounter));
        format.setProperty(LinkProperty, m_linkCounter);
        // The closing blank stays outside the underlined link.
        cursor.insertText(word.chopped(1), format);
        plain = QStringLiteral(" ");
    }
    if (!plain.isEmpty())
        cursor.insertText(plain, formatFor(style));
}

void ChatView::addSmiley(QTextCursor &cursor, const QString &code)
{
    if (code.size() != 2 || !code.at(0).isDigit() || !code.at(1).isDigit())
        return;
    const int picture = code.toInt() - FirstSmileyCode;
    if (picture < 0 || picture >= SmileyCount)
        return;
    QTextImageFormat image;
    image.setName(smileyUrl(picture).toString());
    image.setWidth(SmileySize);
    image.setHeight(SmileySize);
    image.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    image.setProperty(PictureProperty, picture);
    cursor.insertImage(image);
}

QString ChatView::linkWord(int number) const
{
    if (number < 0 || number > m_linkCounter)
        return {};
    const LinkSlot &slot = m_links[std::size_t(number % LinkTableSize)];
    if (slot.number == number)
        return slot.word;
    for (const Run &run : runs()) {
        if (run.link == number)
            return run.text + u' ';
    }
    return {};
}

void ChatView::onAnchorClicked(const QUrl &url)
{
    if (url.scheme() != LinkScheme)
        return;
    bool isNumber = false;
    const int number = url.path().toInt(&isNumber);
    if (isNumber)
        emit linkJumped(number);
}

void ChatView::clearChat()
{
    clear();
    viewport()->update();
}

QList<ChatView::Run> ChatView::runs() const
{
    QList<Run> result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            Run run;
            run.text = fragment.text();
            run.format = format;
            if (format.hasProperty(StyleProperty))
                run.style = format.intProperty(StyleProperty);
            if (format.hasProperty(LinkProperty))
                run.link = format.intProperty(LinkProperty);
            if (format.isImageFormat())
                run.picture = format.intProperty(PictureProperty);
            result.append(run);
        }
    }
    return result;
}
