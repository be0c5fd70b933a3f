#pragma once

#include "reports/ReportLayout.h"

#include <QPrintPreviewDialog>

class QPrinter;

// The report's preview: not modal, it keeps its own copy of the prepared pages, so it outlives
// the windows that opened it. Pages through, zooms, prints through the system's print dialog
// and saves as PDF. Frees itself when closed.
class ReportPreview : public QPrintPreviewDialog
{
    Q_OBJECT

public:
    explicit ReportPreview(QVector<ReportPage> pages, QWidget* parent = nullptr);

    const QVector<ReportPage>& pages() const { return m_pages; }
    void savePdf();

private:
    void paintPages(QPrinter* printer);

    QVector<ReportPage> m_pages;
};
