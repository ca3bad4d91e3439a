// The player's own categories: a list kept in "Lexaburstaddcats.txt" and fed
// into the host's master category list, so they come up when this player hosts.
#pragma once

#include "storage/AddedCategories.h"
#include "widgets/UserPrompts.h"

#include <QDialog>

#include <functional>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class TLbBackground;

class Tadditionalcats : public QDialog
{
    Q_OBJECT
public:
    // Offers one category to the host's master list; answers false when the
    // list has it already (TServer::addtolist).
    using AddToList = std::function<bool(const QString &category)>;

    // Loads the file from the game's home folder.
    explicit Tadditionalcats(QWidget *parent = nullptr);
    ~Tadditionalcats() override;

    // Reads the list from the file in another folder (tests, other homes).
    void setFolder(const QString &folder);
    QString filePath() const { return m_path; }
    void setAddToList(AddToList addToList) { m_addToList = std::move(addToList); }
    void setPrompts(const UserPrompts &prompts) { m_prompts = prompts; }
    void setBackgroundPicture(const QPixmap &picture);

    QStringList categories() const { return m_categories.entries(); }

    // Hands every entry, in list order, to the host; the owner runs it once
    // the host is wired (at start, after the host window exists).
    void addlist();
    void sendit();
    void popup_addPopup();
    void DeleteCategory1Click();
    void DeleteAll1Click();
    // The entry last pressed with the mouse, or -1.
    int popupTag() const { return m_popupTag; }

signals:
    // The player added a category to the list; category is the text as typed
    // (the host gets it so). The host is fed through setAddToList already.
    void categoryAdded(const QString &category);

protected:
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void listbox_addMouseDown(const QPoint &position);
    void showList();
    void save();

    QListWidget *listbox_add;
    QLineEdit *edit_add;
    QPushButton *button_addcat;
    QPushButton *button_done;
    QMenu *popup_add;
    QAction *DeleteCategory1;
    QAction *DeleteAll1;
    TLbBackground *LbBackground1;

    AddedCategories m_categories;
    QString m_path;
    int m_popupTag = -1;
    bool m_unsaved = false;
    // The file could not be read at start: it is never replaced.
    bool m_keepFile = false;
    AddToList m_addToList;
    UserPrompts m_prompts;
};
