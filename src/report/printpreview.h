#pragma once

// The print preview: the laid-out pages of a report in a QPrintPreviewWidget, with zoom
// and page navigation, printer set-up and printing, "Save Report" (the pages as a PDF
// file with vector text) and "Load Report" (shows a PDF saved earlier in the same
// preview). Opens maximised, on top of the program's other windows; the status bar shows
// the zoom and the current page ("Page 2 of 5").

#include <QDate>
#include <QDialog>

#include <memory>

class QAction;
class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QToolBar;

namespace mirandel {

class PdfPages;
class Platform;
class TQuickRep;

class TPrintPreview : public QDialog
{
    Q_OBJECT

public:
    TPrintPreview(const TQuickRep& report, QDate date, Platform& platform, QWidget* parent);
    ~TPrintPreview() override;

    QPrintPreviewWidget* preview() const { return m_preview; }
    int pageCount() const;
    int currentPage() const;
    QString zoomText() const;
    QString pageText() const;

    // "Save Report" and "Load Report" once a file is chosen; a failure goes to the error box.
    // A build without a PDF reader (MIRANDEL_PDF_READER off) opens the loaded report with
    // the shell instead and keeps its pages: loadReport() is then false.
    bool saveReport(const QString& pdfPath);
    bool loadReport(const QString& pdfPath);
    // True while a PDF loaded by "Load Report" is shown instead of the report.
    bool showsLoadedReport() const { return m_loaded != nullptr; }

    QAction* ZoomToFit;
    QAction* Zoom100;
    QAction* ZoomToWidth;
    QAction* FirstPage;
    QAction* PreviousPage;
    QAction* NextPage;
    QAction* LastPage;
    QAction* GoToPage;
    QAction* PrinterSetup;
    QAction* Print;
    QAction* SaveReport;
    QAction* LoadReport;
    QPushButton* CloseButton;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildToolBar(QToolBar* bar);
    // Paints the report, or the loaded PDF, on `printer`; false when it cannot be opened.
    bool paintPages(QPagedPaintDevice* printer);
    bool paintLoaded(QPagedPaintDevice* printer);
    void updateStatus();
    void goToPage(int page);
    void askPage();
    void setUpPrinter();
    void print();
    void chooseSaveFile();
    void chooseLoadFile();

    const TQuickRep& m_report;
    QDate m_date;
    Platform& m_platform;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PdfPages> m_loaded;
    QPrintPreviewWidget* m_preview;
    QLabel* m_zoomLabel;
    QLabel* m_pageLabel;
    bool m_printing = false;
};

} // namespace mirandel
