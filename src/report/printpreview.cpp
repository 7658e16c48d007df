#include "report/printpreview.h"

#include "common/error.h"
#include "listings/listingfile.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "report/pdfpages.h"
#include "report/quickrep.h"
#include "widgets/picture.h"

#include <QAction>
#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace mirandel {

TPrintPreview::TPrintPreview(const TQuickRep& report, QDate date, Platform& platform,
                             QWidget* parent)
    : QDialog(parent), m_report(report), m_date(date), m_platform(platform),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(u"TPrintPreview"_s);
    setWindowTitle(u"Print Preview"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setModal(true);
    TQuickRep::setUpPrinter(*m_printer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setObjectName(u"PreviewToolBar"_s);
    layout->addWidget(bar);
    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(u"PreviewPages"_s);
    m_preview->setAccessibleName(u"Report pages"_s);
    layout->addWidget(m_preview, 1);
    auto* status = new QStatusBar(this);
    status->setObjectName(u"PreviewStatus"_s);
    status->setSizeGripEnabled(false);
    m_zoomLabel = new QLabel(status);
    m_zoomLabel->setObjectName(u"ZoomLabel"_s);
    m_pageLabel = new QLabel(status);
    m_pageLabel->setObjectName(u"PageLabel"_s);
    status->addWidget(m_zoomLabel);
    status->addWidget(m_pageLabel, 1);
    layout->addWidget(status);
    buildToolBar(bar);

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &TPrintPreview::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &TPrintPreview::updateStatus);
    if (auto* view = m_preview->findChild<QGraphicsView*>()) {
        view->setAccessibleName(u"Report pages"_s);
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this,
                &TPrintPreview::updateStatus);
        view->setFocus();
    }
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
    // Maximized; where no window manager keeps that state, the size still fits the screen.
    windowkit::resizeWithinScreen(this, {900, 700});
    setWindowState(Qt::WindowMaximized);
}

TPrintPreview::~TPrintPreview() = default;

void TPrintPreview::buildToolBar(QToolBar* bar)
{
    const auto add = [this, bar](const char* name, const QString& hint, const char* icon,
                                 QKeySequence key) {
        QAction* action = bar->addAction(
            svgIcon(u":/pictures/preview/"_s + QString::fromLatin1(icon) + u".svg"_s), hint);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(hint);
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };
    ZoomToFit = add("ZoomToFit", u"Zoom to fit"_s, "zoomfit", {});
    Zoom100 = add("Zoom100", u"100%"_s, "zoom100", {});
    ZoomToWidth = add("ZoomToWidth", u"Zoom to width"_s, "zoomwidth", {});
    bar->addSeparator();
    FirstPage = add("FirstPage", u"First page"_s, "first", QKeySequence(Qt::Key_Home));
    PreviousPage =
        add("PreviousPage", u"Previous page"_s, "previous", QKeySequence(Qt::Key_PageUp));
    NextPage = add("NextPage", u"Next page"_s, "next", QKeySequence(Qt::Key_PageDown));
    LastPage = add("LastPage", u"Last page"_s, "last", QKeySequence(Qt::Key_End));
    GoToPage = add("GoToPage", u"Go to page"_s, "goto", QKeySequence(Qt::CTRL | Qt::Key_G));
    bar->addSeparator();
    PrinterSetup = add("PrinterSetup", u"Printer setup"_s, "setup", {});
    Print = add("Print", u"Print"_s, "print", QKeySequence::Print);
    bar->addSeparator();
    SaveReport = add("SaveReport", u"Save Report"_s, "save", QKeySequence::Save);
    LoadReport = add("LoadReport", u"Load Report"_s, "load", QKeySequence::Open);
    bar->addSeparator();
    CloseButton = new QPushButton(u"&Close"_s, bar);
    CloseButton->setObjectName(u"CloseButton"_s);
    CloseButton->setAutoDefault(false);
    bar->addWidget(CloseButton);

    connect(ZoomToFit, &QAction::triggered, m_preview, &QPrintPreviewWidget::fitInView);
    connect(Zoom100, &QAction::triggered, this, [this] {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(1.0);
    });
    connect(ZoomToWidth, &QAction::triggered, m_preview, &QPrintPreviewWidget::fitToWidth);
    connect(FirstPage, &QAction::triggered, this, [this] { goToPage(1); });
    connect(PreviousPage, &QAction::triggered, this, [this] { goToPage(currentPage() - 1); });
    connect(NextPage, &QAction::triggered, this, [this] { goToPage(currentPage() + 1); });
    connect(LastPage, &QAction::triggered, this, [this] { goToPage(pageCount()); });
    connect(GoToPage, &QAction::triggered, this, &TPrintPreview::askPage);
    connect(PrinterSetup, &QAction::triggered, this, &TPrintPreview::setUpPrinter);
    connect(Print, &QAction::triggered, this, &TPrintPreview::print);
    connect(SaveReport, &QAction::triggered, this, &TPrintPreview::chooseSaveFile);
    connect(LoadReport, &QAction::triggered, this, &TPrintPreview::chooseLoadFile);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TPrintPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    updateStatus();
}

void TPrintPreview::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button ("Close") and nothing else: the preview has no
    // default button, so Enter on the pages never closes it.
    if (!windowkit::enterPressesFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

int TPrintPreview::pageCount() const
{
    return m_preview->pageCount();
}

int TPrintPreview::currentPage() const
{
    return m_preview->currentPage();
}

QString TPrintPreview::zoomText() const
{
    return QString::number(qRound(m_preview->zoomFactor() * 100)) + u"%"_s;
}

QString TPrintPreview::pageText() const
{
    return u"Page %1 of %2"_s.arg(currentPage()).arg(pageCount());
}

void TPrintPreview::updateStatus()
{
    m_zoomLabel->setText(zoomText());
    m_pageLabel->setText(pageText());
}

void TPrintPreview::goToPage(int page)
{
    m_preview->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    updateStatus();
}

void TPrintPreview::askPage()
{
    QInputDialog dialog(this);
    dialog.setObjectName(u"GoToPageDialog"_s);
    dialog.setWindowTitle(u"Go to page"_s);
    dialog.setLabelText(u"Page:"_s);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, std::max(1, pageCount()));
    dialog.setIntValue(currentPage());
    if (dialog.exec() == QDialog::Accepted)
        goToPage(dialog.intValue());
}

bool TPrintPreview::paintPages(QPagedPaintDevice* printer)
{
    if (m_loaded)
        return paintLoaded(printer);
    return m_report.print(*printer, m_date);
}

bool TPrintPreview::paintLoaded(QPagedPaintDevice* printer)
{
    // The pages of the PDF as pictures: finer for a printer than for the screen.
    const qreal dpi = m_printing ? 300 : 120;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRectF paper = printer->pageLayout().fullRectPixels(printer->logicalDpiX());
    for (int page = 0; page < m_loaded->pageCount(); ++page) {
        if (page > 0)
            printer->newPage();
        const QSizeF points = m_loaded->pagePointSize(page);
        const QSize size = (points * dpi / 72.0).toSize();
        const QImage image = m_loaded->render(page, size);
        if (image.isNull())
            continue;
        // A PDF page is transparent where nothing is drawn: paper is white there.
        QImage sheet(image.size(), QImage::Format_RGB888);
        sheet.fill(Qt::white);
        QPainter(&sheet).drawImage(0, 0, image);
        // On the whole sheet, its proportions kept, when the paper is another size.
        QSizeF shown = QSizeF(sheet.size()).scaled(paper.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(paper.topLeft(), shown), sheet);
    }
    return true;
}

void TPrintPreview::setUpPrinter()
{
    QPageSetupDialog dialog(m_printer.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_preview->updatePreview();
}

void TPrintPreview::print()
{
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_printing = true;
    m_preview->print();
    m_printing = false;
}

bool TPrintPreview::saveReport(const QString& pdfPath)
{
    const QFileInfo target(pdfPath);
    // The pages are made in memory and then saved as the listings are, so that a write
    // that fails halfway (a full disk) is reported and leaves an earlier file as it was.
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&pages);
        // The paper chosen in "Printer setup" (A4 until then), the whole sheet addressable.
        const QPageLayout chosen = m_printer->pageLayout();
        pdf.setPageLayout(QPageLayout(chosen.pageSize(), chosen.orientation(), {}));
        pdf.setResolution(TQuickRep::resolution);
        pdf.setCreator(u"MIRANDEL"_s);
        m_printing = true;
        painted = paintPages(&pdf);
        m_printing = false;
    }
    if (!painted) {
        m_platform.showError(
            this,
            MirandelError::cannotCreateFile(target.fileName(), u"Erreur d'écriture."_s).message());
        return false;
    }
    return guarded(m_platform, this,
                   [&] { listingfile::write(target.path(), target.fileName(), pages.data()); });
}

bool TPrintPreview::loadReport(const QString& pdfPath)
{
#ifndef MIRANDEL_PDF_READER
    // A build without a PDF reader of its own hands the report to the desktop's viewer;
    // the preview keeps showing the report it had.
    m_platform.shellOpen(pdfPath);
    return false;
#else
    OpenedPdf opened = openPdf(pdfPath);
    if (!opened.pages) {
        m_platform.showError(
            this,
            MirandelError::cannotOpenFile(QFileInfo(pdfPath).fileName(), opened.reason).message());
        return false;
    }
    m_loaded = std::move(opened.pages);
    m_preview->updatePreview();
    goToPage(1);
    return true;
#endif
}

void TPrintPreview::chooseSaveFile()
{
    QFileDialog dialog(this, u"Save Report"_s, m_platform.programFolder(), u"PDF (*.pdf)"_s);
    dialog.setObjectName(u"SaveReportDialog"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(u"pdf"_s);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveReport(dialog.selectedFiles().front());
}

void TPrintPreview::chooseLoadFile()
{
    QFileDialog dialog(this, u"Load Report"_s, m_platform.programFolder(), u"PDF (*.pdf)"_s);
    dialog.setObjectName(u"LoadReportDialog"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        loadReport(dialog.selectedFiles().front());
}

} // namespace mirandel
