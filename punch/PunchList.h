#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

class SqlResult;
class TDM;

// One row of ponto.
struct PunchRow
{
    int id = 0;
    double codigofuncionario = 0;
    QString nomefuncionario;
    QDate data;
    QString hora; // TIME as the server sends it; null when the punch has no time
    QByteArray foto;
    double c = 0;
    QString senha;
    QDateTime dataprocessamento;
};

// The punch list (MyPonto): the punches of one date and one password, with a current row.
// As a model it offers the terminal grid's columns: Data, Hora, Nome do Funcionario.
class PunchList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColData,
        ColHora,
        ColNome,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;

    explicit PunchList(TDM& dm, QObject* parent = nullptr);

    // Closes the list, then reads the punches of that date whose senha equals the key.
    void open(const QDate& date, const QString& key);
    void close();
    // Reads the list again with the same date and key; the current row is found again by
    // its id (or stays at its place when that punch is gone).
    void refresh();
    // Inserts the punch into ponto, re-reads the list and makes the new punch current.
    void append(const PunchRow& punch);

    bool isOpen() const { return m_open; }
    int count() const { return static_cast<int>(m_rows.size()); }
    const PunchRow& row(int index) const { return m_rows.at(index); }
    int currentRow() const { return m_current; }
    const PunchRow* current() const;
    void setCurrentRow(int row);
    int rowOfId(int id) const;
    QDate date() const { return m_date; }
    QString key() const { return m_key; }

    // Punch rows from a result of "SELECT * FROM ponto ...".
    static QVector<PunchRow> fromResult(SqlResult& result);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void currentRowChanged(int row);

private:
    QVector<PunchRow> read() const;
    void replaceRows(QVector<PunchRow> rows, int currentId, int fallbackRow);

    TDM& m_dm;
    bool m_open = false;
    QDate m_date;
    QString m_key;
    QVector<PunchRow> m_rows;
    int m_current = -1;
};
