#pragma once

#include <QObject>

class QWidget;

// Watches every widget of the application for its first paint: either the first paint of any
// widget, or the first paint of the register table's rows. Installed as an application-wide
// event filter, so the code it measures stays untouched.
class PaintProbe : public QObject
{
    Q_OBJECT

public:
    enum class Target
    {
        AnyWidget,
        Register
    };

    explicit PaintProbe(Target target, QObject* parent = nullptr);

    // Forget earlier paints, so that the next matching paint counts again.
    void rearm() { m_painted = false; }
    bool painted() const { return m_painted; }
    // Runs the event loop until the next matching paint, or `timeoutMs`. False on time-out.
    bool waitForPaint(int timeoutMs = 30000);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void firstPaint();

private:
    bool matches(QObject* watched) const;

    Target m_target;
    bool m_painted = false;
};
