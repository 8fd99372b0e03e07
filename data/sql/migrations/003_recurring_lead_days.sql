-- Lead days: how many days before its due date an occurrence may be entered early.
-- Existing rows get 0 (no early entry).
ALTER TABLE recurring_transactions ADD COLUMN lead_days INTEGER NOT NULL DEFAULT 0;
