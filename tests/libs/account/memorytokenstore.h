#pragma once

#include "libs/account/tokens/tokenstore.h"

#include <QMap>
#include <QString>

#include <memory>

using StoredTokens = QMap<QString, QString>;

// A token store in memory whose contents outlive it, so that a test can look inside after the
// token manager has taken the store over, and a second client can start from the same tokens
// as after a restart.
class MemoryTokenStore : public TovAccount::TokenStore
{
public:
    explicit MemoryTokenStore(std::shared_ptr<StoredTokens> contents)
        : m_contents(std::move(contents))
    {
    }

    std::optional<QString> load(const QString& key) override;
    bool save(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    std::shared_ptr<StoredTokens> m_contents;
};
