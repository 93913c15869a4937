// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's layout: every control where the form puts it, in twips, scaled with the font and
// grown with the window.
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace brindlewick
{

namespace
{

constexpr QSize clientTwips(6015, 6240);
constexpr int listWidthTwips = 3375;

// The layout was drawn for the usual desktop font, 9-point Sans at 96 dots per inch: 14 pixels
// from ascent to descent. A larger font scales the whole layout with it; a smaller one leaves
// it as drawn.
constexpr double designFontHeight = 14.0;

// What a desktop's window frame and title bar take at most, in pixels.
constexpr int frameAllowance = 64;

} // namespace

double layoutScaleFor(int fontHeight, QSize available)
{
    // Never larger than the screen can hold, with room for the window's frame, however the
    // screen came to be small (a large font, a device pixel ratio, a forced DPI): the button
    // and the bar must stay within reach. Text may then be cramped, but nothing is out of sight.
    const double forFont = std::max(1.0, fontHeight / designFontHeight);
    if (available.isEmpty())
        return forFont;
    const QSize room = available - QSize(frameAllowance, frameAllowance);
    const double forScreen = std::min(double(room.width()) * 15 / clientTwips.width(),
                                      double(room.height()) * 15 / clientTwips.height());
    return std::min(forFont, forScreen);
}

double frmMain::fontScale() const
{
    const QScreen *shownOn = screen();
    return layoutScaleFor(fontMetrics().height(),
                          shownOn ? shownOn->availableGeometry().size() : QSize());
}

void frmMain::placeWidget(QWidget *control, QRect twips, Anchor anchor)
{
    placements_.push_back({control, twips, anchor});
    applyPlacement(placements_.back());
}

// At the initial size every control stands where the layout puts it. Extra room goes to the
// tree (a third of the width) and the list; the panel keeps to the bottom right corner.
void frmMain::applyPlacement(const Placement &placement)
{
    const QSize initial = clientSize();
    const int dx = std::max(0, width() - initial.width());
    const int dy = std::max(0, height() - initial.height());
    const int treeGrowth = dx / 3;
    QRect rect = pixels(placement.twips);
    switch (placement.anchor) {
    case Anchor::Tree:
        rect.adjust(0, 0, treeGrowth, dy);
        break;
    case Anchor::List:
        rect.adjust(treeGrowth, 0, dx, dy);
        break;
    case Anchor::BottomRight:
        rect.translate(dx, dy);
        break;
    case Anchor::BottomSpan:
        rect.adjust(0, dy, dx, dy);
        // The bar's last row would fall just outside the window: it ends where the window does.
        rect.setBottom(std::min(rect.bottom(), height() - 1));
        break;
    }
    // A caption is never cut off: on desktops whose font is wider than the layout allows for,
    // the control reaches further right into the free room beside it.
    if (qobject_cast<QAbstractButton *>(placement.widget) ||
        qobject_cast<QLabel *>(placement.widget)) {
        rect.setWidth(std::max(rect.width(), placement.widget->sizeHint().width()));
        // Where that room runs out at the window's edge, the control moves left instead.
        if (rect.right() >= width())
            rect.moveLeft(std::max(0, width() - rect.width()));
    }
    // A right-to-left language reads the window from the right: every place mirrors.
    if (layoutDirection() == Qt::RightToLeft)
        rect.moveLeft(width() - rect.left() - rect.width());
    placement.widget->setGeometry(rect);
}

int frmMain::pixels(int twips) const
{
    return twipsToPixels(qRound(twips * layoutScale_));
}

QRect frmMain::pixels(QRect twips) const
{
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

QSize frmMain::clientSize() const
{
    return {pixels(clientTwips.width()), pixels(clientTwips.height())};
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        rescale();
    else if (event->type() == QEvent::LayoutDirectionChange)
        relayout();
}

void frmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A screen of another scale or size, once the window is moved there, gets the layout anew.
    if (QWindow *shown = windowHandle())
        connect(shown, &QWindow::screenChanged, this, &frmMain::rescale, Qt::UniqueConnection);
}

void frmMain::rescale()
{
    layoutScale_ = fontScale();
    setMinimumSize(clientSize());
    resize(size().expandedTo(clientSize()));
    relayout();
}

void frmMain::relayout()
{
    for (const Placement &placement : placements_)
        applyPlacement(placement);
    setNameColumnTwips(nameColumnTwips_);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void frmMain::setWidthTwips(QWidget *control, int twips)
{
    for (Placement &placement : placements_) {
        if (placement.widget == control) {
            placement.twips.setWidth(twips);
            applyPlacement(placement);
            return;
        }
    }
}

void frmMain::setNameColumnTwips(int twips)
{
    nameColumnTwips_ = twips;
    const int listGrowth = lsList->width() - pixels(listWidthTwips);
    lsList->setColumnWidth(0, pixels(twips) + std::max(0, listGrowth));
}

} // namespace brindlewick
