#include "protocol/Dispatcher.h"

namespace Protocol {

const QStringList &hostCommands()
{
    static const QStringList names = {
        "CMD_logininfo",
        "CMD_kickhim",
        "CMD_chat",
        "CMD_action",
        "CMD_playasound",
        "CMD_startgame",
        "CMD_justwatch",
        "CMD_myanswers",
        "CMD_voteagainst",
        "CMD_votefor",
        // Additions after the first protocol; hosts of the first protocol ignore them.
        "CMD_draftanswers",
        "CMD_peerinfo",
        "CMD_done",
        "CMD_resume",
    };
    return names;
}

const QStringList &clientCommands()
{
    static const QStringList names = {
        "CMD_sendlogininfo",
        // Additions after the first protocol, handled by the connection itself.
        "CMD_leads",
        "CMD_playerback",
        "CMD_removed",
        "CMD_playerremoved",
        "CMD_takesover",
        "CMD_away",
        "CMD_notice",
        "CMD_resumetoken",
        "CMD_chat",
        "CMD_action",
        "CMD_playasound",
        "CMD_newplayerinfo",
        "CMD_havewrongversion",
        "CMD_wrongversion",
        "CMD_existingplayers",
        "CMD_playerdisconnected",
        "CMD_full",
        "CMD_justwatching",
        "CMD_startgame",
        "CMD_winner",
        "CMD_startround",
        "CMD_endround",
        "CMD_showcat",
        "CMD_postscores",
        "CMD_noanswers",
        "CMD_roundover",
        "CMD_gamestats",
        "CMD_oneanswer",
        "CMD_tiegame",
        // An addition after the first protocol, handled by the game.
        "CMD_keptanswers",
        "CMD_playerdone",
    };
    return names;
}

Command splitCommand(const QString &entry)
{
    const qsizetype plus = entry.indexOf(u'+');
    if (plus < 0)
        return {};
    return {entry.left(plus), entry.mid(plus + 1)};
}

void Dispatcher::on(const QString &name, Handler handler)
{
    m_handlers.append({name, std::move(handler)});
}

bool Dispatcher::dispatch(const QueueEntry &entry) const
{
    const Command command = splitCommand(entry.text);
    if (command.name.isEmpty())
        return false;
    for (const auto &[name, handler] : m_handlers) {
        if (name == command.name) {
            handler(command.argument, entry.origin);
            return true;
        }
    }
    return false;
}

QStringList Dispatcher::names() const
{
    QStringList result;
    for (const auto &entry : m_handlers)
        result.append(entry.first);
    return result;
}

} // namespace Protocol
