#include "Exception.h"

Exception::Exception(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

EAbort::EAbort()
    : Exception(QStringLiteral("Operation aborted"))
{
}

EResNotFound::EResNotFound(const QString &name)
    : Exception(QStringLiteral("Resource %1 not found").arg(name))
{
}
