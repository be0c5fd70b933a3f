#include "reports/ReportPainter.h"

#include "app/Widgets.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace ReportPainter {

void paintPage(QPainter& painter, const ReportPage& page)
{
    painter.setPen(QPen(Qt::black, 1));
    for (const ReportItem& item : page.items) {
        if (item.kind == ReportItem::Line) {
            painter.drawLine(item.rect.topLeft(), item.rect.topRight());
            continue;
        }
        painter.setFont(pixelFont(QStringLiteral("Arial"), item.fontPixels));
        // Elements grow with their text: nothing is clipped to the design width.
        painter.drawText(item.rect, int(item.alignment) | Qt::TextDontClip | Qt::TextSingleLine,
                         item.text);
    }
}

QPageLayout pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
}

bool paint(QPagedPaintDevice& device, int resolution, const QVector<ReportPage>& pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = resolution / 96.0;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, pages[i]);
        painter.restore();
    }
    return painter.end();
}

bool writePdf(const QString& path, const QVector<ReportPage>& pages)
{
    QPdfWriter writer(path);
    writer.setPageLayout(pageLayout());
    writer.setTitle(QStringLiteral("Relatorio de Ponto do Funcionario no Periodo"));
    writer.setCreator(QStringLiteral("Ponto"));
    return paint(writer, writer.resolution(), pages);
}

} // namespace ReportPainter
