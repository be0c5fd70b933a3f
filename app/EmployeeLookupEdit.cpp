#include "app/EmployeeLookupEdit.h"

#include "app/EmployeeList.h"

#include <QCompleter>
#include <QLineEdit>

EmployeeLookupEdit::EmployeeLookupEdit(EmployeeList* list, QWidget* parent)
    : QComboBox(parent), m_list(list)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    setModel(list);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::PopupCompletion);
    setCurrentIndex(-1);
    lineEdit()->clear();

    connect(this, &QComboBox::activated, this, [this](int row) { m_list->setCurrentRow(row); });
    // The minute's re-reading resets the model; the choice and the typed text stay.
    connect(m_list, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { setProperty("keptText", currentText()); });
    connect(m_list, &EmployeeList::refreshed, this, [this] {
        const QString text = property("keptText").toString();
        setCurrentIndex(text == m_list->currentName() ? m_list->currentRow() : -1);
        setEditText(text);
    });
}
