// Every window of one running copy, created in the program's fixed order and
// wired together: the main window gets the side windows and the host.
#pragma once

#include "protocol/Environment.h"

#include <QStringList>

#include <memory>

class ComputerPlayers;
class Tchat;

class ProgramWindows
{
public:
    // environment: the LEXIBURST_* variables as main() read them.
    explicit ProgramWindows(const QStringList &arguments,
                            const Environment::Knobs &environment = {});
    ~ProgramWindows();

    Tchat &chat() { return *m_chat; }
    ComputerPlayers &computerPlayers();

private:
    void wireComputerPlayers();
    void addComputerPlayer();
    void seatSoloPlayers();
    void updateComputerPlayerItems();

    struct Parts;
    std::unique_ptr<Tchat> m_chat;
    std::unique_ptr<Parts> m_parts;
};
