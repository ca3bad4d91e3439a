#include "clientcore/ChatLine.h"

#include "protocol/ColourText.h"
#include "protocol/FieldReader.h"

std::optional<ChatLine> ChatLine::fromStyledText(const QString &styledText, Protocol::Rgb colour)
{
    const qsizetype plus = styledText.indexOf(u'+');
    const std::optional<int> style
        = Protocol::toInt(QStringView(styledText).left(plus < 0 ? 0 : plus));
    if (plus < 0 || !style || *style < 0 || *style >= StyleCount)
        return std::nullopt;
    QString text = styledText.mid(plus + 1);
    // One line stays one paragraph whatever the peer typed.
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return ChatLine {*style, colour, text};
}

std::optional<ChatLine> ChatLine::fromChat(const QString &argument)
{
    const qsizetype bar = argument.indexOf(u'|');
    if (bar < 0)
        return fromStyledText(argument, UnreadableColour);
    const std::optional<Protocol::Rgb> colour = Protocol::colourFromText(argument.mid(bar + 1));
    return fromStyledText(argument.left(bar), colour.value_or(UnreadableColour));
}
