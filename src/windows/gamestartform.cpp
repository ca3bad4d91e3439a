#include "windows/gamestartform.h"

#include "protocol/Messages.h"
#include "widgets/Pictures.h"
#include "widgets/TClickLabel.h"
#include "windows/SideWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr QSize ClientSize(257, 257);
const QColor Background(0xBE, 0xF1, 0xEC); // stored colour value 12513772
constexpr QSize BoxSize(36, 30);
constexpr QSize StartSize(110, 30);
constexpr int ArrowWidth = 17;

QFont arial(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Picture 0 is an empty box, picture 1 the same box with a green tick; drawn
// when the game's pictures are not linked in.
QPixmap boxPicture(int index)
{
    QPixmap picture = Pictures::load(index ? QStringLiteral(":/pictures/gamestart/box_on.png")
                                           : QStringLiteral(":/pictures/gamestart/box_off.png"));
    if (!picture.isNull())
        return picture;
    picture = Pictures::canvas(BoxSize);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(7.5, 4.5, 21, 21);
    p.setPen(QPen(QColor(0x30, 0x50, 0x70), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 3, 3);
    if (index) {
        p.setPen(QPen(QColor(0x10, 0xA0, 0x20), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(11, 15), QPointF(16, 21), QPointF(29, 5)}));
    }
    return picture;
}

QPixmap startPicture()
{
    QPixmap picture = Pictures::load(QStringLiteral(":/pictures/gamestart/start.png"));
    if (!picture.isNull())
        return picture;
    picture = Pictures::canvas(StartSize);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, StartSize.height());
    shade.setColorAt(0, QColor(0x50, 0xB0, 0xF0));
    shade.setColorAt(1, QColor(0x18, 0x60, 0xB0));
    p.setPen(QPen(QColor(0x10, 0x40, 0x80), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, StartSize.width() - 1, StartSize.height() - 1), 5, 5);
    p.setFont(arial(16, true));
    p.setPen(Qt::white);
    p.drawText(QRect(QPoint(), StartSize), Qt::AlignCenter, QStringLiteral("START"));
    return picture;
}

QLabel *placeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                   int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLineEdit *numberEdit(QWidget *parent, const char *name, int left, int top)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setFont(arial(13));
    edit->setGeometry(left, top, 40, 22);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

} // namespace

TUpDown::TUpDown(QLineEdit *associate, int minimum, int maximum, int increment, int position,
                 QWidget *parent)
    : QWidget(parent), m_associate(associate), m_minimum(minimum), m_maximum(maximum),
      m_increment(increment), m_position(minimum)
{
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRepeat(true);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRepeat(true);
    const QRect edit = associate->geometry();
    setGeometry(edit.right() + 1, edit.top(), ArrowWidth, edit.height());
    m_up->setGeometry(0, 0, ArrowWidth, edit.height() / 2);
    m_down->setGeometry(0, edit.height() / 2, ArrowWidth, edit.height() - edit.height() / 2);
    connect(m_up, &QToolButton::clicked, this, &TUpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &TUpDown::stepDown);
    setPosition(position);
}

void TUpDown::setPosition(int position)
{
    const int stepped = m_minimum
        + (std::clamp(position, m_minimum, m_maximum) - m_minimum + m_increment / 2) / m_increment
            * m_increment;
    m_position = std::min(stepped, m_maximum);
    m_associate->setText(QString::number(m_position));
    m_up->setEnabled(m_position < m_maximum);
    m_down->setEnabled(m_position > m_minimum);
}

TOptionBox::TOptionBox(const QString &hint, QWidget *parent) : QLabel(parent), m_hint(hint)
{
    resize(BoxSize);
    setCursor(Qt::PointingHandCursor);
    setTag(0);
}

void TOptionBox::setTag(int tag)
{
    m_tag = tag;
    setPixmap(boxPicture(tag));
}

void TOptionBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
}

Tgamestart::Tgamestart(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("gamestart"));
    setWindowTitle(QStringLiteral("Lexiburst - Game Start"));
    setFixedSize(ClientSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Background);
    const QPixmap tile = SideWindow::backgroundPicture();
    if (!tile.isNull())
        palette.setBrush(QPalette::Window, QBrush(tile));
    setPalette(palette);
    setAutoFillBackground(true);

    QFont title = arial(24, true);
    title.setUnderline(true);
    QLabel *heading = placeLabel(this, "Label3", QStringLiteral("Game Options"), title, 0, 8);
    heading->setGeometry(0, 8, ClientSize.width(), heading->height());
    heading->setAlignment(Qt::AlignHCenter);

    placeLabel(this, "Label2", QStringLiteral("Play to Score:"), arial(13, true), 24, 56);
    m_editPlaytoscore = numberEdit(this, "edit_playtoscore", 150, 53);
    m_upDown1 = new TUpDown(m_editPlaytoscore, MinRounds, MaxRounds, 1, DefaultRounds, this);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));

    placeLabel(this, "Label1", QStringLiteral("Creation Time:"), arial(13, true), 24, 87);
    m_editCreationtime = numberEdit(this, "edit_creationtime", 150, 84);
    m_upDown2 = new TUpDown(m_editCreationtime, MinCreationTime, MaxCreationTime, CreationTimeStep,
                            DefaultCreationTime, this);
    m_upDown2->setObjectName(QStringLiteral("UpDown2"));

    struct Option
    {
        TOptionBox *&box;
        const char *name;
        const char *hint;
        const char *labelName;
        const char *caption;
        int top;
    };
    const Option options[] = {
        {m_imageGt1, "image_gt1", "1", "Label4", "All Accepted Answers Score", 116},
        {m_imageGt2, "image_gt2", "2", "Label5", "One Winner Only Scoring", 148},
        {m_imageDuplicate, "image_duplicate", "1", "Label6", "Allow Duplicate Answers", 180},
    };
    for (const Option &option : options) {
        option.box = new TOptionBox(QLatin1String(option.hint), this);
        option.box->setObjectName(QLatin1String(option.name));
        option.box->move(14, option.top);
        placeLabel(this, option.labelName, QLatin1String(option.caption), arial(12, true), 52,
                   option.top + 8);
    }
    m_imageGt1->setTag(1);
    m_imageDuplicate->setTag(1);
    connect(m_imageGt1, &TOptionBox::clicked, this, &Tgamestart::image_gt1Click);
    connect(m_imageGt2, &TOptionBox::clicked, this, &Tgamestart::image_gt1Click);
    connect(m_imageDuplicate, &TOptionBox::clicked, this, &Tgamestart::image_duplicateClick);

    auto *start = new TClickLabel(this);
    connect(start, &TClickLabel::clicked, this, &Tgamestart::button_startClick);
    start->setObjectName(QStringLiteral("button_start"));
    start->setPixmap(startPicture());
    start->setGeometry(QRect(QPoint((ClientSize.width() - StartSize.width()) / 2, 218), StartSize));

    // Leaves without starting, also where no window manager draws a close box.
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("button_cancel"));
    cancel->setAutoDefault(false);
    cancel->setFont(arial(9, false));
    cancel->setGeometry(start->geometry().right() + 8, 221, 58, 24);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    SideWindow::fitTitle(this);
}

void Tgamestart::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tgamestart::changebox(int mode)
{
    const int allScoring
        = mode != 0 ? 1 : 0; // a damaged setting counts as All Scoring, as at the host
    m_imageGt1->setTag(allScoring);
    m_imageGt2->setTag(1 - allScoring);
    if (allScoring)
        m_imageDuplicate->setTag(1); // every accepted answer scores, duplicates included
}

void Tgamestart::checkit(int value)
{
    m_imageDuplicate->setTag(value != 0 ? 1 : 0);
}

void Tgamestart::image_gt1Click(TOptionBox *clicked)
{
    if (!clicked || clicked->tag() == 1)
        return;
    changebox(clicked->hint() == QLatin1String("1") ? 1 : 0);
}

void Tgamestart::image_duplicateClick()
{
    if (m_imageGt2->tag() == 1)
        checkit(1 - m_imageDuplicate->tag());
}

QByteArray Tgamestart::startMessage() const
{
    return Protocol::Msg::startgame(m_playerName(), playToScore(), creationTime(),
                                    QString::number(gameTypeTag()),
                                    QString::number(duplicateTag()));
}

void Tgamestart::button_startClick()
{
    emit sendToHost(startMessage());
    hide();
    emit saveSettings();
}

int Tgamestart::playToScore() const
{
    return m_upDown1->position();
}
void Tgamestart::setPlayToScore(int rounds)
{
    m_upDown1->setPosition(rounds);
}
int Tgamestart::creationTime() const
{
    return m_upDown2->position();
}
void Tgamestart::setCreationTime(int seconds)
{
    m_upDown2->setPosition(seconds);
}
int Tgamestart::gameTypeTag() const
{
    return m_imageGt1->tag();
}
int Tgamestart::duplicateTag() const
{
    return m_imageDuplicate->tag();
}

void Tgamestart::showEvent(QShowEvent *event)
{
    // Centred on the main window; without one on its owner, else the active one.
    QWidget *owner = m_mainWindow ? m_mainWindow.data()
        : parentWidget()          ? parentWidget()->window()
                                  : QApplication::activeWindow();
    if (owner && owner != this)
        SideWindow::centreOver(this, owner);
    QWidget::showEvent(event);
}
