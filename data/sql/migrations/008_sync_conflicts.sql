-- Local versions of synchronised rows that a newer copy from another device replaced before
-- they could be pushed, kept so that the user can look at them and put them back. One entry
-- per row: a later replacement of the same row takes the place of the earlier one.
CREATE TABLE IF NOT EXISTS sync_conflicts (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    entity_type TEXT NOT NULL,
    entity_id TEXT NOT NULL,
    local_change TEXT NOT NULL,
    description TEXT NOT NULL,
    replaced_at TEXT NOT NULL,
    UNIQUE (entity_type, entity_id)
);
