#include "tests/libs/account/accounttestbench.h"

#include "libs/account/tokens/tokenmanager.h"

#include <QTest>

AccountTestBench::AccountTestBench()
{
    if (!server.listen())
        qFatal("cannot listen on 127.0.0.1");
    restart();
}

TovAccount::ClientConfig AccountTestBench::configFor(const QUrl& serverUrl)
{
    const QString base = serverUrl.toString();
    TovAccount::ClientConfig config;
    config.authBaseUrl = base;
    config.realmSlug = QStringLiteral("test");
    config.accountApiUrl = base + "/account/v1";
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("com.tovarly.pennibar.test");
    config.appName = QStringLiteral("Tovarly Pennibar");
    config.appVersion = QStringLiteral("1.1.3");
    config.portalUrl = base + "/portal/";
    return config;
}

void AccountTestBench::restart()
{
    m_client.reset();
    m_client = std::make_unique<TovAccount::Client>(configFor(server.url()),
                                                    new MemoryTokenStore(m_tokens));
    m_client->setSyncBaseUrl(server.url("/sync/v1"));
}

void AccountTestBench::signIn(const QString& access, const QString& refresh)
{
    m_client->tokenManager()->setTokens(access, refresh);
}

void AccountTestBench::grantRefresh(const QString& access, const QString& refresh)
{
    server.setReply("POST", refreshPath(),
                    HttpTestReply::json(200, {{QStringLiteral("access_token"), access},
                                              {QStringLiteral("refresh_token"), refresh}}));
}
