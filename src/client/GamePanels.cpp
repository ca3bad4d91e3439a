#include "client/GamePanels.h"

#include "client/ClientContext.h"

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

GamePanels::GamePanels(QWidget *panelBoard, ClientContext &context, QObject *parent)
    : QObject(parent), m_board(panelBoard), m_context(context)
{
    m_turntime = new QTimer(this);
    m_turntime->setInterval(gameSecondMs());
    connect(m_turntime, &QTimer::timeout, this, &GamePanels::turntimeTimer);
}

GamePanels::~GamePanels() = default;

void GamePanels::startthegame(const QString &) {}
void GamePanels::startround(const QString &) {}
void GamePanels::endround(const QString &) {}
void GamePanels::gamestats(const QString &) {}
void GamePanels::showcat(const QString &) {}
void GamePanels::noanswers(const QString &) {}
void GamePanels::postscores(const QString &) {}
void GamePanels::roundover(const QString &) {}
void GamePanels::tiegame(const QString &) {}
void GamePanels::winner(const QString &) {}
void GamePanels::oneanswer(const QString &) {}
void GamePanels::clearall() {}
void GamePanels::button_startClick() {}
void GamePanels::setHostControlsVisible(bool) {}
void GamePanels::turntimeTimer() {}
void GamePanels::sendanswers() {}
void GamePanels::image_voteagainst1Click(int) {}
void GamePanels::image_votefor1Click(int) {}
void GamePanels::setMessageBox(std::function<void(const QString &)> show) { m_messageBox = std::move(show); }
void GamePanels::setSeed(quint32 seed) { m_random.seed(seed); }
QLineEdit *GamePanels::answerEdit(int) const { return nullptr; }

int GamePanels::gameSecondMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("LEXIBURST_SECOND_MS", &ok);
    return ok && ms > 0 ? ms : 1000;
}

QString GamePanels::cleanAnswer(const QString &typed) { return typed; }
