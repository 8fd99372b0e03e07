#include "server/http/bodybudget.h"

#include <utility>

namespace PennibarServer {

std::optional<BodyBudget::Reservation> BodyBudget::reserve(qint64 bytes)
{
    Reservation reservation(m_inUse, m_limit, 0);
    if (!reservation.growTo(bytes))
        return std::nullopt;
    return reservation;
}

BodyBudget::Reservation::Reservation(std::shared_ptr<qint64> inUse, qint64 limit, qint64 bytes)
    : m_inUse(std::move(inUse)), m_limit(limit), m_bytes(bytes)
{
}

BodyBudget::Reservation::Reservation(Reservation&& other) noexcept
    : m_inUse(std::move(other.m_inUse)), m_limit(other.m_limit),
      m_bytes(std::exchange(other.m_bytes, 0))
{
}

BodyBudget::Reservation& BodyBudget::Reservation::operator=(Reservation&& other) noexcept
{
    if (this != &other) {
        if (m_inUse)
            *m_inUse -= m_bytes;
        m_inUse = std::move(other.m_inUse);
        m_limit = other.m_limit;
        m_bytes = std::exchange(other.m_bytes, 0);
    }
    return *this;
}

BodyBudget::Reservation::~Reservation()
{
    if (m_inUse)
        *m_inUse -= m_bytes;
}

bool BodyBudget::Reservation::growTo(qint64 bytes)
{
    if (bytes <= m_bytes)
        return true;
    if (*m_inUse + bytes - m_bytes > m_limit)
        return false;
    *m_inUse += bytes - m_bytes;
    m_bytes = bytes;
    return true;
}

} // namespace PennibarServer
