#pragma once

#include <QCoreApplication>

// The Qt side every target needs: one application object for the event loop, plugins and
// timers, and Qt's warnings silenced, since a fuzzer feeds in little but bad input and the
// warnings about it would drown the sanitizers' reports.
class FuzzApplication
{
public:
    static void init(int* argc, char*** argv);
};
