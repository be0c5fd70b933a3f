#include "reports/ReportPreview.h"

#include "app/Messages.h"
#include "reports/ReportPainter.h"

#include <QAction>
#include <QFileDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

ReportPreview::ReportPreview(QVector<ReportPage> pages, QWidget* parent)
    : QPrintPreviewDialog(parent), m_pages(std::move(pages))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setWindowTitle(QStringLiteral("Relatorio de Ponto do Funcionario no Periodo"));
    printer()->setFullPage(true); // the dialog's own printer
    printer()->setPageLayout(ReportPainter::pageLayout());
    printer()->setDocName(windowTitle());
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paintPages);

    if (auto* toolbar = findChild<QToolBar*>()) {
        QAction* save = toolbar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                           QStringLiteral("Salvar como PDF"));
        connect(save, &QAction::triggered, this, &ReportPreview::savePdf);
    }
    resize(1100, 800);
}

void ReportPreview::paintPages(QPrinter* printer)
{
    // Called again on set-up changes and on printing: the kept pages are drawn again.
    ReportPainter::paint(*printer, printer->resolution(), m_pages);
}

void ReportPreview::savePdf()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salvar como PDF"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
            QStringLiteral("/relatorio-ponto.pdf"),
        QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !ReportPainter::writePdf(path, m_pages))
        reportError(QStringLiteral("Não foi possível gravar %1").arg(path));
}
