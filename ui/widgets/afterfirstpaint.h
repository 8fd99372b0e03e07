#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

// Runs work once a widget has been painted for the first time, so that what the first paint
// does not need waits until it is on screen. A widget not painted within a moment
// (started minimised, or never shown) gets the work all the same.
class AfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    AfterFirstPaint(QWidget* widget, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run();

    std::function<void()> m_work;
    QTimer m_fallback;
};
