#pragma once

#include <QObject>

#include <functional>

// Runs a callback whenever the watched widget is resized or shown; the account list uses it to
// keep its rows as wide as the list.
class ListResizeWatcher : public QObject
{
    Q_OBJECT

public:
    ListResizeWatcher(std::function<void()> onResize, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onResize;
};
