#pragma once

#include <QFrame>

namespace zarvik3 {

// A panel framed by a lowered outer and a raised inner bevel, one pixel each.
class BevelPanel : public QFrame {
    Q_OBJECT

  public:
    explicit BevelPanel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zarvik3
