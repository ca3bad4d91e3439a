#include "host/HostOptions.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace {

// A positive decimal value of the variable, or nothing.
std::optional<int> positiveFromEnvironment(const char *name, int highest)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    if (!ok || value < 1 || value > highest)
        return std::nullopt;
    return value;
}

} // namespace

HostOptions HostOptions::fromEnvironment()
{
    HostOptions options;
    if (const auto port = positiveFromEnvironment("LEXIBURST_PORT", 65535))
        options.port = quint16(*port);
    if (const auto second = positiveFromEnvironment("LEXIBURST_SECOND_MS", 3600 * 1000))
        options.secondMs = *second;
    return options;
}
