#include "protocol/Environment.h"

#include <QByteArray>
#include <QDir>
#include <QUrl>

namespace Environment {

std::optional<qint64> wholeNumber(const QString &text, qint64 lowest, qint64 highest)
{
    // Ten digits reach past every range taken here; more could overflow.
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

QString numberRefusal(const QString &what, qint64 lowest, qint64 highest, const QString &text)
{
    return QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\".")
        .arg(what)
        .arg(lowest)
        .arg(highest)
        .arg(text);
}

Knobs read(const std::function<QString(const char *name)> &lookup)
{
    Knobs knobs;
    // The value of a set variable, or the default; the first refusal is kept.
    const auto number = [&](const char *name, int lowest, int highest, int fallback) {
        const QString text = lookup(name);
        if (text.isEmpty())
            return fallback;
        if (const std::optional<qint64> value = wholeNumber(text, lowest, highest))
            return int(*value);
        if (knobs.error.isEmpty())
            knobs.error = numberRefusal(QLatin1String(name), lowest, highest, text);
        return fallback;
    };
    knobs.port = quint16(number(PortVariable, 1, 65535, knobs.port));
    knobs.webPort = number(WebPortVariable, 0, 65535, knobs.webPort);
    knobs.secondMs = number(SecondMsVariable, 1, HighestSecondMs, knobs.secondMs);
    knobs.home = lookup(HomeVariable);
    const auto text = [&](const char *name, bool good, const QString &what) {
        const QString value = lookup(name);
        if (value.isEmpty() || good)
            return value;
        if (knobs.error.isEmpty())
            knobs.error = QStringLiteral("%1 must be %2, not \"%3\".")
                              .arg(QLatin1String(name), what, value);
        return QString();
    };
    const QUrl url(lookup(LobbyUrlVariable), QUrl::StrictMode);
    knobs.lobbyUrl = text(LobbyUrlVariable,
                          url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https")
                              && !url.host().isEmpty() && !url.fileName().isEmpty(),
                          QStringLiteral("an http or https address ending in a file name"));
    knobs.lobbyPath = text(LobbyPathVariable, QDir::isAbsolutePath(lookup(LobbyPathVariable)),
                           QStringLiteral("an absolute path"));
    return knobs;
}

quint16 webPort(int chosen, quint16 gamePort)
{
    if (chosen != FollowsGamePort)
        return quint16(chosen);
    return gamePort < 65535 ? quint16(gamePort + 1) : 0;
}

Knobs read()
{
    return read([](const char *name) { return qEnvironmentVariable(name); });
}

} // namespace Environment
