#include "client/ChatPanel.h"

#include "client/BoardLook.h"
#include "client/ChatView.h"
#include "clientcore/ChatLine.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using namespace BoardLook;

namespace {

const QColor ChatColour(0xF7, 0xF9, 0xE3);

const std::array<QString, ChatPanel::PhraseCount> InitialPhrases {
    QStringLiteral("Way To Go!"),
    QStringLiteral("Good One!"),
    QStringLiteral("Nice Try!"),
    QStringLiteral("Excellent!"),
    QStringLiteral("Brilliant!"),
    QStringLiteral("Wow, WTG!"),
    QStringLiteral("Thanks!"),
    QStringLiteral("Way To Go Teamie!"),
    QStringLiteral("Good Game Everyone!")};

const std::array<QString, ChatPanel::ChatterSoundCount + 1> ChatterSoundNames {
    QStringLiteral("<Cancel>"),       QStringLiteral("Doh"),
    QStringLiteral("Cough"),          QStringLiteral("Hello"),
    QStringLiteral("Thank You"),      QStringLiteral("Where have you been?"),
    QStringLiteral("Snoring"),        QStringLiteral("Sneezing"),
    QStringLiteral("Sorry"),          QStringLiteral("Welcome"),
    QStringLiteral("Yeehaa"),         QStringLiteral("Yippee"),
    QStringLiteral("Oh No"),          QStringLiteral("Applause"),
    QStringLiteral("Honk"),           QStringLiteral("Oooh"),
    QStringLiteral("Razzberry"),      QStringLiteral("Cheer"),
    QStringLiteral("Woman Laughing"), QStringLiteral("Man Laughing"),
    QStringLiteral("Crying")};

// Controls are placed in board coordinates.
QRect onBoard(const QRect &place)
{
    return place.translated(-ChatPanel::Bounds.topLeft());
}

} // namespace

ChatPanel::ChatPanel(QWidget *board) : QWidget(board)
{
    setObjectName(QStringLiteral("chatPanel"));
    setGeometry(Bounds);
    m_phraseGate = new QTimer(this);
    m_phraseGate->setSingleShot(true);
    m_phraseGate->setInterval(PhraseGateMs);
    connect(m_phraseGate, &QTimer::timeout, this, &ChatPanel::reopenPhraseGate);

    buildView();
    buildEntry();
    buildPhraseButtons();
    buildChatterSounds();
    buildSmileys();
    buildViewMenu();
    setTabOrder(m_entry, m_view);
    m_entry->setFocus();
}

void ChatPanel::buildView()
{
    m_view = new ChatView(this);
    m_view->setObjectName(QStringLiteral("mainchat"));
    m_view->setGeometry(onBoard({240, 322, 515, 176}));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &ChatView::linkJumped, this, &ChatPanel::openLink);
}

void ChatPanel::buildEntry()
{
    m_entry = new QLineEdit(Placeholder, this);
    m_entry->setObjectName(QStringLiteral("mychat"));
    m_entry->setGeometry(onBoard({240, 500, 487, 22}));
    m_entry->setFont(arial(13));
    m_entry->setFrame(false);
    m_entry->setContextMenuPolicy(Qt::CustomContextMenu);
    m_entry->installEventFilter(this);
    m_entry->setStyleSheet(QStringLiteral("QLineEdit { background: %1; border: 1px solid #9cb8a8;"
                                          " padding-left: 3px; }"
                                          "QLineEdit:focus { border: 1px solid #4d8a68; }")
                               .arg(ChatColour.name()));
    setTextColour(m_textColour);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popup_mychat"));
    QAction *paste = menu->addAction(QStringLiteral("Paste"), this, &ChatPanel::pasteIntoEntry);
    paste->setObjectName(QStringLiteral("Paste1"));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(m_entry, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &pos) { menu->popup(m_entry->mapToGlobal(pos)); });
}

void ChatPanel::buildPhraseButtons()
{
    for (int i = 0; i < PhraseCount; ++i) {
        QToolButton *button
            = flatButton(this, QStringLiteral("b_phrase%1").arg(i + 1),
                         QStringLiteral(":/pictures/buttons/phrase%1.png").arg(i + 1),
                         onBoard({212, 322 + 20 * i, 25, 19}));
        button->setToolTip(InitialPhrases[std::size_t(i)]);
        connect(button, &QToolButton::clicked, this, [this, i] { sayPhrase(i + 1); });
        m_phrases[std::size_t(i)] = button;
    }
}

void ChatPanel::buildChatterSounds()
{
    QToolButton *button
        = flatButton(this, QStringLiteral("b_phrase10"),
                     QStringLiteral(":/pictures/buttons/sounds.png"), onBoard({212, 502, 25, 19}));
    button->setToolTip(QStringLiteral("Chatter Sounds"));
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popup_sounds"));
    menu->setToolTipsVisible(true);
    for (int tag = 0; tag <= ChatterSoundCount; ++tag) {
        QAction *item = menu->addAction(ChatterSoundNames[std::size_t(tag)]);
        item->setObjectName(tag == 0 ? QStringLiteral("Cancel1")
                                     : QStringLiteral("wave%1").arg(tag));
        item->setToolTip(ChatterSoundNames[std::size_t(tag)]);
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { chooseChatterSound(tag); });
        m_soundItems[std::size_t(tag)] = item;
    }
    connect(button, &QToolButton::clicked, this,
            [this, menu, button] { popupBelow(menu, button); });
}

void ChatPanel::buildSmileys()
{
    QToolButton *button
        = flatButton(this, QStringLiteral("button_simlies"),
                     QStringLiteral(":/pictures/buttons/smileys.png"), onBoard({730, 501, 25, 19}));
    button->setToolTip(QStringLiteral("Smileys"));
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popup_smilies"));
    for (int picture = 0; picture < ChatView::SmileyCount; ++picture) {
        const int tag = ChatView::FirstSmileyCode + picture;
        QAction *item
            = menu->addAction(QIcon(QStringLiteral(":/pictures/smileys/%1.png").arg(picture)),
                              ChatView::SmileyMark + QString::number(tag));
        item->setObjectName(picture == 0 ? QStringLiteral("N11")
                                         : QStringLiteral("Select%1").arg(picture));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { chooseSmiley(tag); });
    }
    connect(button, &QToolButton::clicked, this,
            [this, menu, button] { popupBelow(menu, button); });
}

void ChatPanel::buildViewMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popup_mainchat"));
    QAction *copy = menu->addAction(QStringLiteral("Copy"), this, &ChatPanel::copySelection);
    copy->setObjectName(QStringLiteral("Copy1"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction *clear
        = menu->addAction(QStringLiteral("Clear Main Chat"), this, &ChatPanel::clearChat);
    clear->setObjectName(QStringLiteral("ClearMainChat2"));
    QAction *all = menu->addAction(QStringLiteral("Select All"), this, &ChatPanel::selectAll);
    all->setObjectName(QStringLiteral("SelectAll1"));
    menu->addSeparator();
    m_scrollOff = menu->addAction(QStringLiteral("Scroll Chat Off"));
    m_scrollOff->setObjectName(QStringLiteral("ScrollChatOff1"));
    m_scrollOff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_scrollOff->setCheckable(true);
    connect(m_scrollOff, &QAction::triggered, this, [this](bool checked) {
        m_scrollOff->setChecked(!checked);
        toggleScrollOff();
    });
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &pos) { menu->popup(m_view->viewport()->mapToGlobal(pos)); });
}

void ChatPanel::popupBelow(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(button->width(), button->height())));
}

// ---------------------------------------------------------------- view

void ChatPanel::addLine(const ChatLine &line)
{
    m_view->addLine(line);
}

QString ChatPanel::text() const
{
    return m_view->toPlainText();
}

void ChatPanel::clearChat()
{
    m_view->clearChat();
    m_entry->setFocus();
}

int ChatPanel::textSize() const
{
    return m_view->textSize();
}

void ChatPanel::setTextSize(int size)
{
    m_view->setTextSize(size);
}

bool ChatPanel::scrollOff() const
{
    return m_view->scrollOff();
}

void ChatPanel::toggleScrollOff()
{
    const bool off = !m_scrollOff->isChecked();
    m_scrollOff->setChecked(off);
    m_view->setScrollOff(off);
    emit scrollOffChanged(off);
}

void ChatPanel::copySelection()
{
    const QString selected = m_view->textCursor().selection().toPlainText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected);
}

void ChatPanel::selectAll()
{
    m_view->selectAll();
    m_view->viewport()->update();
}

void ChatPanel::openLink(int linkNumber)
{
    QString word = m_view->linkWord(linkNumber);
    if (word.isEmpty()) {
        emit linkLost();
        return;
    }
    if (word.endsWith(u' '))
        word.chop(1);
    if (word.left(7).compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        word.remove(0, 7);
    emit linkOpened(QUrl(QStringLiteral("http://") + word, QUrl::TolerantMode));
}

// ---------------------------------------------------------------- entry

QWidget *ChatPanel::entry() const
{
    return m_entry;
}

QString ChatPanel::entryText() const
{
    return m_entry->text();
}

void ChatPanel::clearEntry()
{
    m_entry->clear();
}

void ChatPanel::send()
{
    emit textEntered(m_entry->text());
}

bool ChatPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_entry && event->type() == QEvent::KeyPress) {
        // The first key typed replaces the placeholder.
        if (m_entry->text() == Placeholder)
            m_entry->clear();
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            send();
            return true;
        }
        // The box's own paste would insert at the cursor; "Paste" replaces.
        if (keyEvent->matches(QKeySequence::Paste)) {
            pasteIntoEntry();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChatPanel::pasteIntoEntry()
{
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty())
        m_entry->setText(text);
}

void ChatPanel::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    QPalette pal = m_entry->palette();
    pal.setColor(QPalette::Text, colour);
    m_entry->setPalette(pal);
}

void ChatPanel::chooseSmiley(int tag)
{
    if (m_entry->text() == Placeholder)
        m_entry->clear();
    m_entry->setText(m_entry->text() + ChatView::SmileyMark + QString::number(tag));
    m_entry->deselect();
    m_entry->setCursorPosition(int(m_entry->text().size()));
}

// ---------------------------------------------------------------- phrases and sounds

QString ChatPanel::phrase(int button) const
{
    if (button < 1 || button > PhraseCount)
        return {};
    return m_phrases[std::size_t(button - 1)]->toolTip();
}

QStringList ChatPanel::phrases() const
{
    QStringList texts;
    for (int button = 1; button <= PhraseCount; ++button)
        texts.append(phrase(button));
    return texts;
}

void ChatPanel::setPhrase(int button, const QString &phrase)
{
    if (button >= 1 && button <= PhraseCount)
        m_phrases[std::size_t(button - 1)]->setToolTip(phrase);
}

void ChatPanel::sayPhrase(int button)
{
    if (!m_phraseGateOpen)
        return;
    emit phraseSaid(phrase(button));
    m_phraseGateOpen = false;
    m_phraseGate->start();
}

void ChatPanel::setPhraseGateInterval(int ms)
{
    m_phraseGate->setInterval(ms);
}

void ChatPanel::reopenPhraseGate()
{
    m_phraseGate->stop();
    m_phraseGateOpen = true;
}

void ChatPanel::chooseChatterSound(int tag)
{
    if (tag != 0)
        emit chatterSoundChosen(tag);
}

QString ChatPanel::chatterSoundTitle(const QString &itemName) const
{
    for (const QAction *item : m_soundItems) {
        if (item->objectName().compare(itemName, Qt::CaseInsensitive) == 0)
            return item->toolTip();
    }
    return {};
}
