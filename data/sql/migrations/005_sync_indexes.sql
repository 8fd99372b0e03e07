-- A pull maps every incoming row to its local row by the server's id: without these indexes each
-- lookup reads the whole table, which stalls a fresh device pulling a large ledger.
CREATE INDEX IF NOT EXISTS idx_accounts_server_id ON accounts(server_id);
CREATE INDEX IF NOT EXISTS idx_categories_server_id ON categories(server_id);
CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_recurring_transactions_server_id ON recurring_transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_reconciliations_server_id ON reconciliations(server_id);
