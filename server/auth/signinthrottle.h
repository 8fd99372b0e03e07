#pragma once

#include <QString>

namespace PennibarServer {

class Clock;
class Throttle;

// How failed password checks hold sign-ins back, so that guessing is slow while nobody can lock
// a user out of their own account:
// - one address may fail 10 times on one account in 15 minutes, then it waits;
// - one address may fail 50 times on any accounts in 15 minutes, then it waits;
// - an account that failed 10 times in 15 minutes from anywhere is under attack: every address
//   that failed on it waits after each failure, 15 seconds after the first and twice as long
//   after each further one. An address that has not failed on it is not held up.
class SignInThrottle
{
public:
    SignInThrottle(Throttle& throttle, const Clock& clock) : m_throttle(throttle), m_clock(clock) {}

    // Seconds the address must wait before its next attempt on the account; 0 when it may now.
    qint64 waitFor(const QString& email, const QString& address);
    void recordFailure(const QString& email, const QString& address);
    // The address proved it knows the password: its own failures on the account are forgotten.
    void recordSuccess(const QString& email, const QString& address);

private:
    Throttle& m_throttle;
    const Clock& m_clock;
};

} // namespace PennibarServer
