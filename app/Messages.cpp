#include "app/Messages.h"

#include <QApplication>

namespace {

class RealMessageBoxes : public MessageSink
{
public:
    QMessageBox::StandardButton show(const Box& box) override
    {
        QMessageBox dialog(box.icon, box.title, box.text, box.buttons, box.parent);
        if (box.defaultButton != QMessageBox::NoButton)
            dialog.setDefaultButton(box.defaultButton);
        return static_cast<QMessageBox::StandardButton>(dialog.exec());
    }
};

RealMessageBoxes realBoxes;
MessageSink* currentSink = &realBoxes;

} // namespace

MessageSink& messages()
{
    return *currentSink;
}

void setMessageSink(MessageSink* sink)
{
    currentSink = sink ? sink : &realBoxes;
}

void showExclamation(QWidget* parent, const QString& title, const QString& text)
{
    messages().show({parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok});
}

void reportError(const QString& text)
{
    messages().show({QApplication::activeWindow(), QMessageBox::Critical,
                     QApplication::applicationName(), text, QMessageBox::Ok, QMessageBox::Ok});
}
