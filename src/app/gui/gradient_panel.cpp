#include "app/gui/gradient_panel.hpp"

#include <QLinearGradient>
#include <QPainter>

namespace quimbo::gui {

Draw3D::Draw3D(QWidget* parent, const QColor& start, const QColor& middle, const QColor& end)
    : QWidget(parent), start_(start), middle_(middle), end_(end) {}

void Draw3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, start_);
    gradient.setColorAt(0.5, middle_);
    gradient.setColorAt(1.0, end_);
    painter.fillRect(rect(), gradient);
}

}  // namespace quimbo::gui
