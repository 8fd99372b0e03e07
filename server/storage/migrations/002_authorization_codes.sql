-- The codes of browser sign-ins, each valid once and for a minute, for the app that started the
-- sign-in (client, loopback redirect and PKCE challenge). Only hashes of the codes are kept; a
-- redeemed code remembers the session it started, which ends if the code is presented again.
CREATE TABLE authorization_codes (
    code_hash TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    client_id TEXT NOT NULL,
    redirect_uri TEXT NOT NULL,
    code_challenge TEXT NOT NULL,
    user_agent TEXT NOT NULL DEFAULT '',
    ip_address TEXT NOT NULL DEFAULT '',
    created_at BIGINT NOT NULL,
    expires_at BIGINT NOT NULL,
    redeemed_at BIGINT,
    session_id TEXT
);
CREATE INDEX authorization_codes_expiry ON authorization_codes (expires_at);
