#pragma once

#include <QtGlobal>

#include <memory>
#include <optional>

namespace PennibarServer {

// The request bodies the server holds at once, across all connections, stay within one total:
// a body is admitted only while the total has room for it. Used on one thread.
class BodyBudget
{
public:
    // Room for one body, given back when destroyed.
    class Reservation
    {
    public:
        Reservation(Reservation&& other) noexcept;
        Reservation& operator=(Reservation&& other) noexcept;
        ~Reservation();

        qint64 bytes() const { return m_bytes; }
        // Widens the reservation to `bytes` (a chunked body grows as it comes); false when the
        // total has no room for that, and the reservation stays as it was.
        bool growTo(qint64 bytes);

    private:
        friend class BodyBudget;
        Reservation(std::shared_ptr<qint64> inUse, qint64 limit, qint64 bytes);

        std::shared_ptr<qint64> m_inUse;
        qint64 m_limit = 0;
        qint64 m_bytes = 0;
    };

    explicit BodyBudget(qint64 limit) : m_limit(limit) {}

    // Room for `bytes`, or nothing when the total would pass the limit.
    std::optional<Reservation> reserve(qint64 bytes);
    qint64 inUse() const { return *m_inUse; }

private:
    qint64 m_limit;
    // Shared with the reservations, which may outlive the budget in queued work.
    std::shared_ptr<qint64> m_inUse = std::make_shared<qint64>(0);
};

} // namespace PennibarServer
