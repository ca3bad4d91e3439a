#include "protocol/ClientMessages.h"

#include "protocol/FieldReader.h"

namespace Protocol::FromClient {

std::optional<PeerInfo> peerinfo(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> seat = reader.takeInt();
    const QString kind = reader.takeText();
    if (!seat || (kind != QLatin1String("person") && kind != QLatin1String("computer")))
        return std::nullopt;
    return PeerInfo {*seat,
                     kind == QLatin1String("computer") ? PeerKind::Computer : PeerKind::Person,
                     reader.takeText().split(u' ', Qt::SkipEmptyParts)};
}

} // namespace Protocol::FromClient
