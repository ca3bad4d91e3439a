// Handing queue entries to the handler named by their command.
#pragma once

#include "protocol/ReceiveQueue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Protocol {

// The command names each side knows, in the order its dispatcher tests them.
const QStringList &hostCommands();
const QStringList &clientCommands();

struct Command
{
    QString name; // text before the first "+"; empty when there is none
    QString argument; // text after the first "+"
};

// Cuts an entry into command name and argument.
Command splitCommand(const QString &entry);

class Dispatcher
{
public:
    using Handler = std::function<void(const QString &argument, int origin)>;

    // Registers the handler of one command; names compare case-sensitively.
    void on(const QString &name, Handler handler);

    // Calls the handler of the entry's command. Returns false when the entry
    // was dropped: empty name, or a name no handler was registered for.
    bool dispatch(const QueueEntry &entry) const;

    QStringList names() const;

private:
    QList<std::pair<QString, Handler>> m_handlers;
};

} // namespace Protocol
