#include "ui/ControlWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/QtDC.h"
#include "ui/QtText.h"

namespace rq::ui {

int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
            return kKeyAction;
        default:
            return 0;
    }
}

ControlWidget::ControlWidget(CGpsControl& control, const IconSource* icons, QWidget* parent)
    : QWidget(parent), m_control(control), m_icons(icons) {
    // Every paint covers the whole client area: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(ToQString(control.Title()));
    m_control.SetInvalidate([this] { update(); });
    m_created = m_control.OnCreate();
    hide();
}

ControlWidget::~ControlWidget() {
    m_control.SetInvalidate(nullptr);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    // A hidden window gets its resize only when shown: the size painted is the size.
    if (m_control.ClientSize() != CSize{width(), height()}) m_control.OnSize(width(), height());
    QPainter painter(this);
    QtDC dc(painter, m_icons);
    m_control.Paint(dc, {0, 0, width(), height()});
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    m_control.OnSize(width(), height());
    QWidget::resizeEvent(event);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_control.OnTap({at.x(), at.y()})) update();
    QWidget::mousePressEvent(event);
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKeyOf(event->key());
    if (key != 0 && m_control.OnKeyDown(key)) return;
    QWidget::keyPressEvent(event);  // on to the parent
}

}  // namespace rq::ui
