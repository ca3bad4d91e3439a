// Message and confirmation boxes of the windows. A window holds a copy; tests
// replace the functions to see the text and give the answer without a modal loop.
#pragma once

#include <QString>

#include <functional>

class QWidget;

struct UserPrompts
{
    // Shows text with an OK button.
    std::function<void(const QString &text)> inform;
    // Asks text with Yes and No; answers true for Yes.
    std::function<bool(const QString &text)> confirm;

    // Real message boxes owned by parent, captioned with the game's name.
    static UserPrompts messageBoxes(QWidget *parent);
};
