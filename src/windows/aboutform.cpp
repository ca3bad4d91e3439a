#include "windows/aboutform.h"

#include "protocol/Messages.h"
#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"
#include "widgets/TClickLabel.h"
#include "widgets/TLbBackground.h"
#include "widgets/TSelButton.h"
#include "widgets/TURL.h"
#include "windows/MakerInfo.h"
#include "windows/SideWindow.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>

namespace {
const QSize ClientSize(304, 174);
const QString LogoResource = QStringLiteral(":/pictures/logo.png");
constexpr quint32 ButtonFace = 1756160;
constexpr quint32 ButtonText = 26112;
constexpr int NoticeFontSize = 13;
constexpr int VersionTop = 155;
constexpr QColor LinkColor(0, 0, 160);

QFont noticeFont()
{
    return uiFont(NoticeFontSize, true, FontFace::Serif);
}
} // namespace

Tabout::Tabout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - About"), ClientSize,
                           SideWindow::defaultBackgroundColor());
    LbBackground1 = new TLbBackground(this);

    m_url = new TURL(this);
    m_url->setObjectName(QStringLiteral("URL1"));
    m_url->setLinkType(TURL::LinkType::WebPage);
    m_url->setAddress(MakerInfo::webAddress());

    image_aboutlogo = new TClickLabel(this);
    image_aboutlogo->setObjectName(QStringLiteral("image_aboutlogo"));
    image_aboutlogo->setGeometry(27, 5, 248, 80);
    image_aboutlogo->setAlignment(Qt::AlignCenter);
    image_aboutlogo->setToolTip(m_url->target());
    if (QFile::exists(LogoResource)) {
        image_aboutlogo->setPixmap(Pictures::load(LogoResource));
    } else {
        image_aboutlogo->setText(QStringLiteral("Lexiburst"));
        image_aboutlogo->setFont(uiFont(40, true));
    }
    connect(image_aboutlogo, &TClickLabel::clicked, this, &Tabout::label_urlClick);

    label_url = new TClickLabel(MakerInfo::webAddress(), this);
    label_url->setObjectName(QStringLiteral("label_url"));
    QFont linkFont = uiFont(16, true);
    linkFont.setUnderline(true);
    label_url->setFont(linkFont);
    label_url->setAlignment(Qt::AlignCenter);
    QPalette linkPalette = label_url->palette();
    linkPalette.setColor(QPalette::WindowText, LinkColor);
    label_url->setPalette(linkPalette);
    label_url->setGeometry(8, 84, 289, 20);
    connect(label_url, &TClickLabel::clicked, this, &Tabout::label_urlClick);

    // Rights notice: a label column on the left, values from left 140.
    struct NoticeLine
    {
        const char *name;
        const char *text;
        int left;
        int top;
    };
    const NoticeLine notice[] = {
        {"Label2", "Written By:", 4, 106},          {"Label3", "Zorn22", 140, 106},
        {"Label4", "Copyright:", 4, 122},           {"Label5", "2009 - 2010 Zorn22", 140, 122},
        {"Label6", "All Rights Reserved.", 4, 138},
    };
    for (const NoticeLine &line : notice)
        SideWindow::placeLabel(this, line.name, QString::fromLatin1(line.text), noticeFont(),
                               Qt::black, line.left, line.top);

    // "Version 1.0.4.1": three labels on one line, each right after the other.
    const QFontMetrics metrics(noticeFont());
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    Label1 = SideWindow::placeLabel(this, "Label1", QStringLiteral("Version"), noticeFont(),
                                    Qt::black, 8, VersionTop);
    version = SideWindow::placeLabel(this, "version", QString::fromLatin1(Protocol::Version),
                                     noticeFont(), Qt::red, Label1->geometry().right() + 1 + space,
                                     VersionTop);
    Label9 = SideWindow::placeLabel(this, "Label9", QStringLiteral(".1"), noticeFont(), Qt::red,
                                    version->geometry().right() + 1, VersionTop);

    button_done = new TSelButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setFaceColor(storedColor(ButtonFace));
    button_done->setTextColor(storedColor(ButtonText));
    button_done->setFont(uiFont(13, true));
    button_done->setCaptionAlignment(Qt::AlignCenter);
    button_done->setGeometry(202, 148, 95, 20);
    connect(button_done, &QAbstractButton::clicked, this, &Tabout::Button1Click);

    setBackgroundPicture(SideWindow::backgroundPicture());
}

QString Tabout::versionText() const
{
    return version->text();
}

void Tabout::setBackgroundPicture(const QPixmap &picture)
{
    LbBackground1->setPicture(picture);
}

void Tabout::label_urlClick()
{
    m_url->execute();
}

void Tabout::Button1Click()
{
    hide();
}
