#pragma once

#include <QString>

#include <stdexcept>

// A failure of the data layer. The message is the database engine's own text (or the
// conversion error's), and is what the error report shows.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
