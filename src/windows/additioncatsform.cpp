#include "windows/additioncatsform.h"

#include "storage/HomeFolder.h"
#include "widgets/Fonts.h"
#include "widgets/TLbBackground.h"
#include "windows/SideWindow.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace {
const QSize ClientSize(273, 350);
const QString ShortProgramName = QStringLiteral("Lexaburst");
const QString AlreadyAdded = QStringLiteral("That Category is already added.");
constexpr int ItemHeight = 16;
constexpr int FontSize = 11;
} // namespace

Tadditionalcats::Tadditionalcats(QWidget *parent)
    : QDialog(parent), m_prompts(UserPrompts::messageBoxes(this))
{
    setObjectName(QStringLiteral("additionalcats"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - Addition Categories"), ClientSize,
                           SideWindow::defaultBackgroundColor());
    setFont(uiFont(FontSize));
    LbBackground1 = new TLbBackground(this);

    listbox_add = new QListWidget(this);
    listbox_add->setObjectName(QStringLiteral("listbox_add"));
    listbox_add->setGeometry(8, 8, 257, 265);
    listbox_add->setUniformItemSizes(true);
    listbox_add->setContextMenuPolicy(Qt::CustomContextMenu);
    listbox_add->viewport()->installEventFilter(this);

    popup_add = new QMenu(this);
    popup_add->setObjectName(QStringLiteral("popup_add"));
    DeleteCategory1 = popup_add->addAction(QStringLiteral("Delete Category"));
    DeleteCategory1->setObjectName(QStringLiteral("DeleteCategory1"));
    DeleteAll1 = popup_add->addAction(QStringLiteral("Delete All"));
    DeleteAll1->setObjectName(QStringLiteral("DeleteAll1"));
    connect(DeleteCategory1, &QAction::triggered, this, &Tadditionalcats::DeleteCategory1Click);
    connect(DeleteAll1, &QAction::triggered, this, &Tadditionalcats::DeleteAll1Click);
    connect(listbox_add, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) {
                popup_addPopup();
                popup_add->popup(listbox_add->viewport()->mapToGlobal(position));
            });

    edit_add = new QLineEdit(this);
    edit_add->setObjectName(QStringLiteral("edit_add"));
    edit_add->setMaxLength(AddedCategories::MaxLength);
    edit_add->setPlaceholderText(QStringLiteral("New category"));
    edit_add->setGeometry(8, 281, 160, 24);
    edit_add->installEventFilter(this);

    button_addcat = new QPushButton(QStringLiteral("Add Category"), this);
    button_addcat->setObjectName(QStringLiteral("button_addcat"));
    button_addcat->setAutoDefault(false);
    button_addcat->setGeometry(174, 281, 91, 24);
    connect(button_addcat, &QPushButton::clicked, this, &Tadditionalcats::sendit);

    QLabel *hint = SideWindow::placeLabel(this, "label_hint",
                                          QStringLiteral("Right-click a category to delete it."),
                                          uiFont(FontSize - 1), Qt::black, 8, 313, 140, 30);
    hint->setWordWrap(true);

    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setAutoDefault(false);
    button_done->setGeometry(174, 316, 91, 24);
    connect(button_done, &QPushButton::clicked, this, &QDialog::close);

    setBackgroundPicture(SideWindow::backgroundPicture());
    setFolder(Storage::homeFolder());
    SideWindow::fitTitle(this);
}

// Entries added after the last close are not lost when the program ends.
Tadditionalcats::~Tadditionalcats()
{
    if (m_unsaved)
        save();
}

void Tadditionalcats::setFolder(const QString &folder)
{
    m_path = QDir(folder).filePath(AddedCategories::fileName(ShortProgramName));
    QString error;
    m_keepFile = !m_categories.load(m_path, &error);
    if (m_keepFile)
        m_prompts.inform(QStringLiteral("The added categories could not be read from \"%1\". %2")
                             .arg(m_path, error));
    m_unsaved = false;
    m_popupTag = -1;
    showList();
}

void Tadditionalcats::setBackgroundPicture(const QPixmap &picture)
{
    LbBackground1->setPicture(picture);
}

void Tadditionalcats::showList()
{
    listbox_add->clear();
    for (const QString &entry : m_categories.entries()) {
        auto *item = new QListWidgetItem(entry, listbox_add);
        item->setSizeHint(QSize(0, ItemHeight));
    }
}

void Tadditionalcats::addlist()
{
    if (!m_addToList)
        return;
    // At start an entry the host knows already is skipped without a message:
    // the player cannot act on it while the game loads.
    for (const QString &entry : m_categories.entries())
        m_addToList(entry);
}

void Tadditionalcats::sendit()
{
    const QString text = edit_add->text();
    switch (m_categories.add(text)) {
    case AddedCategories::AddResult::Empty:
        return;
    case AddedCategories::AddResult::AlreadyAdded:
        m_prompts.inform(AlreadyAdded);
        edit_add->clear();
        return;
    case AddedCategories::AddResult::TooLong:
    case AddedCategories::AddResult::NotSendable:
        // A "+" would split the category in the round's message; keep the text for correcting.
        m_prompts.inform(QStringLiteral("A category cannot contain \"+\" or special characters."));
        return;
    case AddedCategories::AddResult::Added:
    case AddedCategories::AddResult::AddedButKnown:
        break;
    }
    m_unsaved = true;
    showList();
    listbox_add->scrollToBottom();
    const QString category = text.trimmed();
    emit categoryAdded(category);
    if (m_addToList && !m_addToList(category))
        m_prompts.inform(AlreadyAdded);
    edit_add->clear();
}

void Tadditionalcats::listbox_addMouseDown(const QPoint &position)
{
    const QListWidgetItem *item = listbox_add->itemAt(position);
    if (item)
        m_popupTag = listbox_add->row(item);
}

void Tadditionalcats::popup_addPopup()
{
    const bool chosen = m_popupTag >= 0 && m_popupTag < m_categories.entries().size();
    DeleteCategory1->setVisible(chosen);
    if (chosen)
        DeleteCategory1->setText(QStringLiteral("Delete \"") + m_categories.entries().at(m_popupTag)
                                 + QLatin1Char('"'));
    DeleteAll1->setEnabled(!m_categories.entries().isEmpty());
}

void Tadditionalcats::DeleteCategory1Click()
{
    if (m_popupTag >= 0 && m_categories.remove(m_popupTag)) {
        m_unsaved = true;
        showList();
    }
    m_popupTag = -1;
}

void Tadditionalcats::DeleteAll1Click()
{
    m_categories.clear();
    m_unsaved = true;
    showList();
    m_popupTag = -1;
}

void Tadditionalcats::save()
{
    if (m_keepFile) {
        if (m_unsaved)
            m_prompts.inform(
                QStringLiteral("The added categories are not saved: \"%1\" could not be read "
                               "and is kept as it is.")
                    .arg(m_path));
        m_unsaved = false;
        return;
    }
    QString error;
    if (m_categories.save(m_path, &error))
        m_unsaved = false;
    else
        m_prompts.inform(QStringLiteral("The added categories could not be saved in \"%1\". %2")
                             .arg(m_path, error));
}

// Every way of closing (Done, the close box, Escape) saves the list.
void Tadditionalcats::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    save();
}

bool Tadditionalcats::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listbox_add->viewport() && event->type() == QEvent::MouseButtonPress)
        listbox_addMouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
    if (watched == edit_add && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sendit();
            return true; // the Enter key is used up here
        }
    }
    return QDialog::eventFilter(watched, event);
}
