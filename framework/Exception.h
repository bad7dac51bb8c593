#pragma once

#include <QString>

#include <exception>

// Base of every error the program raises. The message is what the user sees in the error box,
// so it is kept as text, not as an error code.
class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A deliberate cancellation: unwinds like an error but is never shown to the user.
class EAbort : public Exception {
public:
    EAbort();
};

// A resource that the program asked for by name is not among its resources.
class EResNotFound : public Exception {
public:
    explicit EResNotFound(const QString &name);
};

// A value that does not fit the graphic it is given to (used by the picture classes).
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list, or an edit the list does not allow.
class EListError : public Exception {
public:
    using Exception::Exception;
};
