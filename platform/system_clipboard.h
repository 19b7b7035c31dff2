#pragma once

#include <QImage>
#include <QString>

/// The system clipboard: text in and out, and a picture out.
class SystemClipboard {
public:
    virtual ~SystemClipboard() = default;
    virtual QString Text() = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(const QImage& image) = 0;
};
