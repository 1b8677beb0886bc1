// The style draws the box alone; the caption and its focus frame are drawn beside it, word-wrapped.
#include "WrapCheckBox.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace corvane {

WrapCheckBox::WrapCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;

    // The style draws the box alone; the caption and its focus frame are drawn here, wrapped.
    QStyleOptionButton box = option;
    box.text.clear();
    box.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_CheckBox, box);

    const QRect area = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    painter.drawItemText(area, flags, option.palette, isEnabled(), option.text, QPalette::WindowText);

    if (focused) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = painter.fontMetrics().boundingRect(area, flags, option.text).adjusted(-1, 0, 1, 0) & rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

bool WrapCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace corvane
