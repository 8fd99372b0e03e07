#include "ui/widgets/afterfirstpaint.h"

#include <QEvent>
#include <QWidget>

namespace {

constexpr int fallbackMs = 500;

} // namespace

AfterFirstPaint::AfterFirstPaint(QWidget* widget, std::function<void()> work)
    : QObject(widget), m_work(std::move(work))
{
    widget->installEventFilter(this);
    m_fallback.setSingleShot(true);
    m_fallback.setInterval(fallbackMs);
    connect(&m_fallback, &QTimer::timeout, this, &AfterFirstPaint::run);
    m_fallback.start();
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    // Queued twice: the paint under way, its children's among it, finishes and
    // reaches the screen, and what the paint itself queued runs before this work.
    if (event->type() == QEvent::Paint && watched == parent()) {
        watched->removeEventFilter(this);
        m_fallback.stop();
        QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, &AfterFirstPaint::run); });
    }
    return QObject::eventFilter(watched, event);
}

void AfterFirstPaint::run()
{
    if (!m_work)
        return;
    m_fallback.stop();
    parent()->removeEventFilter(this);
    const std::function<void()> work = std::move(m_work);
    m_work = nullptr;
    deleteLater();
    work();
}
