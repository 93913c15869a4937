// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace brindlewick
{

// The answers a piece of file-system work has had so far: each call that came back.
class Answers
{
public:
    void arrived() noexcept { count_.fetch_add(1, std::memory_order_relaxed); }
    quint64 count() const noexcept { return count_.load(std::memory_order_relaxed); }

private:
    std::atomic<quint64> count_{0};
};

// Runs work on a thread of its own and waits for it for as long as the file system keeps
// answering, however slowly: it gives up only after silence without an answer, or at once when
// hooks.meanwhile says so, and then throws a PlatformError. What work throws is thrown here.
// work tells each answer it gets to the Answers it is given. Given up, the thread is left to end
// when the file system answers, if ever: work must own all it uses.
void waitWhileAnswering(std::function<void(Answers &)> work, std::chrono::milliseconds silence,
                        const WaitHooks &hooks);

// The same for work that gives a result, which is kept for the thread should it be left waiting.
template<typename Result, typename Work>
Result answerOf(Work work, std::chrono::milliseconds silence, const WaitHooks &hooks)
{
    const auto result = std::make_shared<std::optional<Result>>();
    waitWhileAnswering(
        [result, work = std::move(work)](Answers &answers) { result->emplace(work(answers)); },
        silence, hooks);
    return std::move(**result);
}

} // namespace brindlewick
