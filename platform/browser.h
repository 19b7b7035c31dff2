#pragma once

#include <QUrl>

/// Opens an address in the system's browser.
class Browser {
public:
    virtual ~Browser() = default;
    /// False when no browser could be started for it.
    virtual bool Open(const QUrl& url) = 0;
};
