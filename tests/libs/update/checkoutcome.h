#pragma once

#include "libs/update/client.h"

#include <QSignalSpy>
#include <QTest>

// Which of the client's three signals followed one check, and what it carried: the offered
// version for "available", the reason for "failed".
struct CheckOutcome
{
    QString kind;
    QString detail;
};

inline CheckOutcome runCheck(TovUpdate::Client& client)
{
    QSignalSpy available(&client, &TovUpdate::Client::updateAvailable);
    QSignalSpy upToDate(&client, &TovUpdate::Client::upToDate);
    QSignalSpy failed(&client, &TovUpdate::Client::checkFailed);
    client.check();
    const auto reports = [&] { return available.count() + upToDate.count() + failed.count(); };
    if (!QTest::qWaitFor([&] { return reports() > 0; }, 10000))
        return {QStringLiteral("nothing"), {}};
    if (reports() > 1)
        return {QStringLiteral("several"), {}};
    if (!available.isEmpty())
        return {QStringLiteral("available"),
                available.first().first().value<TovUpdate::Artifact>().version};
    if (!failed.isEmpty())
        return {QStringLiteral("failed"), failed.first().first().toString()};
    return {QStringLiteral("upToDate"), {}};
}

inline CheckOutcome runCheck(const TovUpdate::UpdateConfig& config)
{
    TovUpdate::Client client(config);
    return runCheck(client);
}
