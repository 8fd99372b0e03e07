#include "sync/wire/wireidentities.h"

#include "data/accountrepository.h"

namespace {

QString key(const QString& entityType, const QString& localId)
{
    return entityType + QLatin1Char('/') + localId;
}

} // namespace

WireIdentities::WireIdentities(const QList<SyncWireId>& kept, const AccountRepository* accounts)
    : m_accounts(accounts)
{
    for (const SyncWireId& wireId : kept) {
        m_kept.insert(key(wireId.entityType, wireId.localId), wireId);
        if (wireId.entityType == QLatin1String("account"))
            m_keptAccountClientIds.insert(wireId.clientId);
    }
}

const SyncWireId* WireIdentities::kept(const QString& entityType, const QString& localId) const
{
    const auto found = m_kept.constFind(key(entityType, localId));
    return found == m_kept.cend() ? nullptr : &*found;
}

WireIdentities::AccountAddress WireIdentities::account(const QString& localId) const
{
    if (const SyncWireId* own = kept(QStringLiteral("account"), localId))
        return {own->clientId, own->serverId};
    if (!m_keptAccountClientIds.contains(localId))
        return {localId, QString()};
    // The user's own account, whose client id an account kept apart shares.
    const std::optional<Account> account = m_accounts->byId(localId);
    return {localId, account ? account->serverId : QString()};
}

QJsonObject WireIdentities::toWire(QJsonObject change) const
{
    if (m_kept.isEmpty())
        return change;
    const QString entityType = change.value(QStringLiteral("entity_type")).toString();
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    if (const SyncWireId* own =
            kept(entityType, change.value(QStringLiteral("entity_id")).toString())) {
        change.insert(QStringLiteral("entity_id"), own->clientId);
        payload.insert(QStringLiteral("client_id"), own->clientId);
    }
    const QString accountKey = QStringLiteral("account_id");
    if (entityType != QLatin1String("account") && payload.contains(accountKey)) {
        const AccountAddress account = this->account(payload.value(accountKey).toString());
        payload.insert(accountKey, account.clientId);
        if (!account.serverId.isEmpty())
            payload.insert(QStringLiteral("account_server_id"), account.serverId);
    }
    // Links to other rows name them as the server knows them.
    static const QList<std::pair<QString, QString>> links = {
        {QStringLiteral("transfer_dest_account_id"), QStringLiteral("account")},
        {QStringLiteral("transfer_link_id"), QStringLiteral("transaction")},
        {QStringLiteral("recurring_id"), QStringLiteral("recurring")}};
    for (const auto& [field, linkedType] : links) {
        if (const SyncWireId* linked = kept(linkedType, payload.value(field).toString()))
            payload.insert(field, linked->clientId);
    }
    change.insert(QStringLiteral("payload"), payload);
    return change;
}
