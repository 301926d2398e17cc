// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tspeedbar.h"

#include "toolbar/tdragframe.h"
#include "toolbar/tspeedbarbutton.h"
#include "toolbar/tspeedbarbuttonaccessible.h"
#include "toolbar/tspeedbarsection.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr int BevelWidth = 1;

bool isHorizontalEdge(tk::Align a) {
    return a == tk::Align::Top || a == tk::Align::Bottom;
}
bool isVerticalEdge(tk::Align a) {
    return a == tk::Align::Left || a == tk::Align::Right;
}
bool isEdge(tk::Align a) {
    return isHorizontalEdge(a) || isVerticalEdge(a);
}

// What every bar shares, set up with the first one: the drag cursor and the
// accessibility of the bar and its buttons.
void registerShared() {
    static const bool registered = [] {
        if (qobject_cast<TApplication *>(QCoreApplication::instance()))
            Application()->setCursor(TSpeedBar::DragCursor,
                                     tk::loadCursor(QStringLiteral("SB_DRAG")));
        QAccessible::installFactory(&TSpeedbarButtonAccessible::factory);
        return true;
    }();
    Q_UNUSED(registered);
}

// Keeps the window from re-placing its children until the scope ends, then
// re-places them once.
class AlignSuspension {
public:
    explicit AlignSuspension(QWidget *parent)
        : m_host(parent ? tk::AlignHost::of(parent) : nullptr) {
        if (m_host)
            m_host->suspend();
    }
    ~AlignSuspension() {
        if (m_host)
            m_host->resume();
    }
    AlignSuspension(const AlignSuspension &) = delete;
    AlignSuspension &operator=(const AlignSuspension &) = delete;

private:
    tk::AlignHost *m_host;
};

} // namespace

TSpeedBar::TSpeedBar(QWidget *parent) : QWidget(parent) {
    registerShared();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Barre d'outils"));
    m_offsetHorz = m_offsetVert = minimumOffset();
    resize(width(), 2 * minimumOffset() + m_btnHeight);
    tk::setAlign(this, tk::Align::Top);
}

TSpeedBar::~TSpeedBar() {
    loseMouse();
    delete m_frame;
    // The buttons are the items': back to them, rather than down with the bar,
    // and no longer painting it.
    for (TSpeedItem *item : allItems()) {
        item->setHost(nullptr);
        item->button()->setBackgroundPainter({});
    }
}

// --- Options and sizes -----------------------------------------------------------

int TSpeedBar::minimumOffset() const {
    // BorderWidth 0, one raised outer bevel, no inner bevel.
    return (m_options.testFlag(sbFlatBtns) ? 0 : 2) + BevelWidth;
}

void TSpeedBar::setOptions(TSpeedbarOptions options) {
    m_options = options;
    update();
}

void TSpeedBar::applyButtonSettings(TSpeedItem *item) const {
    if (m_options.testFlag(sbTransparentBtns))
        item->button()->setBackgroundPainter([this](QPainter &painter, const QRect &area) {
            painter.setClipRect(area & rect());
            paintBackground(painter);
        });
}

void TSpeedBar::placeButton(TSpeedItem *item, QPoint pos) const {
    // Across the bar a button never comes closer to the edge than the offset.
    if (m_vertical)
        pos.setX(std::max(pos.x(), m_offsetHorz));
    else
        pos.setY(std::max(pos.y(), m_offsetVert));
    item->button()->setGeometry(QRect(pos, QSize(m_btnWidth, m_btnHeight)));
}

void TSpeedBar::setBtnOffsetHorz(int offset) {
    m_offsetHorz = std::max(offset, minimumOffset());
}

void TSpeedBar::setBtnOffsetVert(int offset) {
    m_offsetVert = std::max(offset, minimumOffset());
}

void TSpeedBar::setWallpaper(const QPixmap &wallpaper) {
    m_wallpaper = wallpaper;
    update();
    // Transparent buttons show the wallpaper too; being opaque, they are left
    // out of the bar's own repaint.
    for (TSpeedItem *item : allItems())
        item->button()->update();
}

// --- Alignment -------------------------------------------------------------------

tk::Align TSpeedBar::Align() const {
    return tk::alignOf(this);
}

void TSpeedBar::setAlign(tk::Align align) {
    Q_ASSERT(isEdge(align));
    const tk::Align current = Align();
    if (align == current || !isEdge(align))
        return;
    AlignSuspension suspension(parentWidget());
    if ((isHorizontalEdge(current) && isVerticalEdge(align)) ||
        (isVerticalEdge(current) && isHorizontalEdge(align)))
        resize(height(), width());
    const bool vertical = isVerticalEdge(align);
    if (vertical != m_vertical) {
        // Turned in one go: nothing paints until the event loop runs again.
        m_vertical = vertical;
        std::swap(m_btnWidth, m_btnHeight);
        std::swap(m_offsetHorz, m_offsetVert);
        for (TSpeedItem *item : allItems()) {
            const QPoint old = item->button()->pos();
            placeButton(item, QPoint(old.y(), old.x()));
        }
        update();
    }
    tk::setAlign(this, align);
}

// --- Sections and items ------------------------------------------------------------

TSpeedbarSection *TSpeedBar::addSection(const QString &caption) {
    auto *section = new TSpeedbarSection(caption, this);
    m_sections.append(section);
    return section;
}

void TSpeedBar::addItem(TSpeedbarSection *section, TSpeedItem *item) {
    // The program adds each item once, to the section it made.
    Q_ASSERT(m_sections.contains(section) && !allItems().contains(item));
    if (!m_sections.contains(section))
        return;
    section->addItem(item);
    // An item that goes before the bar leaves its section.
    connect(item, &QObject::destroyed, section, [section, item] { section->removeItem(item); });
    applyButtonSettings(item);
}

QList<TSpeedItem *> TSpeedBar::allItems() const {
    QList<TSpeedItem *> items;
    for (TSpeedbarSection *section : m_sections)
        items += section->items();
    return items;
}

void TSpeedBar::finishLoading() {
    for (TSpeedItem *item : allItems()) {
        placeButton(item, item->button()->pos());
        item->setHost(this);
    }
}

// --- Painting ------------------------------------------------------------------

QRect TSpeedBar::innerRect() const {
    return rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
}

void TSpeedBar::paintBackground(QPainter &painter) const {
    painter.fillRect(rect(), palette().color(QPalette::Button));
    TBevelPanel::drawBevel(painter, rect(), TBevelPanel::Bevel::Raised, palette());
    if (m_wallpaper.isNull())
        return;
    // Tiled from the corner of the inside of the bevel; a tile is as many layout
    // pixels as the 1x picture has pixels.
    tk::prepareToDraw(painter, m_wallpaper.devicePixelRatio());
    painter.drawTiledPixmap(innerRect(), m_wallpaper);
}

void TSpeedBar::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    paintBackground(painter);
}

// --- Dragging ------------------------------------------------------------------

tk::Align TSpeedBar::edgeAt(const QPointF &pos, const QSizeF &client) {
    const double x = pos.x(), y = pos.y();
    const double w = client.width(), h = client.height();
    const bool belowMain = y > x * h / w;
    const bool aboveAnti = y < h * (1.0 - x / w);
    if (!belowMain)
        return aboveAnti ? tk::Align::Top : tk::Align::Right;
    return aboveAnti ? tk::Align::Left : tk::Align::Bottom;
}

tk::Align TSpeedBar::edgeUnder(const QPointF &parentPos) const {
    return edgeAt(parentPos, QSizeF(parentWidget()->rect().size()));
}

QRect TSpeedBar::targetRect(tk::Align edge) const {
    QWidget *parent = parentWidget();
    tk::AlignHost *host = parent ? tk::AlignHost::of(parent) : nullptr;
    if (!host || !isEdge(edge))
        return geometry();
    // As thick as the bar is now; it turns when it docks.
    return host->placeAt(this, edge, m_vertical ? width() : height());
}

void TSpeedBar::showFrame(const QRect &screenRect) {
    m_dragFrame = screenRect;
    if (!m_frame) {
        m_frame = new TDragFrame(parentWidget());
        m_frame->show();
    }
    m_frame->raise();
    m_frame->setFrame(
        QRect(parentWidget()->mapFromGlobal(screenRect.topLeft()), screenRect.size()));
}

void TSpeedBar::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (!parentWidget() || !m_options.testFlag(sbAllowDrag) || !isEdge(Align()))
        return;
    arm(event->position().toPoint());
}

void TSpeedBar::arm(QPoint pressPoint) {
    // Qt keeps sending the mouse to the bar until the release, unless something
    // takes it away; only the whole application sees that happen.
    m_armed = true;
    m_pressPoint = pressPoint;
    qApp->installEventFilter(this);
}

void TSpeedBar::disarm() {
    m_armed = false;
    qApp->removeEventFilter(this);
}

void TSpeedBar::startDrag() {
    m_beingDragged = true;
    showFrame(QRect(mapToGlobal(QPoint(0, 0)), size()));
    QApplication::setOverrideCursor(Application()->cursor(DragCursor));
}

void TSpeedBar::dragTo(const QPointF &parentPos) {
    const QRect target = targetRect(edgeUnder(parentPos));
    const QRect screen(parentWidget()->mapToGlobal(target.topLeft()), target.size());
    if (screen != m_dragFrame)
        showFrame(screen);
}

void TSpeedBar::endDrag() {
    // The frame's layer goes, and with it every pixel it inverted; later, for Qt
    // may be handing it an event of its own at this very moment.
    m_dragFrame = QRect();
    if (m_frame) {
        m_frame->hide();
        m_frame->deleteLater();
        m_frame = nullptr;
    }
    QApplication::restoreOverrideCursor();
    m_beingDragged = false;
}

void TSpeedBar::drop(const QPointF &parentPos) {
    endDrag();
    setAlign(edgeUnder(parentPos));
}

void TSpeedBar::loseMouse() {
    if (!m_armed)
        return;
    disarm();
    if (m_beingDragged)
        endDrag();
}

bool TSpeedBar::takesTheMouse(QObject *watched, QEvent *event) const {
    switch (event->type()) {
    case QEvent::Show: {
        auto *widget = qobject_cast<QWidget *>(watched);
        return widget && widget->isWindow() && widget->windowType() == Qt::Popup;
    }
    case QEvent::MouseMove:
        // The release went elsewhere: the window system kept it from us. Qt
        // shows such a move to the bar only through the application's filters.
        if (watched == this)
            return !(static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton);
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        // The mouse reaches a window before its widgets.
        auto *target = qobject_cast<QWindow *>(watched);
        return target && target != window()->windowHandle();
    }
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::UngrabMouse:
        return watched == this;
    default:
        return false;
    }
}

bool TSpeedBar::eventFilter(QObject *watched, QEvent *event) {
    if (m_armed && takesTheMouse(watched, event))
        loseMouse();
    return QWidget::eventFilter(watched, event);
}

void TSpeedBar::mouseMoveEvent(QMouseEvent *event) {
    if (!m_armed || !(event->buttons() & Qt::LeftButton))
        return;
    if (!m_beingDragged) {
        const QPoint d = event->position().toPoint() - m_pressPoint;
        if (std::abs(d.x()) <= DragThreshold && std::abs(d.y()) <= DragThreshold)
            return;
        startDrag();
        return;
    }
    dragTo(mapToParent(event->position()));
}

void TSpeedBar::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !m_armed)
        return;
    disarm();
    if (m_beingDragged)
        drop(mapToParent(event->position()));
}
