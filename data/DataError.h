#pragma once

#include <QString>

#include <stdexcept>

// A failure of the data layer. The message is what the error report shows: the database
// engine's own text, or our explanation of it with the engine's text kept as details.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString& message, const QString& details = QString())
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_details(details)
    {
    }

    const QString& message() const { return m_message; }
    // The engine's own words behind an explanation; empty when the message is those words.
    const QString& details() const { return m_details; }

private:
    QString m_message;
    QString m_details;
};
