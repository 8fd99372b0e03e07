#pragma once

#include "sync/syncengine.h"

#include "tests/common/testdatabase.h"
#include "tests/libs/account/accounttestbench.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include <memory>

// A signed-in sync engine over a fresh database, talking to a scripted server on 127.0.0.1
// whose sync API lives under "/sync/v1".
class SyncBench
{
public:
    SyncBench();

    static QString pushPath() { return QStringLiteral("/sync/v1/sync/push"); }
    static QString pullPath() { return QStringLiteral("/sync/v1/sync/pull"); }

    // The push route accepts every change, giving each the server id "srv-<entity id>".
    void acceptAllPushes();
    // The pull route answers this one page for every request.
    void answerPulls(const QJsonObject& page);
    // Runs one sync() and waits for it to complete or fail; false on a time-out.
    bool syncAndWait(int timeoutMs = 20000);

    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    CategoryRepository categories{db.database()};
    RecurringRepository recurring{db.database()};
    ReconciliationRepository reconciliations{db.database()};
    SplitLineRepository splitLines{db.database()};
    PreferencesRepository preferences{db.database()};
    AccountTestBench account;
    std::unique_ptr<SyncEngine> engine;
};

// The results a server gives for accepting every change of a push body.
QJsonObject acceptedResults(const QJsonObject& pushBody);
