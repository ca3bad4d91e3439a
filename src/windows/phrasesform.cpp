#include "windows/phrasesform.h"

#include "storage/HomeFolder.h"
#include "storage/Settings.h"
#include "widgets/Fonts.h"
#include "widgets/TLbBackground.h"
#include "windows/SideWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QSize ClientSize(368, 265);
constexpr int LabelLeft = 9;
constexpr int EditLeft = 112;
constexpr int EditWidth = 250;
constexpr int EditHeight = 21;
constexpr int LabelTops[] = {13, 37, 61, 85, 109, 132, 156, 180, 204};
constexpr int FontSize = 11;
} // namespace

Tphrases::Tphrases(QWidget *parent) : QDialog(parent), m_prompts(UserPrompts::messageBoxes(this))
{
    static_assert(std::size(LabelTops) == PhraseCount);
    setObjectName(QStringLiteral("phrases"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - Phrase Buttons "), ClientSize,
                           SideWindow::defaultBackgroundColor());
    setFont(uiFont(FontSize));
    LbBackground1 = new TLbBackground(this);

    for (int i = 0; i < PhraseCount; ++i) {
        const int number = i + 1;
        const QByteArray labelName = "Label" + QByteArray::number(number);
        SideWindow::placeLabel(this, labelName.constData(),
                               QStringLiteral("Phrase Button %1:").arg(number), uiFont(FontSize),
                               Qt::black, LabelLeft, LabelTops[i] + 2);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(number));
        edit->setMaxLength(MaxPhraseLength);
        edit->setGeometry(EditLeft, LabelTops[i] - 1, EditWidth, EditHeight);
        phrase[std::size_t(i)] = edit;
    }

    QLabel *note = SideWindow::placeLabel(
        this, "Label13", QStringLiteral("Buttons can only be used once every 2 seconds"),
        uiFont(FontSize - 1), Qt::black, 25, 230, 137, 30);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);

    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(265, 234, 95, 22);
    button_done->setDefault(true);
    connect(button_done, &QPushButton::clicked, this, &Tphrases::button_doneClick);

    setBackgroundPicture(SideWindow::backgroundPicture());
}

void Tphrases::setBackgroundPicture(const QPixmap &picture)
{
    LbBackground1->setPicture(picture);
}

void Tphrases::setPhrases(const QStringList &phrases)
{
    for (int i = 0; i < PhraseCount; ++i)
        phrase[std::size_t(i)]->setText(phrases.value(i).left(MaxPhraseLength));
}

QStringList Tphrases::phrases() const
{
    QStringList texts;
    for (const QLineEdit *edit : phrase)
        texts.append(edit->text());
    return texts;
}

void Tphrases::button_doneClick()
{
    const QStringList texts = phrases();
    emit phrasesChanged(texts);

    // Loading first makes the save write all nine keys, empty ones included.
    const QString folder = m_settingsFolder.isEmpty() ? Storage::homeFolder() : m_settingsFolder;
    Settings::SettingsFile file(folder);
    Settings::Values values;
    QString error;
    file.load(values, &error);
    for (int i = 0; i < PhraseCount; ++i)
        values.phrases[std::size_t(i)] = texts[i];
    if (!file.savePhrases(values, &error))
        m_prompts.inform(
            QStringLiteral("The phrases could not be saved in \"%1\". %2").arg(file.path(), error));
    close();
}
