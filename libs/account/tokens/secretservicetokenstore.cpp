#include "libs/account/tokens/secretservicetokenstore.h"

#include "libs/account/accountlog.h"

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <libsecret/secret.h>
#pragma pop_macro("signals")

namespace TovAccount {

namespace {

const SecretSchema* tokenSchema()
{
    static const SecretSchema schema = {"com.tovarly.AccountToken",
                                        SECRET_SCHEMA_NONE,
                                        {
                                            {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {"key", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        },
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &schema;
}

// Logs a failed call by the service's message, which never holds the secret, and frees it.
bool reportError(const char* operation, GError* error)
{
    if (!error)
        return false;
    qCWarning(lcAccount) << "SecretServiceTokenStore:" << operation
                         << "failed:" << QString::fromUtf8(error->message);
    g_error_free(error);
    return true;
}

} // namespace

SecretServiceTokenStore::SecretServiceTokenStore(const QString& serviceName, const QString& appName)
    : m_serviceName(serviceName), m_appName(appName)
{
}

bool SecretServiceTokenStore::isAvailable()
{
    GError* error = nullptr;
    SecretService* service = secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, &error);
    if (!service) {
        g_clear_error(&error);
        return false;
    }
    SecretCollection* collection = secret_collection_for_alias_sync(
        service, SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, nullptr, &error);
    g_clear_error(&error);
    const bool usable = collection && !secret_collection_get_locked(collection);
    if (collection)
        g_object_unref(collection);
    g_object_unref(service);
    return usable;
}

std::optional<QString> SecretServiceTokenStore::load(const QString& key)
{
    GError* error = nullptr;
    gchar* secret = secret_password_lookup_sync(tokenSchema(), nullptr, &error, "service",
                                                m_serviceName.toUtf8().constData(), "key",
                                                key.toUtf8().constData(), nullptr);
    if (reportError("lookup", error) || !secret)
        return std::nullopt;
    const QString value = QString::fromUtf8(secret);
    secret_password_free(secret);
    return value;
}

bool SecretServiceTokenStore::save(const QString& key, const QString& value)
{
    GError* error = nullptr;
    const QByteArray label = QStringLiteral("%1 (%2)").arg(m_appName, key).toUtf8();
    const gboolean stored = secret_password_store_sync(
        tokenSchema(), SECRET_COLLECTION_DEFAULT, label.constData(), value.toUtf8().constData(),
        nullptr, &error, "service", m_serviceName.toUtf8().constData(), "key",
        key.toUtf8().constData(), nullptr);
    return !reportError("store", error) && stored;
}

bool SecretServiceTokenStore::remove(const QString& key)
{
    GError* error = nullptr;
    const gboolean removed = secret_password_clear_sync(tokenSchema(), nullptr, &error, "service",
                                                        m_serviceName.toUtf8().constData(), "key",
                                                        key.toUtf8().constData(), nullptr);
    return !reportError("clear", error) && removed;
}

} // namespace TovAccount
