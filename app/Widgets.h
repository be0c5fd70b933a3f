#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// A coloured panel with a caption that can be clicked (the title bands and their red "X").
class Panel : public QLabel
{
    Q_OBJECT

public:
    Panel(const QString& caption, const QColor& colour, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A font by family and pixel size; families missing here fall back to metric-compatible ones
// (Arial to Liberation Sans).
QFont pixelFont(const QString& family, int pixels, bool bold = false);

#include <QProxyStyle>
#include <QValidator>

// Turns typed letters into upper case as they are typed (and pasted).
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// Shows password characters as a middle dot (U+00B7) instead of the style's bullet.
class MiddleDotPasswordStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return 0x00B7;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class QDateEdit;
class QLineEdit;
// Upper case, password dots: the password edits of the terminal and the release dialog.
void makePasswordEdit(QLineEdit* edit);
// A label at a place of the window; an empty size makes it fit its text.
QLabel* placedLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                    const QFont& font);
// A date picker in the short date format with a drop-down calendar.
QDateEdit* datePicker(QWidget* parent, const QString& name, QRect geometry);
