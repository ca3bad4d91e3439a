#include "windows/spylistform.h"

#include "protocol/FieldReader.h"
#include "windows/SideWindow.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor WindowColour(0xEC, 0xF1, 0xBE);
const QColor ListColour(0xF7, 0xF9, 0xE3);
const QColor DoneFace(0x2E, 0x9E, 0x3A);
constexpr int ItemHeight = 13;
const QString EntrySeparator = QStringLiteral(": ");

} // namespace

Tspylist::Tspylist(QWidget *parent) : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("spylist"));
    setWindowTitle(QStringLiteral("Lexiburst - Spys"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFixedSize(ClientWidth, ClientHeight);
    move(579, 88);
    m_background = SideWindow::backgroundPicture();
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    listbox_spys = new QListWidget(this);
    listbox_spys->setObjectName(QStringLiteral("listbox_spys"));
    listbox_spys->setGeometry(5, 5, 154, 130);
    listbox_spys->setMouseTracking(true);
    listbox_spys->viewport()->setMouseTracking(true);
    listbox_spys->viewport()->installEventFilter(this);
    listbox_spys->setContextMenuPolicy(Qt::CustomContextMenu);
    listbox_spys->setStyleSheet(
        QStringLiteral("QListWidget { background: %1; border: 1px solid #6b8e7a; }"
                       "QListWidget::item { height: %2px; }")
            .arg(ListColour.name())
            .arg(ItemHeight));

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    popup_kickhim = popup_kick->addAction(QStringLiteral("Remove From Game"));
    popup_kickhim->setObjectName(QStringLiteral("popup_kickhim"));
    popup_kickhim->setEnabled(false);
    connect(popup_kickhim, &QAction::triggered, this, &Tspylist::popup_kickhimClick);
    connect(listbox_spys, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        listbox_spysMouseMove(pos);
        popup_kick->popup(listbox_spys->viewport()->mapToGlobal(pos));
    });

    Label1 = new QLabel(QStringLiteral("Spy List"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setBold(true);
    // The designed 19 pixels, smaller where the desktop's face runs wider.
    constexpr int LabelWidth = 80;
    for (int size = 19; size > 11; --size) {
        labelFont.setPixelSize(size);
        if (QFontMetrics(labelFont).horizontalAdvance(QStringLiteral("Spy List")) <= LabelWidth)
            break;
    }
    Label1->setFont(labelFont);
    Label1->setGeometry(6, 138, LabelWidth, 24);

    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(88, 140, 71, 20);
    QFont doneFont(QStringLiteral("Arial"));
    doneFont.setPixelSize(13);
    doneFont.setBold(true);
    button_done->setFont(doneFont);
    button_done->setCursor(Qt::PointingHandCursor);
    button_done->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: white; border: 1px solid #1d6b26;"
                       " border-radius: 3px; }"
                       "QPushButton:hover { background: %2; }"
                       "QPushButton:pressed { background: %3; }")
            .arg(DoneFace.name(), DoneFace.lighter(115).name(), DoneFace.darker(120).name()));
    connect(button_done, &QPushButton::clicked, this, &Tspylist::button_doneClick);
    SideWindow::fitTitle(this);
}

QString Tspylist::entryText(int seat, const QString &name)
{
    return QString::number(seat) + EntrySeparator + name;
}

void Tspylist::addSpy(int seat, const QString &name)
{
    listbox_spys->addItem(entryText(seat, name));
}

void Tspylist::showSpies(const QMap<int, QString> &spies)
{
    listbox_spys->clear();
    for (auto it = spies.begin(); it != spies.end(); ++it)
        addSpy(it.key(), it.value());
}

QStringList Tspylist::entries() const
{
    QStringList result;
    for (int i = 0; i < listbox_spys->count(); ++i)
        result.append(listbox_spys->item(i)->text());
    return result;
}

void Tspylist::listbox_spysMouseMove(const QPoint &position)
{
    const QModelIndex index = listbox_spys->indexAt(position);
    m_tag = index.isValid() ? index.row() : -1;
}

void Tspylist::popup_kickhimClick()
{
    if (m_tag < 0 || m_tag >= listbox_spys->count())
        return;
    const QString entry = listbox_spys->item(m_tag)->text();
    const std::optional<int> seat = Protocol::toInt(entry.left(entry.indexOf(u':')));
    if (seat && m_kicking)
        m_kicking(*seat);
}

void Tspylist::button_doneClick()
{
    close();
}

bool Tspylist::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listbox_spys->viewport()) {
        // Only movement updates the entry: the pointer leaving for the opened
        // menu keeps the entry the menu was opened on.
        if (event->type() == QEvent::MouseMove)
            listbox_spysMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void Tspylist::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), WindowColour);
    else
        painter.drawTiledPixmap(rect(), m_background);
}
