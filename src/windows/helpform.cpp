#include "windows/helpform.h"

#include "widgets/Fonts.h"
#include "widgets/StoredColor.h"
#include "widgets/TFlatPanel.h"
#include "widgets/TLbBackground.h"
#include "widgets/TSelButton.h"
#include "windows/HelpPages.h"
#include "windows/SideWindow.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTextFrame>

namespace {
const QSize ClientSize(521, 422);
constexpr int SideWidth = 137;
constexpr int CaptionHeight = 20;
constexpr int PageMargin = 5;
constexpr int PagePixels = 11;
constexpr quint32 PageColor = 14940663;
constexpr quint32 ButtonFace = 1756160;
constexpr quint32 ButtonText = 26112;

constexpr int ButtonLeft = 10;
constexpr int ButtonWidth = 117;
constexpr int ButtonHeight = 20;
constexpr int ButtonPitch = 24; // from one section button's top to the next
constexpr int FirstButtonTop = 8;
constexpr int CaptionRoom = 12; // the button's border and caption padding
constexpr int DoneTop = 396;
constexpr int NoticeLeft = 10;
constexpr int NoticeTop = 328;
constexpr int NoticePitch = 16;

TSelButton *makeButton(QWidget *parent, const char *name, const QString &caption, int tag,
                       QRect place)
{
    auto *button = new TSelButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setTag(tag);
    button->setFaceColor(storedColor(ButtonFace));
    button->setTextColor(storedColor(ButtonText));
    button->setHoverTextColor(Qt::black);
    button->setBorderColor(Qt::black);
    // One size for every button, small enough for the longest caption.
    button->setFont(
        fittedFont(uiFont(13, true), QStringLiteral("Documentation"), ButtonWidth - CaptionRoom));
    button->setGeometry(place);
    return button;
}
} // namespace

Thelp::Thelp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("help"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - Help File"), ClientSize,
                           SideWindow::defaultBackgroundColor());
    LbBackground1 = new TLbBackground(this);

    // Both panels are bare black frames over the background picture; the main
    // panel shares its left edge with the side panel's right edge.
    panel_side = SideWindow::placePanel(this, "panel_side", {0, 0, SideWidth, ClientSize.height()});
    panel_main = SideWindow::placePanel(
        this, "panel_main",
        {SideWidth - 1, 0, ClientSize.width() - SideWidth + 1, ClientSize.height()});
    for (TFlatPanel *panel : {panel_side, panel_main}) {
        panel->setTransparent(true);
        panel->setBorderColor(Qt::black);
    }

    label_caption = new QLabel(HelpPages::caption(1), panel_main);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    label_caption->setFont(uiFont(16, true));
    label_caption->setAlignment(Qt::AlignCenter);
    label_caption->setGeometry(1, 1, panel_main->width() - 2, CaptionHeight);

    pages = new QStackedWidget(panel_main);
    pages->setGeometry(1, 1 + CaptionHeight, panel_main->width() - 2,
                       panel_main->height() - CaptionHeight - 2);

    const QList<int> sections = HelpPages::sections();
    for (int i = 0; i < sections.size(); ++i) {
        const int section = sections[i];
        pages->addWidget(makePage(section));
        const QByteArray name = "SelButton" + QByteArray::number(section);
        // "The Lobby" sits one pixel further left and is one pixel wider.
        const bool lobby = section == 11;
        const QRect place(lobby ? ButtonLeft - 1 : ButtonLeft, FirstButtonTop + i * ButtonPitch,
                          lobby ? ButtonWidth + 1 : ButtonWidth, ButtonHeight);
        TSelButton *button
            = makeButton(panel_side, name.constData(), HelpPages::caption(section), section, place);
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { SelButton1Click(button); });
        sectionButtons.append(button);
    }

    button_about = makeButton(panel_side, "button_about", QStringLiteral("About"), 10,
                              QRect(ButtonLeft, FirstButtonTop + int(sections.size()) * ButtonPitch,
                                    ButtonWidth, ButtonHeight));
    connect(button_about, &QAbstractButton::clicked, this, &Thelp::button_aboutClick);

    const QStringList notice
        = {QStringLiteral("Lexiburst"), QStringLiteral("Written by Zorn22"),
           QStringLiteral("Copyright 2009-2010"), QStringLiteral("All rights reserved.")};
    for (int i = 0; i < notice.size(); ++i) {
        const QByteArray name = "label_notice" + QByteArray::number(i + 1);
        SideWindow::placeLabel(panel_side, name.constData(), notice[i], uiFont(10, i == 0),
                               Qt::black, NoticeLeft, NoticeTop + i * NoticePitch);
    }

    button_done = makeButton(panel_side, "button_done", QStringLiteral("Done"), 10,
                             QRect(ButtonLeft, DoneTop, ButtonWidth, ButtonHeight));
    button_done->setCaptionAlignment(Qt::AlignCenter);
    connect(button_done, &QAbstractButton::clicked, this, &Thelp::button_doneClick);

    // FormCreate: the Overview page first, on the game's background picture.
    pages->setCurrentWidget(findChild<QTextEdit *>(QStringLiteral("memo1")));
    setBackgroundPicture(SideWindow::backgroundPicture());
}

QTextEdit *Thelp::makePage(int section)
{
    auto *page = new QTextEdit;
    page->setObjectName(QStringLiteral("memo%1").arg(section));
    page->setReadOnly(true);
    page->setFrameShape(QFrame::NoFrame);
    page->setFocusPolicy(Qt::ClickFocus);
    page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setLineWrapMode(QTextEdit::WidgetWidth);
    QFont pageFont(QStringLiteral("Arial"));
    pageFont.setStyleHint(QFont::SansSerif);
    pageFont.setPixelSize(PagePixels);
    page->setFont(pageFont);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Base, storedColor(PageColor));
    palette.setColor(QPalette::Text, Qt::black);
    page->setPalette(palette);
    // Plain text keeps quotes and symbols as written.
    page->setPlainText(HelpPages::paragraphs(section));
    // The scroll bar keeps the text off the right edge.
    QTextFrameFormat margins = page->document()->rootFrame()->frameFormat();
    margins.setMargin(PageMargin);
    margins.setRightMargin(0);
    page->document()->rootFrame()->setFrameFormat(margins);
    return page;
}

void Thelp::setBackgroundPicture(const QPixmap &picture)
{
    LbBackground1->setPicture(picture);
}

QTextEdit *Thelp::currentPage() const
{
    return qobject_cast<QTextEdit *>(pages->currentWidget());
}

QString Thelp::captionText() const
{
    return label_caption->text();
}

TSelButton *Thelp::sectionButton(int tag) const
{
    for (TSelButton *button : sectionButtons) {
        if (button->tag() == tag)
            return button;
    }
    return nullptr;
}

void Thelp::SelButton1Click(TSelButton *button)
{
    auto *page = findChild<QTextEdit *>(QStringLiteral("memo%1").arg(button->tag()));
    if (!page)
        return;
    pages->setCurrentWidget(page);
    label_caption->setText(button->text());
}

void Thelp::button_aboutClick()
{
    emit aboutRequested();
}

void Thelp::button_doneClick()
{
    hide();
}
