// A check box whose caption wraps over several lines, beside a vertically centred box.
#pragma once

#include <QCheckBox>

namespace corvane {

// QCheckBox draws its caption on one line; the hint box is too narrow for that.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    // A check box with this caption
    WrapCheckBox(const QString& text, QWidget* parent);

protected:
    // The box, then the caption wrapped within the rest of the width
    void paintEvent(QPaintEvent* event) override;
    // The whole box, caption included, toggles on a click
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace corvane
