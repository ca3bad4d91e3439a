#include "clientcore/AnswerDrafts.h"

#include "protocol/GameFacts.h"

namespace {

// Lists of different lengths compare as the eight boxes they fill.
QStringList allBoxes(QStringList answers)
{
    answers.resize(GameFacts::CategoryCount);
    return answers;
}

} // namespace

AnswerDrafts::AnswerDrafts(Sender send, QObject *parent) : QObject(parent), m_send(std::move(send))
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &AnswerDrafts::sendIfChanged);
}

void AnswerDrafts::startRound(int secondMs)
{
    m_pause.stop();
    m_pause.setInterval(IntervalSeconds * secondMs);
    m_typed = m_sent = allBoxes({});
    m_active = true;
}

void AnswerDrafts::typed(const QStringList &answers)
{
    if (!m_active)
        return;
    m_typed = allBoxes(answers);
    if (!m_pause.isActive())
        sendIfChanged();
}

void AnswerDrafts::flush()
{
    if (m_active)
        sendIfChanged();
}

void AnswerDrafts::stop()
{
    m_active = false;
    m_pause.stop();
}

void AnswerDrafts::sendIfChanged()
{
    if (!m_active || m_typed == m_sent)
        return;
    if (m_send(m_typed))
        m_sent = m_typed;
    m_pause.start();
}
