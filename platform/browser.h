#pragma once

#include <QUrl>

/// Opens an address in the system's browser; failures are not reported.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void Open(const QUrl& url) = 0;
};
