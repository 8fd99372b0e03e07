#pragma once

#include "libs/account/clientconfig.h"

#include <QString>

// Where the account service lives: the built-in endpoints, each replaced by its environment
// variable when that is set and not empty (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL,
// AUTH_REALM_SLUG, AUTH_CLIENT_ID, ACCOUNT_PORTAL_URL), so that a self-hosted server can
// stand in for the maker's.
struct ServiceEndpoints
{
    QString authBaseUrl;
    QString accountApiUrl;
    QString syncApiUrl;
    QString realmSlug;
    QString clientId;
    QString portalUrl;

    static ServiceEndpoints fromEnvironment();

    // What the account library is built with: these endpoints and the application's identity.
    TovAccount::ClientConfig clientConfig() const;
};
