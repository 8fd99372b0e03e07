#pragma once

#include "server/http/httprequest.h"
#include "server/http/httpresponse.h"

#include <QObject>

#include <functional>

namespace PennibarServer {

// Runs the handlers of requests, on whatever threads it keeps, and hands each response back.
class RequestRunner
{
public:
    using Done = std::function<void(const HttpResponse&)>;

    virtual ~RequestRunner() = default;
    // Handles `request`; `done` is then called on `receiver`'s thread with the response, unless
    // `receiver` is destroyed before that (it must outlive the runner itself).
    virtual void run(HttpRequest request, QObject* receiver, Done done) = 0;
};

} // namespace PennibarServer
