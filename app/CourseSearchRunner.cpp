#include "app/CourseSearchRunner.h"

#include "data/DataError.h"

CourseSearchRunner::CourseSearchRunner(std::function<void(const Answer&)> answered, QObject* parent)
    : QObject(parent)
    , m_answered(std::move(answered))
    , m_thread([this] { loop(); })
{
}

CourseSearchRunner::~CourseSearchRunner()
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CourseSearchRunner::ask(std::shared_ptr<CourseIndex> index, const QString& typed, int limit,
                             const QString& programFolder)
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_waiting = Question{++m_ticket, std::move(index), typed, limit, programFolder};
    }
    m_busy = true;
    m_wake.notify_one();
}

void CourseSearchRunner::forget()
{
    const std::lock_guard<std::mutex> hold(m_lock);
    ++m_ticket;
    m_waiting.reset();
    m_busy = false;
}

void CourseSearchRunner::loop()
{
    for (;;) {
        Question question;
        {
            std::unique_lock<std::mutex> hold(m_lock);
            m_wake.wait(hold, [this] { return m_stop || m_waiting.has_value(); });
            if (m_stop)
                return;
            question = std::move(*m_waiting);
            m_waiting.reset();
        }
        const Answer found = answer(question);
        QMetaObject::invokeMethod(
            this, [this, ticket = question.ticket, found] { deliver(ticket, found); }, Qt::QueuedConnection);
    }
}

CourseSearchRunner::Answer CourseSearchRunner::answer(const Question& question)
{
    const std::lock_guard<std::mutex> hold(m_indexLock);
    Answer result;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (attempt > 0) {
                question.index->remake();
                question.index->refresh(question.programFolder);
            }
            result.hits = question.index->search(question.typed, question.limit);
            if (result.hits.isEmpty())
                result.suggestion = question.index->suggestion(question.typed);
            result.error.clear();
            return result;
        } catch (const DataError& error) {
            result.error = error.message();
        }
    }
    return result;
}

void CourseSearchRunner::deliver(quint64 ticket, const Answer& answer)
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        if (ticket != m_ticket)
            return;
    }
    m_busy = false;
    if (m_answered)
        m_answered(answer);
}
