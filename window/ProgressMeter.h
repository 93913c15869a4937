// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>

class QProgressBar;

namespace brindlewick
{

// Keeps the program's progress count and shows it on a bar at a human rate: repainting the
// bar for every file would cost more than the work it reports.
class ProgressMeter : public QObject
{
    Q_OBJECT
public:
    explicit ProgressMeter(QProgressBar *bar, QObject *parent = nullptr);

    QProgressBar *bar() const { return bar_; }

    int Max() const { return max_; }
    void setMax(int max);
    int Value() const { return value_; }
    void setValue(int value);
    // Shows the value reached now, between two repaints: before a box opens or when work stops.
    void showValue();

Q_SIGNALS:
    void valueSet(int value);
    // The bar has just been repainted with the value.
    void shown();

private:
    QProgressBar *bar_;
    int max_ = 100;
    int value_ = 0;
    QElapsedTimer sinceShown_;
};

} // namespace brindlewick
