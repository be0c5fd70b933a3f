#pragma once

#include <QComboBox>

class EmployeeList;

// Chooses an employee of the list by name: an editable choice, eight names at a time,
// completing typed text without regard to case. Choosing a name makes that employee the
// list's current record; typed text alone changes nothing but the text.
class EmployeeLookupEdit : public QComboBox
{
    Q_OBJECT

public:
    explicit EmployeeLookupEdit(EmployeeList* list, QWidget* parent = nullptr);

private:
    EmployeeList* m_list;
    QString m_keptText; // the text across a re-reading of the list
};
