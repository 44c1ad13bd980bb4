#pragma once

#include <QString>

#include <stdexcept>

// A skin value that cannot be read where the skin gives no fallback (a gradient word that is
// not a number). It travels to the window layer, which reports it.
class SkinError : public std::runtime_error
{
public:
    explicit SkinError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
