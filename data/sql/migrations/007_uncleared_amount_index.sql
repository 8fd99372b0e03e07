-- The register's summary adds up the amounts not yet cleared: this index holds only those live
-- rows beside their account, so the sum reads a few index entries instead of every row of the
-- account in the table. The columns of its condition are in it too, or SQLite would look each
-- row up in the table to check them.
CREATE INDEX IF NOT EXISTS idx_transactions_live_uncleared ON transactions(account_id, amount, cleared, deleted_at) WHERE deleted_at IS NULL AND cleared = 0;
