#include "data/migration.h"

QList<Migration> applicationMigrations()
{
    return {
        {1, QStringLiteral("initial"), QStringLiteral(":/sql/sql/migrations/001_initial.sql")},
        {2, QStringLiteral("recon_sync"),
         QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql")},
        {3, QStringLiteral("recurring_lead_days"),
         QStringLiteral(":/sql/sql/migrations/003_recurring_lead_days.sql")},
        {4, QStringLiteral("register_indexes"),
         QStringLiteral(":/sql/sql/migrations/004_register_indexes.sql")},
        {5, QStringLiteral("sync_indexes"),
         QStringLiteral(":/sql/sql/migrations/005_sync_indexes.sql")},
        {6, QStringLiteral("account_balance_index"),
         QStringLiteral(":/sql/sql/migrations/006_account_balance_index.sql")},
        {7, QStringLiteral("uncleared_amount_index"),
         QStringLiteral(":/sql/sql/migrations/007_uncleared_amount_index.sql")},
        {8, QStringLiteral("sync_conflicts"),
         QStringLiteral(":/sql/sql/migrations/008_sync_conflicts.sql")},
        {9, QStringLiteral("sync_wire_ids"),
         QStringLiteral(":/sql/sql/migrations/009_sync_wire_ids.sql")},
    };
}
