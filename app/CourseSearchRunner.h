#pragma once

#include "data/CourseIndex.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Runs the course searches on a thread of its own, so that no search, however slow,
// holds the window up; only the newest question counts: one asked while another runs
// replaces any still waiting, and answers to older ones are dropped. A search that fails
// on a damaged index remakes the index and tries once more.
class CourseSearchRunner : public QObject
{
    Q_OBJECT
public:
    struct Answer {
        QVector<CourseIndex::Hit> hits;
        QString suggestion; // «Возможно, вы искали»: only when nothing was found
        QString error;      // the index could not answer even when remade
    };

    // `answered` is called on the thread that made the runner.
    explicit CourseSearchRunner(std::function<void(const Answer&)> answered, QObject* parent = nullptr);
    ~CourseSearchRunner() override;

    // Asks for the documents holding the typed words; `programFolder` is what a remade
    // index is filled from.
    void ask(std::shared_ptr<CourseIndex> index, const QString& typed, int limit, const QString& programFolder);
    // Forgets the question asked last: its answer, when it comes, is dropped.
    void forget();
    // A question is asked and not yet answered.
    bool isBusy() const { return m_busy; }

    // Held while the index is used on the runner's thread; whoever refreshes it on
    // another thread holds it too.
    std::mutex& indexLock() { return m_indexLock; }

private:
    struct Question {
        quint64 ticket = 0;
        std::shared_ptr<CourseIndex> index;
        QString typed;
        int limit = 0;
        QString programFolder;
    };

    void loop();
    Answer answer(const Question& question);
    void deliver(quint64 ticket, const Answer& answer);

    std::function<void(const Answer&)> m_answered;
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::optional<Question> m_waiting;
    bool m_stop = false;
    std::mutex m_indexLock;
    quint64 m_ticket = 0; // of the newest question; only this thread of the window writes it
    bool m_busy = false;
    std::thread m_thread;
};
