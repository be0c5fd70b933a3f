#pragma once

#include "reports/ReportLayout.h"

class QPageLayout;
class QPainter;
class QPagedPaintDevice;

// Draws prepared pages on any device; the 96-dpi grid is scaled to the device's resolution.
namespace ReportPainter {

// A4 landscape with the whole sheet as the painter's area (the margins are in the layout).
QPageLayout pageLayout();
void paintPage(QPainter& painter, const ReportPage& page);
// Prints every page on a paged device (a printer or a PDF writer) set to pageLayout().
bool paint(QPagedPaintDevice& device, int resolution, const QVector<ReportPage>& pages);
bool writePdf(const QString& path, const QVector<ReportPage>& pages);

} // namespace ReportPainter
