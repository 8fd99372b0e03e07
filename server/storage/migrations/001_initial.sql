-- Accounts of the auth realm. E-mail addresses are stored in lower case.
CREATE TABLE users (
    id TEXT PRIMARY KEY,
    email TEXT NOT NULL UNIQUE,
    display_name TEXT NOT NULL DEFAULT '',
    password_hash TEXT NOT NULL,
    disabled INTEGER NOT NULL DEFAULT 0,
    created_at BIGINT NOT NULL,
    deletion_due_at BIGINT
);

-- One signed-in app (or browser sign-in) per row; the refresh tokens below keep it alive.
CREATE TABLE sessions (
    id TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    user_agent TEXT NOT NULL DEFAULT '',
    ip_address TEXT NOT NULL DEFAULT '',
    device_id TEXT,
    created_at BIGINT NOT NULL,
    last_active_at BIGINT NOT NULL,
    expires_at BIGINT NOT NULL,
    revoked_at BIGINT
);
CREATE INDEX sessions_user ON sessions (user_id);

-- Only hashes are kept. A token is current until it is rotated; a rotated one presented again
-- revokes its session.
CREATE TABLE refresh_tokens (
    token_hash TEXT PRIMARY KEY,
    session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
    created_at BIGINT NOT NULL,
    rotated_at BIGINT
);
CREATE INDEX refresh_tokens_session ON refresh_tokens (session_id);

-- Failed attempts per subject ("account:EMAIL", "address:IP", ...) within the throttle window.
CREATE TABLE throttle_events (
    subject TEXT NOT NULL,
    happened_at BIGINT NOT NULL
);
CREATE INDEX throttle_events_subject ON throttle_events (subject, happened_at);

CREATE TABLE server_settings (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
);

-- Family groups: every user is in at most one.
CREATE TABLE family_groups (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    max_seats INTEGER NOT NULL,
    created_at BIGINT NOT NULL
);

CREATE TABLE group_members (
    user_id TEXT PRIMARY KEY REFERENCES users(id) ON DELETE CASCADE,
    group_id TEXT NOT NULL REFERENCES family_groups(id) ON DELETE CASCADE,
    role TEXT NOT NULL,
    joined_at BIGINT NOT NULL
);
CREATE INDEX group_members_group ON group_members (group_id);

CREATE TABLE group_invitations (
    id TEXT PRIMARY KEY,
    group_id TEXT NOT NULL REFERENCES family_groups(id) ON DELETE CASCADE,
    code TEXT NOT NULL UNIQUE,
    invited_email TEXT NOT NULL DEFAULT '',
    status TEXT NOT NULL,
    created_at BIGINT NOT NULL,
    expires_at BIGINT NOT NULL
);
CREATE INDEX group_invitations_group ON group_invitations (group_id);

CREATE TABLE devices (
    id TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    fingerprint TEXT NOT NULL,
    device_name TEXT NOT NULL DEFAULT '',
    platform TEXT NOT NULL DEFAULT '',
    app_id TEXT NOT NULL DEFAULT '',
    app_version TEXT NOT NULL DEFAULT '',
    created_at BIGINT NOT NULL,
    last_sync_at BIGINT,
    UNIQUE (user_id, fingerprint)
);

-- The change sequence. Every writer of synchronised rows takes the next numbers from this one
-- row, which also makes concurrent writers on PostgreSQL commit in sequence order.
CREATE TABLE sync_counter (
    id INTEGER PRIMARY KEY,
    value BIGINT NOT NULL
);
INSERT INTO sync_counter (id, value) VALUES (1, 0);

-- The latest state of every synchronised row, kept per owner by (entity type, client id).
-- account_id is the account an account-bound row belongs to (the row itself for an account);
-- category_ids lists the categories the row refers to, blank-separated.
CREATE TABLE sync_rows (
    server_id TEXT PRIMARY KEY,
    owner_id TEXT NOT NULL,
    entity_type TEXT NOT NULL,
    client_id TEXT NOT NULL,
    account_id TEXT,
    category_ids TEXT NOT NULL DEFAULT '',
    version BIGINT NOT NULL,
    deleted INTEGER NOT NULL DEFAULT 0,
    payload TEXT NOT NULL,
    updated_at BIGINT NOT NULL,
    UNIQUE (owner_id, entity_type, client_id)
);
CREATE INDEX sync_rows_account ON sync_rows (owner_id, account_id);
CREATE INDEX sync_rows_client ON sync_rows (entity_type, client_id);

-- What each user pulls: one entry per row they may see, placed in the change sequence. A gone
-- entry tells the user's devices to delete a row they may no longer see, with the row as it was.
CREATE TABLE sync_feed (
    user_id TEXT NOT NULL,
    row_id TEXT NOT NULL,
    seq BIGINT NOT NULL,
    gone INTEGER NOT NULL DEFAULT 0,
    tombstone TEXT,
    PRIMARY KEY (user_id, row_id)
);
CREATE INDEX sync_feed_position ON sync_feed (user_id, seq, row_id);
CREATE INDEX sync_feed_row ON sync_feed (row_id);

-- Accounts (by the owner's client id) shared with other members of the owner's family group.
CREATE TABLE account_shares (
    owner_id TEXT NOT NULL,
    account_id TEXT NOT NULL,
    grantee_id TEXT NOT NULL,
    role TEXT NOT NULL,
    created_at BIGINT NOT NULL,
    PRIMARY KEY (owner_id, account_id, grantee_id)
);
CREATE INDEX account_shares_grantee ON account_shares (grantee_id, account_id);
