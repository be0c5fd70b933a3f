#include "reports/ReportLayout.h"

#include "app/Formats.h"

namespace {

constexpr qreal Bottom = ReportLayout::PageSize.height() - ReportLayout::Margin;

struct Header
{
    qreal left;
    qreal width;
    const char* caption;
};
constexpr Header Headers[] = {
    {1, 39, "Data "},
    {104, 77, "H.Inicio Dia"},
    {192, 108, "H.Saida Almoço"},
    {312, 123, "H.Retorno Almoço"},
    {448, 75, "H.Final Dia"},
    {544, 76, "H.Total Dia"},
    {640, 153, "Assinatura Funcionário"},
};

struct Cell
{
    const char* name;
    qreal left;
    qreal width;
};
constexpr Cell Cells[] = {
    {"RLDBText2", 1, 29},      {"rldbtxthora", 104, 29},   {"rldbtxthora1", 192, 43},
    {"rldbtxthora2", 312, 43}, {"rldbtxthora02", 448, 43}, {"rldbtxthora03", 544, 61},
};

QString timeText(const QString& value)
{
    return Formats::longTime(Formats::timeOfDay(value)); // empty slot: nothing
}

class Pages
{
public:
    explicit Pages(QVector<ReportPage>& pages) : m_pages(pages) { newPage(); }

    bool fits(qreal height) const { return m_top + height <= Bottom; }
    void newPage()
    {
        m_pages.push_back({});
        m_top = ReportLayout::Margin;
    }
    // Places a band of the given height at the current position; items are band-relative.
    void band(qreal height, const QVector<ReportItem>& items)
    {
        for (ReportItem item : items) {
            item.rect.translate(ReportLayout::Margin, m_top);
            m_pages.back().items.push_back(item);
        }
        m_top += height;
    }

private:
    QVector<ReportPage>& m_pages;
    qreal m_top = 0;
};

ReportItem text(const QString& name, QRectF rect, const QString& value, int pixels = 13,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    return {ReportItem::Text, name, rect, value, pixels, alignment};
}

ReportItem line(const QString& name, qreal top)
{
    return {ReportItem::Line, name, QRectF(0, top, ReportLayout::BandWidth, 0), {}, 0, {}};
}

QVector<ReportItem> columnHeader()
{
    QVector<ReportItem> items{line(QStringLiteral("RLGroup1"), 0)};
    for (const Header& header : Headers)
        items << text(QStringLiteral("RLBand3"), QRectF(header.left, 1, header.width, 17),
                      QString::fromUtf8(header.caption), 15);
    return items;
}

QVector<ReportItem> detail(const DaySheetRow& row)
{
    const QString values[] = {Formats::shortDate(row.data), timeText(row.hora),
                              timeText(row.hora01),         timeText(row.hora02),
                              timeText(row.hora03),         timeText(row.totalhoras)};
    QVector<ReportItem> items;
    for (int i = 0; i < 6; ++i)
        items << text(QString::fromLatin1(Cells[i].name),
                      QRectF(Cells[i].left, 1, Cells[i].width, 16), values[i]);
    items << line(QStringLiteral("RLBand4"), 20); // bottom line
    return items;
}

} // namespace

QStringList ReportPage::texts() const
{
    QStringList list;
    for (const ReportItem& item : items)
        if (item.kind == ReportItem::Text)
            list << item.text;
    return list;
}

const ReportItem* ReportPage::find(const QString& name) const
{
    for (const ReportItem& item : items)
        if (item.name == name)
            return &item;
    return nullptr;
}

int ReportPage::count(const QString& name) const
{
    return static_cast<int>(std::count_if(
        items.begin(), items.end(), [&](const ReportItem& item) { return item.name == name; }));
}

QVector<ReportPage> ReportLayout::prepare(const ReportInput& input)
{
    QVector<ReportPage> pages;
    Pages place(pages);

    place.band(59, {line(QStringLiteral("RLBand1"), 0),
                    text(QStringLiteral("RLDBText4"), QRectF(1, 3, 43, 17), input.company, 15),
                    text(QStringLiteral("RLLabel1"), QRectF(1, 23, 58, 16), input.employeeLine),
                    text(QStringLiteral("RLLabel2"), QRectF(1, 43, 58, 16), input.periodLine),
                    text(QStringLiteral("RLSystemInfo1"), QRectF(744, 5, 74, 16),
                         QStringLiteral("Data: ") + Formats::shortDate(input.printed)),
                    text(QStringLiteral("RLSystemInfo2"), QRectF(744, 24, 160, 16), {})});

    int details = 0;
    for (qsizetype i = 0; i < input.rows.size();) {
        // One block per date: its top line and column headers, then its lines.
        const QDate date = input.rows[i].data;
        if (!place.fits(20))
            place.newPage();
        place.band(20, columnHeader());
        for (; i < input.rows.size() && input.rows[i].data == date; ++i) {
            if (!place.fits(20)) {
                place.newPage();
                place.band(20, columnHeader()); // the block goes on: its headers again
            }
            place.band(20, detail(input.rows[i]));
            ++details;
        }
    }

    if (!place.fits(21))
        place.newPage();
    place.band(21, {line(QStringLiteral("RLBand2"), 0),
                    text(QStringLiteral("RLSystemInfo3"), QRectF(1, 2, 253, 16),
                         QStringLiteral("Quantidade de Resgistros => %1").arg(details), 13,
                         Qt::AlignRight | Qt::AlignTop),
                    text(QStringLiteral("RLLabel3"), QRectF(543, 0, 58, 16), input.periodTotal)});

    // Every "Pagina: " shows the number of the last page.
    for (ReportItem& item : pages.front().items)
        if (item.name == u"RLSystemInfo2")
            item.text = QStringLiteral("Pagina: %1").arg(pages.size());
    return pages;
}
