// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AnswerWait.h"

#include <QCoreApplication>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace brindlewick
{

void waitWhileAnswering(std::function<void(Answers &)> work, std::chrono::milliseconds silence,
                        const WaitHooks &hooks)
{
    // Shared with the thread, which may outlive this call.
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        std::exception_ptr error;
        Answers answers;
    };
    const auto shared = std::make_shared<Shared>();
    try {
        std::thread([shared, work = std::move(work)] {
            std::exception_ptr error;
            try {
                work(shared->answers);
            } catch (...) {
                error = std::current_exception();
            }
            const std::lock_guard lock(shared->mutex);
            shared->finished = true;
            shared->error = error;
            shared->done.notify_all();
        }).detach();
    } catch (const std::system_error &error) {
        throw PlatformError(
            QCoreApplication::translate("AnswerWait", "No thread to ask the file system on: %1")
                .arg(QString::fromLocal8Bit(error.what())));
    }

    using Clock = std::chrono::steady_clock;
    // Most answers come at once: the window is only told of waits long enough to be seen.
    constexpr std::chrono::milliseconds unnoticed(100);
    constexpr std::chrono::milliseconds slice(20);
    const Clock::time_point start = Clock::now();
    Clock::time_point lastAnswer = start;
    quint64 answersSeen = 0;
    bool told = false;
    bool givenUp = false;
    std::unique_lock lock(shared->mutex);
    while (!shared->finished) {
        const Clock::time_point now = Clock::now();
        if (const quint64 answers = shared->answers.count(); answers != answersSeen) {
            answersSeen = answers;
            lastAnswer = now;
        }
        if (now - lastAnswer >= silence)
            break;
        if (now - start >= unnoticed && hooks.meanwhile) {
            told = true;
            lock.unlock();
            givenUp = !hooks.meanwhile();
            lock.lock();
            if (givenUp || shared->finished)
                break;
        }
        shared->done.wait_for(lock, now - start < unnoticed ? unnoticed : slice,
                              [&] { return shared->finished; });
    }
    const bool finished = shared->finished;
    const std::exception_ptr error = shared->error;
    lock.unlock();
    if (told && hooks.ended)
        hooks.ended();
    if (!finished && givenUp)
        throw PlatformError(
            QCoreApplication::translate("AnswerWait", "The wait for the file system was given up"));
    if (!finished)
        throw PlatformError(
            QCoreApplication::translate("AnswerWait",
                                        "The file system stopped answering: no answer for %1 s")
                .arg(double(silence.count()) / 1000, 0, 'g', 3));
    if (error)
        std::rethrow_exception(error);
}

} // namespace brindlewick
