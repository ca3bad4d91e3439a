#include "windows/weblinkform.h"

#include "widgets/Fonts.h"
#include "widgets/QrCodeView.h"
#include "widgets/TLbBackground.h"
#include "windows/SideWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {
const QSize ClientSize(300, 420);
constexpr int Left = 12;
constexpr int Width = 276;
constexpr int FontSize = 11;
} // namespace

Tweblink::Tweblink(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("weblink"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - Friends Join from a Browser"),
                           ClientSize, SideWindow::defaultBackgroundColor());
    setFont(uiFont(FontSize));
    m_background = new TLbBackground(this);
    SideWindow::placeTextLabel(this, "label_explain",
                               QStringLiteral("On a phone, tablet or computer on this network, "
                                              "open the link or scan the code:"),
                               {Left, 8, Width, 32}, uiFont(FontSize + 1, true), Qt::black,
                               Qt::AlignLeft | Qt::AlignVCenter, true);
    list_links = new QListWidget(this);
    list_links->setObjectName(QStringLiteral("list_links"));
    list_links->setGeometry(Left, 44, Width - 62, 52);
    list_links->setFont(uiFont(FontSize + 1, true));
    button_copy = new QPushButton(QStringLiteral("Copy"), this);
    button_copy->setObjectName(QStringLiteral("button_copy"));
    button_copy->setAutoDefault(false);
    button_copy->setGeometry(Left + Width - 56, 44, 56, 22);
    qrcode = new QrCodeView(this);
    qrcode->setObjectName(QStringLiteral("qrcode"));
    qrcode->setGeometry((ClientSize.width() - 240) / 2, 104, 240, 240);
    m_notice = SideWindow::placeTextLabel(this, "label_notice", QString(), {Left, 104, Width, 240},
                                          uiFont(FontSize + 1), Qt::darkRed, Qt::AlignCenter, true);
    SideWindow::placeTextLabel(this, "label_webport", QStringLiteral("Web port:"),
                               {Left, 360, 70, 22}, uiFont(FontSize + 1, true), Qt::black,
                               Qt::AlignLeft | Qt::AlignVCenter);
    spin_webport = new QSpinBox(this);
    spin_webport->setObjectName(QStringLiteral("spin_webport"));
    spin_webport->setRange(0, 0xFFFF);
    spin_webport->setSpecialValueText(QStringLiteral("Off"));
    spin_webport->setGroupSeparatorShown(false);
    spin_webport->setGeometry(Left + 72, 360, 80, 22);
    button_apply = new QPushButton(QStringLiteral("Change"), this);
    button_apply->setObjectName(QStringLiteral("button_apply"));
    button_apply->setAutoDefault(false);
    button_apply->setGeometry(Left + 160, 360, 70, 22);
    SideWindow::placeTextLabel(this, "label_off", QStringLiteral("Off: no web page."),
                               {Left, 388, Width, 22}, uiFont(FontSize), Qt::darkGray,
                               Qt::AlignLeft | Qt::AlignVCenter);
    connect(button_copy, &QPushButton::clicked, this, &Tweblink::copyLink);
    connect(list_links, &QListWidget::currentRowChanged, this, &Tweblink::showCode);
    connect(button_apply, &QPushButton::clicked, this,
            [this] { emit webPortChosen(quint16(spin_webport->value())); });
    setBackgroundPicture(SideWindow::backgroundPicture());
    setLinks({});
}

void Tweblink::setLinks(const QStringList &links, const QString &notice)
{
    m_links = links;
    list_links->clear();
    list_links->addItems(links);
    list_links->setCurrentRow(links.isEmpty() ? -1 : 0);
    button_copy->setEnabled(!links.isEmpty());
    m_notice->setText(links.isEmpty() && notice.isEmpty()
                          ? QStringLiteral("The web page is shown while this computer hosts a "
                                           "game for friends.")
                          : notice);
    m_notice->setVisible(links.isEmpty());
    qrcode->setVisible(!links.isEmpty());
    showCode();
}

void Tweblink::setWebPort(quint16 port)
{
    spin_webport->setValue(port);
}

void Tweblink::showCode()
{
    const int row = list_links->currentRow();
    qrcode->setText(row >= 0 && row < m_links.size() ? m_links.at(row) : QString());
}

void Tweblink::copyLink()
{
    if (!qrcode->text().isEmpty())
        QGuiApplication::clipboard()->setText(qrcode->text());
}

QString Tweblink::notice() const
{
    return m_notice->isHidden() ? QString() : m_notice->text();
}

void Tweblink::setBackgroundPicture(const QPixmap &picture)
{
    m_background->setPicture(picture);
}

QStringList Tweblink::openPage(quint16 port, const std::function<QString(quint16)> &serve,
                               const QList<QHostAddress> &addresses)
{
    setWebPort(port);
    const QString problem = serve(port);
    if (port == 0) {
        setLinks({}, QStringLiteral("The web page is off."));
        return {};
    }
    if (!problem.isEmpty()) {
        setLinks({}, problem);
        return {QStringLiteral("No web page for friends: %1").arg(problem)};
    }
    QStringList links;
    QStringList lines;
    for (const QHostAddress &address : addresses) {
        links.append(QStringLiteral("http://%1:%2/").arg(address.toString()).arg(port));
        lines.append(QStringLiteral("Friends join from a browser at %1").arg(links.last()));
    }
    if (!links.isEmpty())
        lines.append(QStringLiteral("Options, \"Friends Join from a Browser\" shows its QR "
                                    "code for phones."));
    setLinks(links,
             QStringLiteral("No network found: only this computer can open the page, at "
                            "http://127.0.0.1:%1/")
                 .arg(port));
    return lines;
}
