#include "tests/libs/account/memorytokenstore.h"

std::optional<QString> MemoryTokenStore::load(const QString& key)
{
    if (!m_contents->contains(key))
        return std::nullopt;
    return m_contents->value(key);
}

bool MemoryTokenStore::save(const QString& key, const QString& value)
{
    m_contents->insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString& key)
{
    return m_contents->remove(key) > 0;
}
