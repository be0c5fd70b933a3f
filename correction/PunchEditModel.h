#pragma once

#include "punch/PunchList.h"

#include <QAbstractTableModel>
#include <QDate>

class TDM;

// The correction window's punch query (tbponto) as an editable list: the date and the time
// of single punches are changed, punches are inserted and deleted, each change written to
// ponto by the punch's id when it is posted. Posting happens when the row is left or on Post.
class PunchEditModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColData,
        ColCodigo,
        ColNome,
        ColHora,
        ColumnCount
    };
    enum State
    {
        Browse,
        Edit,
        Insert
    };

    explicit PunchEditModel(TDM& dm, QObject* parent = nullptr);

    // Shows the rows a search read, keeping its parameters for Refresh; the last row current.
    void setRows(QVector<PunchRow> rows, int employeeCode, const QDate& first, const QDate& last);
    void close();
    // Reads the punch query again with the same parameters. Throws AppError.
    void refresh();

    bool isOpen() const { return m_open; }
    int count() const { return static_cast<int>(m_rows.size()); }
    const PunchRow& row(int index) const { return m_rows.at(index); }
    int currentRow() const { return m_current; }
    State state() const { return m_state; }

    // Leaves the current row for another: an edit is posted first, an untouched new row is
    // dropped. Returns the row that is current afterwards (rows may have moved up by one).
    // Throws AppError when the post fails; the row then stays in edit.
    int moveTo(int row);
    void edit();
    void post();
    void cancel();
    void insertAt(int row); // a new row at that position, or at the end
    // Deletes the current punch from ponto by its id. Throws AppError when the list is closed
    // or empty.
    void deleteCurrent();

    // Parses what is typed into the Data and Hora cells; nullopt for invalid text.
    static std::optional<QDate> parseDate(const QString& text);
    static std::optional<QString> parseTime(const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void stateChanged(State state);

private:
    void setState(State state);
    int leaveEdit(int row);
    void dropRow(int row);

    TDM& m_dm;
    bool m_open = false;
    int m_code = 0;
    QDate m_first, m_last;
    QVector<PunchRow> m_rows;
    int m_current = -1;
    State m_state = Browse;
    PunchRow m_original; // the row as it was before the edit
    bool m_dataChanged = false;
    bool m_horaChanged = false;
};
