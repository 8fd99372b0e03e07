-- The register reads one account's live rows oldest first: this index hands them over in that
-- order without a sort, rows of the same date and creation time in the order they were added.
CREATE INDEX IF NOT EXISTS idx_transactions_account_live_date ON transactions(account_id, deleted_at, date, created_at);
-- The payee completion list steps from one live payee to the next through this index instead of
-- reading every transaction.
CREATE INDEX IF NOT EXISTS idx_transactions_live_payee ON transactions(payee) WHERE deleted_at IS NULL AND payee != '';
