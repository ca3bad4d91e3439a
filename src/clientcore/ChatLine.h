// One line for the chat view, read from the wire: the style it is shown in
// (0 status lines, else the sender's seat), its colour and its text.
#pragma once

#include "protocol/ColourText.h"
#include "protocol/GameFacts.h"

#include <QString>

#include <optional>

struct ChatLine
{
    static constexpr int StatusStyle = GameFacts::StatusStyle;
    static constexpr int StyleCount = GameFacts::ChatStyleCount;
    static constexpr Protocol::Rgb UnreadableColour {0xFF, 0,
                                                     0}; // a colour text that does not read
    static constexpr Protocol::Rgb StatusColour {0, 0, 0xFF};

    int style = StatusStyle;
    Protocol::Rgb colour = StatusColour;
    QString text;

    // "CMD_chat" and "CMD_action": style "+" text "|" colour text.
    static std::optional<ChatLine> fromChat(const QString &argument);
    // A text with its style in front: style "+" text.
    static std::optional<ChatLine> fromStyledText(const QString &styledText, Protocol::Rgb colour);
    static ChatLine status(const QString &text) { return {StatusStyle, StatusColour, text}; }
};
