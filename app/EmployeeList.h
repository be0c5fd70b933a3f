#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QVector>

class QTimer;
class TDM;

// The employee list behind the lookup edits (myCarro / MyCarro): the active employees in
// name order, with a current record, re-read every minute while open.
class EmployeeList : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Employee
    {
        int codigo = 0;
        QString nome;
        QString senha;
        QString ativo;
    };

    static constexpr int RefreshIntervalMs = 60000;

    explicit EmployeeList(TDM& dm, QObject* parent = nullptr);

    // Reads the list; the first employee becomes current. Throws AppError.
    void open();
    void close();
    // Reads again; the current employee stays current when still in the list.
    void refresh();

    bool isOpen() const { return m_open; }
    int count() const { return static_cast<int>(m_rows.size()); }
    const Employee& employee(int row) const { return m_rows.at(row); }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    // Code and name of the current employee: 0 and empty text when the list is empty.
    int currentCode() const { return m_current >= 0 ? m_rows[m_current].codigo : 0; }
    QString currentName() const { return m_current >= 0 ? m_rows[m_current].nome : QString(); }

    QTimer* refreshTimer() const { return m_timer; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void currentRowChanged(int row);
    void refreshed();

private:
    void autoRefresh();
    QVector<Employee> read();

    TDM& m_dm;
    QTimer* m_timer;
    bool m_open = false;
    QVector<Employee> m_rows;
    int m_current = -1;
};
