#include "mainwin/controls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>

void DesktopScrollBar::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const bool towardsEnd = (key == Qt::Key_Right) != (orientation() == Qt::Horizontal && isRightToLeft());
        triggerAction(towardsEnd ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void PutTitleOnLine(QGroupBox* frame)
{
    const int half = frame->fontMetrics().height() / 2;
    frame->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px;"
                                        " margin-top: %1px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
                             .arg(half));
}

void UseListFont(QListWidget* list)
{
    // Gothic faces whose Latin letters and digits are half an em, as the lists were drawn for.
    QFont font = list->font();
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                      font.family()});
    font.setPixelSize(12);
    const int frame = 2 * list->frameWidth();
    const int bar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int room = list->width() - frame - bar - margins;
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(QStringLiteral("20261207.bmp")) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    list->setFont(font);
    const int text = QFontMetrics(font).height();
    list->setIconSize(QSize(text - 1, text - 1));
}
