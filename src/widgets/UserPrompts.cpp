#include "widgets/UserPrompts.h"

#include <QMessageBox>
#include <QPointer>

namespace {
const QString BoxCaption = QStringLiteral("Lexiburst");
}

UserPrompts UserPrompts::messageBoxes(QWidget *parent)
{
    QPointer<QWidget> owner(parent);
    UserPrompts prompts;
    prompts.inform = [owner](const QString &text) {
        QMessageBox::information(owner, BoxCaption, text);
    };
    prompts.confirm = [owner](const QString &text) {
        return QMessageBox::question(owner, BoxCaption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
            == QMessageBox::Yes;
    };
    return prompts;
}
