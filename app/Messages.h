#pragma once

#include <QMessageBox>
#include <QString>

#include <stdexcept>

class QWidget;

// A failure of the database or of a conversion. Handlers let it travel up to guarded(),
// which reports it; nothing else catches it.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Every message box and question of the program goes through here, so tests can answer
// them without a modal box.
class MessageSink
{
public:
    struct Box
    {
        QWidget* parent = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    virtual ~MessageSink() = default;
    virtual QMessageBox::StandardButton show(const Box& box) = 0;
};

MessageSink& messages();
// Installs a sink (for tests); nullptr puts the real message boxes back.
void setMessageSink(MessageSink* sink);

// A notice the user caused: OK alone, exclamation icon.
void showExclamation(QWidget* parent, const QString& title, const QString& text);
// The default error report: the error's text, the application's title, an error icon.
void reportError(const QString& text);

// Runs a handler's work; an error ends the work and is reported, and the program goes on.
template <class Work> bool guarded(Work&& work)
{
    try {
        work();
        return true;
    } catch (const AppError& error) {
        reportError(error.text());
    } catch (const std::exception& error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
