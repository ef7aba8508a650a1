#pragma once
// The one kind of error the platform raises: it carries the text the user
// sees in the default error box (without the full stop the box adds).
#include <QString>
#include <exception>

namespace larendo::platform {

class PlatformError : public std::exception {
public:
    explicit PlatformError(QString message) : message_(std::move(message)) {}
    const QString &message() const noexcept { return message_; }
    const char *what() const noexcept override;

private:
    QString message_;
    mutable QByteArray utf8_;
};

[[noreturn]] void raise(const QString &message);

} // namespace larendo::platform
