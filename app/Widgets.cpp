#include "app/Widgets.h"

#include <QMouseEvent>

Panel::Panel(const QString& caption, const QColor& colour, QWidget* parent)
    : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    if (family == QLatin1String("MS Sans Serif"))
        font.setFamilies({family, QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

#include <QDateEdit>
#include <QLineEdit>

void makePasswordEdit(QLineEdit* edit)
{
    edit->setValidator(new UpperCaseValidator(edit));
    edit->setEchoMode(QLineEdit::Password);
    auto* style = new MiddleDotPasswordStyle();
    style->setParent(edit);
    edit->setStyle(style);
}

QLabel* placedLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                    const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    if (geometry.size().isEmpty()) {
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

QDateEdit* datePicker(QWidget* parent, const QString& name, QRect geometry)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    picker->setGeometry(geometry);
    return picker;
}
