// The chat part of the main window: the view, the entry box, the phrase,
// sound and smiley buttons with their menus.
#include "client/chatform.h"

#include "client/BoardLook.h"
#include "client/ChatView.h"
#include "client/GamePanels.h"
#include "client/SoundPlayer.h"
#include "clientcore/ChatLine.h"
#include "clientcore/HostConnection.h"
#include "protocol/ColourText.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"
#include "sock/Sock.h"
#include "storage/HomeFolder.h"
#include "storage/Settings.h"
#include "widgets/StoredColor.h"
#include "windows/SideWindow.h"
#include "windows/gamestartform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using namespace BoardLook;

namespace {

const QColor ChatColour(0xF7, 0xF9, 0xE3);

const std::array<QString, Tchat::PhraseCount> InitialPhrases {
    QStringLiteral("Way To Go!"),
    QStringLiteral("Good One!"),
    QStringLiteral("Nice Try!"),
    QStringLiteral("Excellent!"),
    QStringLiteral("Brilliant!"),
    QStringLiteral("Wow, WTG!"),
    QStringLiteral("Thanks!"),
    QStringLiteral("Way To Go Teamie!"),
    QStringLiteral("Good Game Everyone!")};

const std::array<QString, Tchat::ChatterSoundCount + 1> ChatterSoundNames {
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

} // namespace
void Tchat::buildChat()
{
    mainchat = new ChatView(panel_board);
    mainchat->setGeometry(240, 322, 515, 176);
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat, &ChatView::linkJumped, this, &Tchat::mainchatJump);

    mychat = new QLineEdit(ChatPlaceholder, panel_board);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(240, 500, 487, 22);
    mychat->setFont(arial(13));
    mychat->setFrame(false);
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    mychat->installEventFilter(this);
    mychat->setStyleSheet(QStringLiteral("QLineEdit { background: %1; border: 1px solid #9cb8a8;"
                                         " padding-left: 3px; }"
                                         "QLineEdit:focus { border: 1px solid #4d8a68; }")
                              .arg(ChatColour.name()));
    setTextColour(m_textColour);

    for (int i = 0; i < PhraseCount; ++i) {
        QToolButton *button
            = flatButton(panel_board, QStringLiteral("b_phrase%1").arg(i + 1),
                         QStringLiteral(":/pictures/buttons/phrase%1.png").arg(i + 1),
                         QRect(212, 322 + 20 * i, 25, 19));
        button->setToolTip(InitialPhrases[std::size_t(i)]);
        connect(button, &QToolButton::clicked, this, [this, i] { b_phrase1Click(i + 1); });
        b_phrase[std::size_t(i)] = button;
    }

    b_phrase10
        = flatButton(panel_board, QStringLiteral("b_phrase10"),
                     QStringLiteral(":/pictures/buttons/sounds.png"), QRect(212, 502, 25, 19));
    b_phrase10->setToolTip(QStringLiteral("Chatter Sounds"));
    popup_sounds = new QMenu(this);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    popup_sounds->setToolTipsVisible(true);
    for (int tag = 0; tag <= ChatterSoundCount; ++tag) {
        QAction *item = popup_sounds->addAction(ChatterSoundNames[std::size_t(tag)]);
        item->setObjectName(tag == 0 ? QStringLiteral("Cancel1")
                                     : QStringLiteral("wave%1").arg(tag));
        item->setToolTip(ChatterSoundNames[std::size_t(tag)]);
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { wave4Click(tag); });
        soundItems[std::size_t(tag)] = item;
    }
    connect(b_phrase10, &QToolButton::clicked, this, &Tchat::b_phrase10MouseUp);

    button_simlies
        = flatButton(panel_board, QStringLiteral("button_simlies"),
                     QStringLiteral(":/pictures/buttons/smileys.png"), QRect(730, 501, 25, 19));
    button_simlies->setToolTip(QStringLiteral("Smileys"));
    popup_smilies = new QMenu(this);
    popup_smilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int picture = 0; picture < ChatView::SmileyCount; ++picture) {
        const int tag = ChatView::FirstSmileyCode + picture;
        QAction *item = popup_smilies->addAction(
            QIcon(QStringLiteral(":/pictures/smileys/%1.png").arg(picture)),
            ChatView::SmileyMark + QString::number(tag));
        item->setObjectName(picture == 0 ? QStringLiteral("N11")
                                         : QStringLiteral("Select%1").arg(picture));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { Select16Click(tag); });
    }
    connect(button_simlies, &QToolButton::clicked, this, &Tchat::button_simliesClick);

    popup_mainchat = new QMenu(this);
    popup_mainchat->setObjectName(QStringLiteral("popup_mainchat"));
    Copy1 = popup_mainchat->addAction(QStringLiteral("Copy"), this, &Tchat::copyChat);
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    ClearMainChat2 = popup_mainchat->addAction(QStringLiteral("Clear Main Chat"), this,
                                               &Tchat::ClearMainChat1Click);
    SelectAll1
        = popup_mainchat->addAction(QStringLiteral("Select All"), this, &Tchat::selectAllChat);
    popup_mainchat->addSeparator();
    ScrollChatOff1 = popup_mainchat->addAction(QStringLiteral("Scroll Chat Off"));
    ScrollChatOff1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ScrollChatOff1->setCheckable(true);
    connect(ScrollChatOff1, &QAction::triggered, this, [this](bool checked) {
        ScrollChatOff1->setChecked(!checked);
        ScrollChatOff1Click();
    });
    connect(mainchat, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        popup_mainchat->popup(mainchat->viewport()->mapToGlobal(pos));
    });

    popup_mychat = new QMenu(this);
    popup_mychat->setObjectName(QStringLiteral("popup_mychat"));
    Paste1 = popup_mychat->addAction(QStringLiteral("Paste"), this, &Tchat::pasteChatEntry);
    Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_mychat->popup(mychat->mapToGlobal(pos)); });

    setTabOrder(mychat, mainchat);
    mychat->setFocus();
}

// ---------------------------------------------------------------- chat

QString Tchat::colourText() const
{
    return Protocol::colourToText(toRgb(m_textColour));
}

void Tchat::addlinetochat(const QString &text, const QColor &colour)
{
    mainchat->addLine(text, colour);
}

void Tchat::chatrecieved(const QString &text)
{
    if (const std::optional<ChatLine> line = ChatLine::fromChat(text))
        mainchat->addLine(*line);
}

void Tchat::playasound(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    const QString sound = fields.takeText();
    if (PlayerPhraseSounds1->isChecked()) {
        if (m_sounds)
            m_sounds->play(sound);
        return;
    }
    const QLabel *label = playerNameLabel(*seat);
    if (!label)
        return;
    for (QAction *item : soundItems) {
        if (item->objectName().compare(sound, Qt::CaseInsensitive) != 0)
            continue;
        addlinetochat(QString::number(*seat) + u'+' + label->text()
                          + QStringLiteral(": <Chatter Sound> ") + item->toolTip(),
                      m_systemLineColour);
        return;
    }
}

bool Tchat::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mychat && event->type() == QEvent::KeyPress) {
        // The first key typed replaces the placeholder.
        if (mychat->text() == ChatPlaceholder)
            mychat->clear();
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sendit();
            return true;
        }
        // The box's own paste would insert at the cursor; "Paste" replaces.
        if (keyEvent->matches(QKeySequence::Paste)) {
            pasteChatEntry();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::sendit()
{
    if (!isConnected())
        return;
    const QString text = mychat->text();
    if (!text.isEmpty()) {
        if (!text.startsWith(u'/'))
            sendToHost(Protocol::Msg::chat(ownSeat(), text, colourText()));
        else if (text.startsWith(QLatin1String("/me")))
            sendToHost(Protocol::Msg::action(ownSeat(), text.mid(4), colourText()));
    }
    mychat->clear();
}

QString Tchat::phrase(int button) const
{
    if (button < 1 || button > PhraseCount)
        return {};
    return b_phrase[std::size_t(button - 1)]->toolTip();
}

void Tchat::setPhrase(int button, const QString &phrase)
{
    if (button >= 1 && button <= PhraseCount)
        b_phrase[std::size_t(button - 1)]->setToolTip(phrase);
}

void Tchat::b_phrase1Click(int button)
{
    if (!m_phraseGateOpen)
        return;
    const QString text = phrase(button);
    if (text.startsWith(QLatin1String("/me ")))
        sendToHost(Protocol::Msg::action(ownSeat(), text.mid(4), colourText()));
    else
        sendToHost(Protocol::Msg::action(ownSeat(), QStringLiteral("says: ") + text, colourText()));
    m_phraseGateOpen = false;
    m_phraseGate->start();
}

void Tchat::setPhraseGateInterval(int ms)
{
    m_phraseGate->setInterval(ms);
}

void Tchat::phraseGateTimer()
{
    m_phraseGate->stop();
    m_phraseGateOpen = true;
}

void Tchat::wave4Click(int tag)
{
    if (tag == 0 || !isConnected())
        return;
    sendToHost(Protocol::Msg::playasound(ownSeat(), tag));
}

void Tchat::Select16Click(int tag)
{
    if (mychat->text() == ChatPlaceholder)
        mychat->clear();
    mychat->setText(mychat->text() + ChatView::SmileyMark + QString::number(tag));
    mychat->deselect();
    mychat->setCursorPosition(int(mychat->text().size()));
}

void Tchat::mainchatJump(int linkNumber)
{
    QString word = mainchat->linkWord(linkNumber);
    if (word.isEmpty()) {
        showMessage(QStringLiteral("Cannot open Webpage"));
        return;
    }
    if (word.endsWith(u' '))
        word.chop(1);
    if (word.left(7).compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        word.remove(0, 7);
    // The desktop judges the address; its answer is not checked.
    if (m_urlOpener)
        m_urlOpener(QUrl(QStringLiteral("http://") + word, QUrl::TolerantMode));
}

void Tchat::copyChat()
{
    const QString selected = mainchat->textCursor().selection().toPlainText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected);
}

void Tchat::selectAllChat()
{
    mainchat->selectAll();
    mainchat->viewport()->update();
}

void Tchat::ClearMainChat1Click()
{
    mainchat->clearChat();
    mychat->setFocus();
}

void Tchat::ScrollChatOff1Click()
{
    const bool off = !ScrollChatOff1->isChecked();
    ScrollChatOff1->setChecked(off);
    ScrollChatOff2->setChecked(off);
    mainchat->setScrollOff(off);
}

void Tchat::pasteChatEntry()
{
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty())
        mychat->setText(text);
}

void Tchat::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    QPalette pal = mychat->palette();
    pal.setColor(QPalette::Text, colour);
    mychat->setPalette(pal);
}
