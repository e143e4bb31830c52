#pragma once

#include <QColor>
#include <QWidget>

namespace quimbo::gui {

// A background panel painted with a three-colour gradient, top to bottom.
class Draw3D : public QWidget {
    Q_OBJECT
  public:
    Draw3D(QWidget* parent, const QColor& start, const QColor& middle, const QColor& end);
    QColor startColor() const { return start_; }
    QColor middleColor() const { return middle_; }
    QColor endColor() const { return end_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor start_;
    QColor middle_;
    QColor end_;
};

}  // namespace quimbo::gui
