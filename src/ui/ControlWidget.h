// The window of one display control: paints it through the Qt drawing context and
// hands it sizes, taps and keys. All behaviour is the control's.
#pragma once

#include <QWidget>

#include "controls/GpsControl.h"
#include "ui/IconSource.h"

namespace rq::ui {

// The virtual key of a Qt key, or 0 for keys the controls do not know.
int VirtualKeyOf(int qtKey);

class ControlWidget : public QWidget {
public:
    // Runs the control's creation handler; the window starts hidden. `control` and
    // `icons` outlive the widget.
    ControlWidget(CGpsControl& control, const IconSource* icons, QWidget* parent = nullptr);
    ~ControlWidget() override;

    CGpsControl& Control() const { return m_control; }
    bool Created() const { return m_created; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CGpsControl& m_control;
    const IconSource* m_icons;
    bool m_created;
};

}  // namespace rq::ui
