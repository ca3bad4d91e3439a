// Tspylist: the small always-on-top window that lists the spectators and lets
// the hosting player remove one. The board fills and empties the list whether
// the window is shown or not.
#pragma once

#include <QMap>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

class Tspylist : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 162;
    static constexpr int ClientHeight = 168;

    explicit Tspylist(QWidget *parent = nullptr);

    // The main window's removal operation, called with a spectator's seat.
    void setKicking(std::function<void(int seat)> kicking) { m_kicking = std::move(kicking); }

    // The text of an entry: seat, ": ", name.
    static QString entryText(int seat, const QString &name);
    void addSpy(int seat, const QString &name);
    // Shows these spectators, by seat, in place of the entries.
    void showSpies(const QMap<int, QString> &spies);
    QStringList entries() const;

    // Index of the entry under the pointer, -1 when over none (`Tag`).
    int entryUnderPointer() const { return m_tag; }

    void listbox_spysMouseMove(const QPoint &position);
    void popup_kickhimClick();
    void button_doneClick();

    QListWidget *listbox_spys = nullptr;
    QMenu *popup_kick = nullptr;
    QAction *popup_kickhim = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *button_done = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<void(int)> m_kicking;
    QPixmap m_background;
    int m_tag = -1;
};
