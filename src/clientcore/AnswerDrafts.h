// What the player has typed so far, sent to the host while the answer time
// runs: should this client drop before its answers go out, the host gives the
// draft back on its return or scores it. Only changes go out, and at most one
// every IntervalSeconds, so typing does not flood the host.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class AnswerDrafts : public QObject
{
    Q_OBJECT

public:
    // Sends a draft; false when it could not go out (no connection), so it is
    // tried again after the pause.
    using Sender = std::function<bool(const QStringList &answers)>;

    static constexpr int IntervalSeconds = 2;

    explicit AnswerDrafts(Sender send, QObject *parent = nullptr);

    // The answer time begins with empty boxes, the host knowing of none.
    void startRound(int secondMs);
    // The boxes changed: the draft goes out now, or after the pause.
    void typed(const QStringList &answers);
    // A box lost the focus: a change goes out at once.
    void flush();
    // The answer time is over or the answers went out: no more drafts.
    void stop();
    bool isActive() const { return m_active; }
    // A draft went out less than IntervalSeconds ago; changes wait.
    bool isPausing() const { return m_pause.isActive(); }

private:
    void sendIfChanged();

    Sender m_send;
    QTimer m_pause;
    QStringList m_typed;
    QStringList m_sent;
    bool m_active = false;
};
