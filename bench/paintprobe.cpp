#include "bench/paintprobe.h"

#include "ui/register/registertableview.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

PaintProbe::PaintProbe(Target target, QObject* parent) : QObject(parent), m_target(target) {}

bool PaintProbe::waitForPaint(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return m_painted;
}

bool PaintProbe::matches(QObject* watched) const
{
    if (m_target == Target::AnyWidget)
        return watched->isWidgetType();
    // The rows are drawn on the table's viewport.
    auto* table = qobject_cast<RegisterTableView*>(watched->parent());
    return table && table->viewport() == watched;
}

bool PaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted && matches(watched)) {
        m_painted = true;
        emit firstPaint();
    }
    return QObject::eventFilter(watched, event);
}
