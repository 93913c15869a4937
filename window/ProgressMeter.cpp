// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ProgressMeter.h"

#include <QProgressBar>
#include <algorithm>

namespace brindlewick
{

namespace
{
constexpr qint64 repaintIntervalMs = 30;
}

ProgressMeter::ProgressMeter(QProgressBar *bar, QObject *parent) : QObject(parent), bar_(bar)
{
    bar_->setRange(0, max_);
    bar_->setValue(0);
    sinceShown_.start();
}

void ProgressMeter::setMax(int max)
{
    max_ = max;
    showValue();
}

void ProgressMeter::setValue(int value)
{
    value_ = value;
    if (value == 0 || value == max_ || sinceShown_.hasExpired(repaintIntervalMs))
        showValue();
    Q_EMIT valueSet(value);
}

void ProgressMeter::showValue()
{
    bar_->setRange(0, std::max(max_, 0));
    bar_->setValue(std::clamp(value_, 0, std::max(max_, 0)));
    // Painted at once, even while no events are processed. QProgressBar itself would wait
    // until the bar has grown by a whole chunk, which on a large folder takes seconds.
    bar_->repaint();
    sinceShown_.restart();
    Q_EMIT shown();
}

} // namespace brindlewick
