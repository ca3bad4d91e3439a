// "Friends Join from a Browser": the links of this copy's web page for
// friends to open on a phone or computer, a copy button, the QR code of the
// chosen link, and the web port, which the player may change.
#pragma once

#include <QDialog>
#include <QHostAddress>
#include <QList>
#include <QStringList>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QrCodeView;
class TLbBackground;

class Tweblink : public QDialog
{
    Q_OBJECT

public:
    explicit Tweblink(QWidget *parent = nullptr);

    // The links to share; none when the page is off or no network was found
    // (the notice then says why).
    void setLinks(const QStringList &links, const QString &notice = QString());
    // Serves the page on port through serve (which answers why it could not,
    // empty when it listens; port 0 stops it) and shows the links for the
    // machine's addresses. Answers the lines the chat tells the player.
    QStringList openPage(quint16 port, const std::function<QString(quint16)> &serve,
                         const QList<QHostAddress> &addresses);
    QStringList links() const { return m_links; }
    void setWebPort(quint16 port);
    // Puts the chosen link (the first by default) on the clipboard.
    void copyLink();
    QString notice() const;
    void setBackgroundPicture(const QPixmap &picture);

    QListWidget *list_links;
    QrCodeView *qrcode;
    QSpinBox *spin_webport;
    QPushButton *button_copy;
    QPushButton *button_apply;

signals:
    // The player chose another web port (0: no web page).
    void webPortChosen(quint16 port);

private:
    void showCode();

    QStringList m_links;
    QLabel *m_notice;
    TLbBackground *m_background;
};
