-- Rows this device keeps under an id of its own because the id the server knows them by (their
-- client id) belongs here to another row: an account shared with the user whose id is that of
-- one of the user's own accounts, say. Such a row still goes to the server under that client id.
-- An entry speaks for its row only while the row keeps the server id it was stored with: a row
-- that lost it (restored from a backup) or got another is a row of this device's own.
CREATE TABLE IF NOT EXISTS sync_wire_ids (
    entity_type TEXT NOT NULL,
    local_id TEXT NOT NULL,
    server_id TEXT NOT NULL,
    client_id TEXT NOT NULL,
    PRIMARY KEY (entity_type, local_id)
);
