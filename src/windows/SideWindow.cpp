#include "windows/SideWindow.h"

#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"
#include "widgets/TFlatPanel.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace SideWindow {

namespace {
const QString BackgroundResource = QStringLiteral(":/pictures/background.jpg");
constexpr quint32 DefaultBackground = 12513772;
constexpr quint32 PanelFrame = 9264224; // panel borders, as in the lobby window
} // namespace

QColor defaultBackgroundColor()
{
    return storedColor(DefaultBackground);
}

TFlatPanel *placePanel(QWidget *parent, const char *name, const QRect &place)
{
    auto *panel = new TFlatPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setColor(Qt::white);
    panel->setBorderColor(storedColor(PanelFrame));
    panel->setGeometry(place);
    return panel;
}

QPixmap backgroundPicture()
{
    if (!QFile::exists(BackgroundResource))
        return {};
    return Pictures::load(BackgroundResource);
}

void setupFixed(QWidget *window, const QString &caption, QSize clientSize, const QColor &background)
{
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void fitTitle(QWidget *window)
{
    // The frame's icon, its buttons and the title's margins, as the common
    // window managers' default themes draw them.
    constexpr int TitleBarRoom = 130;
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int needed
        = QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + TitleBarRoom;
    const int extra = needed - window->width();
    if (extra <= 0)
        return;
    const int oldWidth = window->width();
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (child->width() >= oldWidth)
            child->resize(child->width() + extra, child->height());
        else
            child->move(child->x() + extra / 2, child->y());
    }
    window->setFixedSize(oldWidth + extra, window->height());
}

QLabel *placeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                   const QColor &color, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    const QSize hint = label->sizeHint();
    label->setGeometry(left, top, width < 0 ? hint.width() : width,
                       height < 0 ? hint.height() : height);
    return label;
}

QLabel *placeTextLabel(QWidget *parent, const char *name, const QString &text, const QRect &place,
                       const QFont &font, const QColor &color, Qt::Alignment alignment, bool wrap)
{
    QLabel *label = placeLabel(parent, name, text, font, color, place.left(), place.top(),
                               place.width(), place.height());
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    if (wrap)
        label->setFont(fittedWrappedFont(font, text, place.size()));
    return label;
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void centreOver(QWidget *window, const QWidget *anchor)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(anchor->frameGeometry().center());
    window->move(frame.topLeft());
}

} // namespace SideWindow
