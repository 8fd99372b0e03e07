-- An account's balance adds up the amounts of its live rows: this index holds them beside the
-- account, so the sum reads the index alone instead of looking up every row in the table.
CREATE INDEX IF NOT EXISTS idx_transactions_live_account_amount ON transactions(account_id, amount, deleted_at) WHERE deleted_at IS NULL;
