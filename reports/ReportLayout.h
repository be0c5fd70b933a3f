#pragma once

#include "timesheet/DaySheetBuilder.h"

#include <QDate>
#include <QRectF>
#include <QString>
#include <QVector>

// One thing printed on a page, on the 96-pixels-per-inch grid of the whole sheet.
struct ReportItem
{
    enum Kind
    {
        Text,
        Line
    };
    Kind kind = Text;
    QString name; // the template element it comes from (RLLabel1, RLBand4 ...)
    QRectF rect;  // a line runs from the top-left to the top-right of its rect
    QString text;
    int fontPixels = 13;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

struct ReportPage
{
    QVector<ReportItem> items;

    QStringList texts() const;
    const ReportItem* find(const QString& name) const; // the first item of that name
    int count(const QString& name) const;
};

struct ReportInput
{
    QString company;
    QString employeeLine; // RLLabel1
    QString periodLine;   // RLLabel2
    QDate printed;        // taken once when the pages are prepared
    QVector<DaySheetRow> rows;
    QString periodTotal; // RLLabel3, copied when the summary is about to print
};

// The period punch report laid out as pages of data: A4 landscape, 10 mm margins, a title on
// page 1, a block per date with its column headers, and the summary after the last block.
class ReportLayout
{
public:
    static constexpr QSizeF PageSize{1123, 794};
    static constexpr qreal Margin = 38;
    static constexpr qreal BandWidth = 1047;

    static QVector<ReportPage> prepare(const ReportInput& input);
};
