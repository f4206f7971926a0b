#pragma once

#include <QLabel>

namespace zarvik3 {

// A label that reports a left click, used for the About window's two links.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace zarvik3
