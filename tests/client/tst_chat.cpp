// The board and the chat of the main window, driven through the connection's
// seam as a scripted host would: arrivals, departures, watching, removal, chat lines with
// their heads, colours, links and smileys, phrases and chatter sounds.
#include "ClientTestSupport.h"

#include "protocol/Messages.h"
#include "windows/spylistform.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

const QColor SystemBlue(0, 0, 255);

} // namespace

class ChatTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void arrivalsAndDepartures();
    void ownSpectatorArrival();
    void watchingShowsTheEyes();
    void justWatchRequestsFollowTheCheckMark();
    void removalMenuStates_data();
    void removalMenuStates();
    void removalAndWatchRequests();
    void spyListRemovesTheEntryUnderThePointer();

    void chatLineHeadAndColour();
    void chatBeforeSignInIsNotSent();
    void linksOpenTheirOwnWord_data();
    void linksOpenTheirOwnWord();
    void linkTableWrapsAround();
    void seatFourRecoloursLinks();
    void statusLinesTurnStyleZeroBold();
    void phraseWithoutConnectionIsDropped();
    void smileys();
    void phraseGate();
    void chatterSounds();
    void sendingSmileysAndPaste();
    void textSizeAppliesToShownText();
    void chatViewCopiesWithoutACaret();
    void newColourReachesOlderLinesWithTheSweep();

private:
    void signIn(int seat) { m_client->signIn(seat); }
    void hostSends(const QByteArray &bytes) { m_client->hear(bytes); }
    QByteArray sent() const { return m_client->sent; }

    std::unique_ptr<SeamClient> m_client;
    Tchat *chat = nullptr;
};

void ChatTest::init()
{
    m_client = std::make_unique<SeamClient>();
    chat = m_client->chat.get();
}

void ChatTest::cleanup()
{
    m_client.reset();
    chat = nullptr;
}

// The board, the chat and the spy list show the seats as the core keeps them.
void ChatTest::arrivalsAndDepartures()
{
    signIn(2);
    hostSends(Protocol::Msg::existingplayers(1, u"Hugo"_s));
    hostSends(Protocol::Msg::existingplayers(3, u"Cy"_s));
    hostSends(Protocol::Msg::newplayerinfo(5, u"Dee"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 5)->text(), u"Dee"_s);
    const QStringList board {seatLabel(*chat, "label_playername", 1)->text(),
                             seatLabel(*chat, "label_playername", 2)->text(),
                             seatLabel(*chat, "label_playername", 3)->text(),
                             seatLabel(*chat, "label_playername", 4)->text()};
    QCOMPARE(board, (QStringList {u"Hugo"_s, u"Ann"_s, u"Cy"_s, u"<Waiting>"_s}));
    // What the tally's check list is filled with: never the own name or an empty seat.
    QCOMPARE(chat->otherSeatedPlayers(), (QStringList {u"Hugo"_s, u"Cy"_s, u"Dee"_s}));

    // A newcomer on a seat left during the game plays on with its score.
    hostSends(Protocol::Msg::newplayerinfo(4, u"Dan"_s)
              + Protocol::Msg::takesover(4, 9, u"Al"_s, u"Dan"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_score", 4)->text(), u"9"_s);
    // A kept seat counts down on the board until the host frees it.
    hostSends(Protocol::Msg::away(4, 100, u"Dan"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 4)->text(), u"Dan (away 1:40)"_s);
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 4)->text(), u"Dan (away 1:39)"_s);
    hostSends(Protocol::Msg::playerdisconnected(4, u"Dan"_s));

    chat->seats().setScore(3, 7);
    hostSends(Protocol::Msg::playerdisconnected(3, u"Cy"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 3)->text(), u"<Waiting>"_s);
    QCOMPARE(seatLabel(*chat, "label_score", 3)->text(), u"7"_s);
    QVERIFY(!seatLabel(*chat, "label_score", 3)->isHidden());

    // Spectators come and go through the spy list.
    hostSends(Protocol::Msg::newplayerinfo(9, u"Eve"_s));
    QTRY_COMPARE(chat->spylist()->entries(), QStringList {u"9: Eve"_s});
    hostSends(Protocol::Msg::playerdisconnected(9, u"Eve"_s));
    QTRY_VERIFY(chat->spylist()->entries().isEmpty());

    // A name is shown as typed, never as markup.
    hostSends(Protocol::Msg::newplayerinfo(4, u"<b>Bo</b>"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 4)->text(), u"<b>Bo</b>"_s);
    for (const QLabel *label :
         {seatLabel(*chat, "label_playername", 4), seatLabel(*chat, "label_score", 4),
          seatLabel(*chat, "label_bonus", 4)})
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void ChatTest::ownSpectatorArrival()
{
    hostSends(Protocol::Msg::sendlogininfo(9));
    hostSends(Protocol::Msg::newplayerinfo(9, u"Ann"_s));
    QTRY_COMPARE(chat->spylist()->entries(), QStringList {u"9: Ann"_s});
}

void ChatTest::watchingShowsTheEyes()
{
    signIn(2);
    hostSends(Protocol::Msg::existingplayers(1, u"Hugo"_s));
    hostSends(Protocol::Msg::justwatching(1, true));
    QTRY_VERIFY(!seatLabel(*chat, "image_eyes", 1)->isHidden());
    // The eyes do not cover the name's first letters.
    const QLabel *watcher = seatLabel(*chat, "label_playername", 1);
    QVERIFY(watcher->x() + watcher->indent()
            > seatLabel(*chat, "image_eyes", 1)->geometry().right());
    QVERIFY(!named(*chat, u"JustWatch1"_s)->isChecked());

    hostSends(Protocol::Msg::justwatching(2, true));
    QTRY_VERIFY(named(*chat, u"JustWatch1"_s)->isChecked());
    QVERIFY(!seatLabel(*chat, "image_eyes", 2)->isHidden());
    hostSends(Protocol::Msg::justwatching(2, false));
    QTRY_VERIFY(!named(*chat, u"JustWatch1"_s)->isChecked());
    QVERIFY(seatLabel(*chat, "image_eyes", 2)->isHidden());

    // A departure hides the eyes.
    hostSends(Protocol::Msg::playerdisconnected(1, u"Hugo"_s));
    QTRY_VERIFY(seatLabel(*chat, "image_eyes", 1)->isHidden());
}

void ChatTest::justWatchRequestsFollowTheCheckMark()
{
    signIn(3);
    QAction *justWatch = named(*chat, u"JustWatch1"_s);
    QVERIFY(!justWatch->isEnabled()); // the host lets nobody begin watching between games
    hostSends(Protocol::Msg::startgameRelay(u"Bo"_s, 3, 60, u"1"_s, u"0"_s));
    QTRY_VERIFY(justWatch->isEnabled());
    named(*chat, u"JustWatch1"_s)->trigger();
    QTRY_VERIFY(sent().endsWith("CMD_justwatch+3+1\xFF"));
    // The click leaves the check mark to the host's answer.
    QVERIFY(!named(*chat, u"JustWatch1"_s)->isChecked());
    hostSends(Protocol::Msg::justwatching(3, true));
    QTRY_VERIFY(named(*chat, u"JustWatch1"_s)->isChecked());
    hostSends(Protocol::Msg::winner(u"Bo"_s)); // a watcher may stop after the game, too
    QTRY_VERIFY(chatLines(*chat).last().contains(u"Won"_s));
    named(*chat, u"JustWatch1"_s)->trigger();
    QVERIFY(named(*chat, u"JustWatch1"_s)->isChecked());
    QTRY_VERIFY(sent().endsWith("CMD_justwatch+3+2\xFF"));
}

void ChatTest::removalMenuStates_data()
{
    QTest::addColumn<bool>("hosting");
    QTest::addColumn<int>("seat");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<bool>("watch");
    QTest::newRow("host, occupied seat") << true << 2 << true << true;
    QTest::newRow("host, empty seat") << true << 4 << false << true;
    QTest::newRow("player, occupied seat") << false << 2 << false << false;
    QTest::newRow("player, empty seat") << false << 4 << false << false;
}

void ChatTest::removalMenuStates()
{
    QFETCH(bool, hosting);
    QFETCH(int, seat);
    QFETCH(bool, remove);
    QFETCH(bool, watch);
    signIn(hosting ? 1 : 3);
    hostSends(Protocol::Msg::newplayerinfo(2, u"Bob"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 2)->text(), u"Bob"_s);
    chat->board().prepareSeatMenu(seat);
    QCOMPARE(named(*chat, u"RemoveFromGame1"_s)->isEnabled(), remove);
    QCOMPARE(named(*chat, u"SettoJustWatch1"_s)->isEnabled(), watch);
    QCOMPARE(named(*chat, u"UnsetJustWatch1"_s)->isEnabled(), watch);
    QCOMPARE(chat->board().menuSeat(), seat);
    QCOMPARE(chat->spylist()->popup_kickhim->isEnabled(), hosting);
}

void ChatTest::removalAndWatchRequests()
{
    signIn(1);
    hostSends(Protocol::Msg::newplayerinfo(2, u"Bob"_s));
    QTRY_COMPARE(seatLabel(*chat, "label_playername", 2)->text(), u"Bob"_s);
    chat->board().prepareSeatMenu(2);
    named(*chat, u"RemoveFromGame1"_s)->trigger();
    named(*chat, u"SettoJustWatch1"_s)->trigger();
    named(*chat, u"UnsetJustWatch1"_s)->trigger();
    QCOMPARE(m_client->questions, QStringList {u"Remove Bob from the game?"_s});
    m_client->yes = false; // thought better of it: nothing is sent
    chat->kicking(2);
    m_client->yes = true;
    chat->kicking(9);
    QTRY_VERIFY(sent().endsWith("CMD_kickhim+1+9+\xFF"));
    QVERIFY(sent().endsWith("CMD_kickhim+1+2+\xFF"
                            "CMD_justwatch+2+1\xFF"
                            "CMD_justwatch+2+2\xFF"
                            "CMD_kickhim+1+9+\xFF"));

    // A player who does not host sends no removal.
    init();
    signIn(2);
    chat->kicking(1);
    chatEntry(*chat)->setText(u"after"_s);
    chat->chatPanel().send();
    QTRY_VERIFY(sent().contains("after"));
    QVERIFY(!sent().contains("CMD_kickhim"));
}

void ChatTest::spyListRemovesTheEntryUnderThePointer()
{
    signIn(1);
    hostSends(Protocol::Msg::newplayerinfo(9, u"Eve"_s));
    QTRY_COMPARE(chat->spylist()->entries(), QStringList {u"9: Eve"_s});
    Tspylist *spies = chat->spylist();
    spies->show();
    const QRect first = spies->listbox_spys->visualItemRect(spies->listbox_spys->item(0));
    QCOMPARE(first.height(), 13);
    spies->listbox_spysMouseMove(first.center());
    QCOMPARE(spies->entryUnderPointer(), 0);
    spies->listbox_spys->setCurrentRow(-1);
    spies->popup_kickhim->trigger();
    QTRY_VERIFY(sent().endsWith("CMD_kickhim+1+9+\xFF"));

    // Below the last entry nothing is removed.
    const QByteArray before = sent();
    spies->listbox_spysMouseMove(QPoint(first.center().x(), first.bottom() + 40));
    QCOMPARE(spies->entryUnderPointer(), -1);
    spies->popup_kickhimClick();
    chatEntry(*chat)->setText(u"marker"_s);
    chat->chatPanel().send();
    QTRY_VERIFY(sent().contains("marker"));
    QVERIFY(!sent().mid(before.size()).contains("CMD_kickhim"));
    spies->button_doneClick();
    QVERIFY(!spies->isVisible());
}

void ChatTest::chatLineHeadAndColour()
{
    signIn(1);
    chat->chatPanel().setTextColour(QColor(0, 0x80, 0));
    QTest::keyClicks(chatEntry(*chat), u"hi there"_s);
    QCOMPARE(chatEntry(*chat)->text(), u"hi there"_s);
    QTest::keyClick(chatEntry(*chat), Qt::Key_Return);
    QCOMPARE(chatEntry(*chat)->text(), QString());
    QTRY_VERIFY(sent().endsWith("CMD_chat+1+hi there|clGreen\xFF"));

    hostSends(Protocol::Msg::chatRelay(2, u"Bob"_s, u"hello world|clNavy"_s));
    hostSends(Protocol::Msg::chatRelay(2, u"Bob"_s, u"again|$00FF8000"_s));
    QTRY_COMPARE(lastChatLine(*chat), u"Bob chats:  again"_s);
    const QStringList lines = chatLines(*chat);
    QCOMPARE(lines.at(lines.size() - 2), u"Bob chats:  hello world"_s);
    const ChatView::TextStyle style = chatView(*chat)->style(2);
    QCOMPARE(style.colour, QColor(0x00, 0x80, 0xFF));
    QVERIFY(style.bold && !style.italic && !style.underline);
    // The earlier line of the same seat took the new colour too.
    for (const ChatView::Run &run : chatView(*chat)->runs()) {
        if (run.style != 2)
            continue;
        QCOMPARE(run.format.foreground().color(), QColor(0x00, 0x80, 0xFF));
        QCOMPARE(run.format.fontWeight(), int(QFont::Bold));
    }
}

void ChatTest::chatBeforeSignInIsNotSent()
{
    QCOMPARE(chatEntry(*chat)->text(), u"<Enter Chat Here>"_s);
    QTest::keyClick(chatEntry(*chat), Qt::Key_H);
    QCOMPARE(chatEntry(*chat)->text(), u"h"_s);
    QTest::keyClick(chatEntry(*chat), Qt::Key_Return);
    // Not signed in: the text stays and nothing goes out.
    QCOMPARE(chatEntry(*chat)->text(), u"h"_s);
    chat->chatPanel().chooseChatterSound(3);
    hostSends(Protocol::Msg::sendlogininfo(4));
    QTRY_VERIFY(sent().contains("CMD_logininfo"));
    QVERIFY(!sent().contains("CMD_chat"));
    QVERIFY(!sent().contains("CMD_playasound"));
}

void ChatTest::linksOpenTheirOwnWord_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("opened");
    QTest::newRow("www") << u"see www.example.com now"_s << u"www.example.com "_s
                         << u"http://www.example.com"_s;
    QTest::newRow("http") << u"http://example.org/a?b=1"_s << u"http://example.org/a?b=1 "_s
                          << u"http://example.org/a?b=1"_s;
    QTest::newRow("with a path") << u"at www.x.net/a.html!"_s << u"www.x.net/a.html! "_s
                                 << u"http://www.x.net/a.html!"_s;
}

void ChatTest::linksOpenTheirOwnWord()
{
    QFETCH(QString, line);
    QFETCH(QString, word);
    QFETCH(QString, opened);
    signIn(1);
    QCOMPARE(chatView(*chat)->linkCounter(), -1);
    hostSends(Protocol::Msg::chatRelay(2, u"Bob"_s, line + u"|clBlack"_s));
    QTRY_COMPARE(chatView(*chat)->linkCounter(), 0);
    QList<ChatView::Run> links;
    for (const ChatView::Run &run : chatView(*chat)->runs()) {
        if (run.link >= 0)
            links.append(run);
    }
    QCOMPARE(links.size(), 1);
    QCOMPARE(chatView(*chat)->linkWord(0), word);
    QCOMPARE(links.first().text, word.chopped(1));
    QCOMPARE(links.first().style, int(ChatView::LinkStyle));
    QVERIFY(links.first().format.isAnchor());
    emit chatView(*chat)->anchorClicked(QUrl(links.first().format.anchorHref()));
    QCOMPARE(m_client->opened, QList<QUrl> {QUrl(opened)});

    // Capitals are no link; an unknown link number cannot be opened.
    hostSends(Protocol::Msg::chatRelay(2, u"Bob"_s, u"WWW.EXAMPLE.COM HTTP://X|clBlack"_s));
    QTRY_VERIFY(lastChatLine(*chat).contains(u"WWW"_s));
    QCOMPARE(chatView(*chat)->linkCounter(), 0);
    chat->chatPanel().openLink(5);
    QCOMPARE(m_client->messages, QStringList {u"Cannot open Webpage"_s});
}

// More links than the table has places: every link still opens its own word.
void ChatTest::linkTableWrapsAround()
{
    signIn(1);
    constexpr int Links = ChatView::LinkTableSize + 5;
    for (int i = 0; i < Links; ++i)
        chat->chatPanel().addLine(line(2, u"Bob chats: www.site%1.com"_s.arg(i)));
    QCOMPARE(chatView(*chat)->linkCounter(), Links - 1);
    for (int number : {0, 3, ChatView::LinkTableSize, Links - 1}) {
        m_client->opened.clear();
        chat->chatPanel().openLink(number);
        QCOMPARE(m_client->opened, QList<QUrl> {QUrl(u"http://www.site%1.com"_s.arg(number))});
    }
    // Clearing keeps counting.
    chat->chatPanel().clearChat();
    QCOMPARE(chatView(*chat)->toPlainText(), QString());
    chat->chatPanel().addLine(line(2, u"Bob chats: www.again.com"_s));
    QCOMPARE(chatView(*chat)->linkCounter(), Links);
}

void ChatTest::seatFourRecoloursLinks()
{
    signIn(1);
    chat->chatPanel().addLine(line(2, u"Bob chats: look www.a.com"_s));
    QCOMPARE(chatView(*chat)->style(ChatView::LinkStyle).colour, QColor(0, 0x80, 0));
    QVERIFY(chatView(*chat)->style(ChatView::LinkStyle).underline);
    hostSends(Protocol::Msg::chatRelay(4, u"Dan"_s, u"hi www.b.com|clPurple"_s));
    QTRY_COMPARE(chatView(*chat)->linkCounter(), 1);
    int links = 0;
    for (const ChatView::Run &run : chatView(*chat)->runs()) {
        if (run.style != ChatView::LinkStyle)
            continue;
        QCOMPARE(run.format.foreground().color(), QColor(0x80, 0, 0x80));
        QVERIFY(!run.format.fontUnderline());
        links += run.link >= 0 ? 1 : 0;
    }
    QCOMPARE(links, 2);
}

void ChatTest::statusLinesTurnStyleZeroBold()
{
    Tchat window;
    QVERIFY(!chatView(window)->style(0).bold);
    window.addStatusLine(u"Note: more"_s);
    QCOMPARE(chatView(window)->style(0).colour, SystemBlue);
    QVERIFY(chatView(window)->style(0).bold);
    QCOMPARE(lastChatLine(window), u"Note:  more"_s);
    // Text that looks like markup is shown as typed.
    window.chatPanel().addLine(line(2, u"Bob chats: <b>bold</b> &amp;"_s));
    QCOMPARE(lastChatLine(window), u"Bob chats:  <b>bold</b> &amp;"_s);
}

// A phrase goes out without the sign-in test; with no connection at all it is
// dropped instead of failing.
void ChatTest::phraseWithoutConnectionIsDropped()
{
    Tchat window;
    QVERIFY(!window.connection().isOpen());
    window.chatPanel().sayPhrase(1);
    QVERIFY(!window.chatPanel().phraseGateOpen());
    window.chatPanel().reopenPhraseGate();
    QVERIFY(window.chatPanel().phraseGateOpen());
}

void ChatTest::smileys()
{
    Tchat window;
    window.chatPanel().addLine(line(3, u"Cy chats: hi :)#10 there :)#xy end:)#26:)#99"_s));
    QList<int> pictures;
    QString text;
    for (const ChatView::Run &run : chatView(window)->runs()) {
        if (run.picture >= 0)
            pictures.append(run.picture);
        else
            text += run.text;
    }
    QCOMPARE(pictures, (QList<int> {0, 16}));
    // Two characters that are no number vanish; so does a code without a picture.
    QCOMPARE(text, u"Cy chats:  hi   there   end  "_s);
}

void ChatTest::phraseGate()
{
    signIn(2);
    chat->chatPanel().setPhrase(3, u"/me cheers"_s);
    chat->chatPanel().sayPhrase(1);
    QVERIFY(!chat->chatPanel().phraseGateOpen());
    chat->chatPanel().sayPhrase(3);
    chatEntry(*chat)->setText(u"marker"_s);
    chat->chatPanel().send();
    QTRY_VERIFY(sent().contains("marker"));
    QCOMPARE(sent().count("CMD_action"), 1);
    QVERIFY(sent().contains("CMD_action+2+says: Way To Go!|clBlack\xFF"));

    QTRY_VERIFY(chat->chatPanel().phraseGateOpen());
    named<QToolButton>(*chat, u"b_phrase3"_s)->click();
    QTRY_VERIFY(sent().endsWith("CMD_action+2+cheers|clBlack\xFF"));
    QCOMPARE(named<QToolButton>(*chat, u"b_phrase9"_s)->toolTip(), u"Good Game Everyone!"_s);
}

void ChatTest::chatterSounds()
{
    signIn(2);
    hostSends(Protocol::Msg::existingplayers(3, u"Cy"_s));
    named(*chat, u"Cancel1"_s)->trigger();
    named(*chat, u"wave4"_s)->trigger();
    QTRY_VERIFY(sent().endsWith("CMD_playasound+2+wave4+\xFF"));
    QCOMPARE(sent().count("CMD_playasound"), 1);

    m_client->sounds.clear();
    named(*chat, u"PlaySounds1"_s)->setChecked(false);
    hostSends(Protocol::Msg::playasoundRelay(3, u"wave4+"_s));
    QTRY_COMPARE(m_client->sounds, QStringList {u"wave4"_s});

    named(*chat, u"PlayerPhraseSounds1"_s)->setChecked(false);
    chat->chatPanel().addLine(line(3, u"Cy chats: earlier"_s));
    hostSends(Protocol::Msg::playasoundRelay(3, u"wave1+"_s));
    QTRY_COMPARE(lastChatLine(*chat), u"Cy:  <Chatter Sound> Doh"_s);
    QCOMPARE(m_client->sounds, QStringList {u"wave4"_s});
    for (const ChatView::Run &run : chatView(*chat)->runs()) {
        if (run.style == 3)
            QCOMPARE(run.format.foreground().color(), SystemBlue);
    }
    // Spectators and unknown sounds write nothing.
    const qsizetype lines = chatLines(*chat).size();
    hostSends(Protocol::Msg::playasoundRelay(9, u"wave1+"_s));
    hostSends(Protocol::Msg::playasoundRelay(3, u"wave21+"_s));
    hostSends(Protocol::Msg::wrongversion());
    QTRY_COMPARE(chatLines(*chat).size(), lines + 1);
}

void ChatTest::sendingSmileysAndPaste()
{
    signIn(1);
    chat->chatPanel().chooseSmiley(12);
    QCOMPARE(chatEntry(*chat)->text(), u":)#12"_s);
    chat->chatPanel().chooseSmiley(26);
    QCOMPARE(chatEntry(*chat)->text(), u":)#12:)#26"_s);
    QCOMPARE(chatEntry(*chat)->cursorPosition(), 10);
    QVERIFY(!chatEntry(*chat)->hasSelectedText());
    QGuiApplication::clipboard()->setText(u"pasted text"_s);
    named(*chat, u"Paste1"_s)->trigger();
    QCOMPARE(chatEntry(*chat)->text(), u"pasted text"_s);
    // Its shortcut does the same, wherever the cursor stands.
    QGuiApplication::clipboard()->setText(u"typed over"_s);
    chatEntry(*chat)->setCursorPosition(3);
    QTest::keyClick(chatEntry(*chat), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(chatEntry(*chat)->text(), u"typed over"_s);

    // The history keeps its newest lines.
    for (int line = 0; line <= ChatView::MaxLines; ++line)
        chat->addStatusLine(QString::number(line));
    QCOMPARE(chatView(*chat)->document()->blockCount(), ChatView::MaxLines);
    QCOMPARE(lastChatLine(*chat), QString::number(ChatView::MaxLines));

    chat->chatPanel().addLine(line(1, u"Ann chats: copy me"_s));
    named(*chat, u"SelectAll1"_s)->trigger();
    named(*chat, u"Copy1"_s)->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().contains(u"copy me"_s));

    named(*chat, u"ScrollChatOff2"_s)->trigger();
    QVERIFY(named(*chat, u"ScrollChatOff1"_s)->isChecked()
            && named(*chat, u"ScrollChatOff2"_s)->isChecked());
    QVERIFY(chatView(*chat)->scrollOff());
    named(*chat, u"ScrollChatOff1"_s)->trigger();
    QVERIFY(!named(*chat, u"ScrollChatOff1"_s)->isChecked()
            && !named(*chat, u"ScrollChatOff2"_s)->isChecked());
}

void ChatTest::textSizeAppliesToShownText()
{
    signIn(1);
    // Before the own arrival the chat had the view's size; the settings' default
    // size took over at the arrival, and its item is checked.
    QCOMPARE(chatView(*chat)->textSize(), 8);
    QVERIFY(named(*chat, u"N8"_s)->isChecked());
    QVERIFY(!named(*chat, u"N10"_s)->isChecked());
    named(*chat, u"N14"_s)->trigger();
    QCOMPARE(chatView(*chat)->textSize(), 14);
    QVERIFY(named(*chat, u"N14"_s)->isChecked());
    for (const ChatView::Run &run : chatView(*chat)->runs()) {
        if (run.style >= 0)
            QCOMPARE(run.format.fontPointSize(), 14.0);
    }
}

void ChatTest::chatViewCopiesWithoutACaret()
{
    ChatView view;
    view.addLine(line(0, u"Hello there"_s));
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    const QImage before = view.viewport()->grab().toImage();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(30, 8));
    QTRY_VERIFY(view.hasFocus());
    QCOMPARE(view.viewport()->grab().toImage(), before);
    view.selectAll();
    QTest::keySequence(&view, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), view.toPlainText());
}

void ChatTest::newColourReachesOlderLinesWithTheSweep()
{
    ChatView view;
    const int lines = ChatView::RecentLines + 20;
    for (int n = 0; n < lines; ++n)
        view.addLine(line(3, u"Cy chats: line"_s));
    view.addLine(line(3, u"Cy chats: red"_s, Qt::red));
    // Per block of style 3, in order: whether it shows red.
    const auto red = [&view] {
        QList<bool> shown;
        for (const ChatView::Run &run : view.runs()) {
            if (run.style == 3 && run.text.startsWith(u"Cy"_s))
                shown.append(run.format.foreground().color() == Qt::red);
        }
        return shown;
    };
    const QList<bool> atOnce = red();
    QCOMPARE(atOnce.count(false), 20); // the oldest wait for the sweep
    QVERIFY(!atOnce.mid(20).contains(false));
    view.findChild<QTimer *>(u"recolourSweep"_s)->start(0);
    QTRY_VERIFY(!red().contains(false));
}

QTEST_MAIN(ChatTest)
#include "tst_chat.moc"
