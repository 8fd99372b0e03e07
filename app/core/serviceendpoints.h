#pragma once

#include <QString>
#include <QUrl>

// Where the account services and the release channel are reached. Each endpoint comes from its
// environment variable when that is set and not empty, else from the server chosen in the settings (one base
// URL of pennibar-server's layout), else from the build's defaults.
struct ServiceEndpoints
{
    QString authBaseUrl;   // AUTH_BASE_URL
    QString accountApiUrl; // ACCOUNT_API_URL
    QString syncApiUrl;    // SYNC_API_URL
    QUrl releasesUrl;      // PENNIBAR_RELEASES_URL: the release channel's directory
    QString realmSlug;     // AUTH_REALM_SLUG
    QString clientId;      // AUTH_CLIENT_ID: the OAuth client registered for the application
    QString portalUrl;     // ACCOUNT_PORTAL_URL

    // The maker's hosts.
    static ServiceEndpoints defaults();
    // A pennibar-server at `baseUrl`: the three services at the base itself (without a trailing
    // "/"), the stable channel under "/releases/pennibar/stable/"; realm, client id and portal
    // stay the defaults, which pennibar-server shares.
    static ServiceEndpoints forServer(const QString& baseUrl);
    // The endpoints in force now: environment, then the chosen server, then the defaults.
    static ServiceEndpoints resolve();
};

// The server chosen in the settings (QSettings "server/baseUrl"); empty for the maker's.
QString chosenServerUrl();
// Stores a new choice; an empty text goes back to the maker's. Takes effect at the next start.
void setChosenServerUrl(const QString& baseUrl);
// Whether `text` can serve as a server's base URL: an absolute http or https URL with a host.
bool isUsableServerUrl(const QString& text);
