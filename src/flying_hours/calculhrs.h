#pragma once

// The flying-hours calculator. The user builds the flight-time ledger (ledger.h) row by
// row; the entry block (hoursentry.h) turns keys, keypad, quick picks and ledger buttons
// into the operations below, and every change ends in formatelist:
//
//   key release / keypad / pick / category / delete -> formatelist
//     -> the entry fields are stored into the selected row (ledgercolumns.h)
//     -> ledger::displayLine for that row
//     -> ledger::totals over all rows -> Labeltotal, VFR, IFR, NUIT
//     -> ledger::average over the report dialog's day count -> Labeltotal2,
//        StaticTextmoyenne on TfrmhrsatDlg (hrsdlg.h)
//
// Row operations (selection, add, delete, category) are in ledgerrows.cpp. Closing the
// window, whatever closed it, resets the ledger to a single zero row, its total and
// subtotal lines and the report dialog's figures to their start texts; a ledger that holds
// anything more is closed only when the user answers "Oui" to the question box.

#include "flying_hours/ledgercolumns.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace mirandel {

class Program;
class THoursEntry;

class Tfrmcalculhrs : public QDialog
{
    Q_OBJECT

public:
    Tfrmcalculhrs(Program& program, QWidget* parent);
    ~Tfrmcalculhrs() override;

    // The recomputation. Throws MirandelError when a stored number or the day count does
    // not parse, or a total leaves the 64-bit range; the labels then keep their texts.
    void formatelist();
    // formatelist with its errors sent to the standard error box.
    void recompute();

    // The ledger: its columns, the selected row and the display lines (first to last).
    TLedgerColumns& columns() { return *m_columns; }
    THoursEntry& entry() { return *m_entry; }
    QStringList displayLines() const { return m_columns->lines(); }

    // Activation, closing, buttons.
    void FormActivate();
    void FormClose();
    void ButtonpreviewClick();
    void OKButtonClick();

    // Row operations (ledgerrows.cpp).
    void ToolButtonhautClick();
    void ToolButtonbasClick();
    void ListBoxtextClick(int row);
    void ToolButtonplusClick();
    void ToolButtonmoinsClick();
    void ToolButtondeleteClick();
    void RadioButtonvfrClick();
    void RadioButtonnuitClick();
    void RadioButtonifrClick();

    QLineEdit* EditHrs;
    QLineEdit* Editmn1;
    QLineEdit* Editatt;
    QListWidget* ListBoxtext;
    QLabel* Labeltotal;
    QLabel* VFR;
    QLabel* IFR;
    QLabel* NUIT;
    QLabel* LABELVOL;
    QRadioButton* RadioButtonvfr;
    QRadioButton* RadioButtonnuit;
    QRadioButton* RadioButtonifr;
    QPushButton* Button1;
    QPushButton* Button2;

public slots:
    // Every way of closing (EXIT, Escape, the window manager) ends here.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLedgerSide();
    void buildCategories();
    bool radioArrowKey(QObject* watched, QEvent* event);
    // Row selection steps 2 to 4 (ledgerrows.cpp).
    void selectRow(int row);
    void loadRow(int row);
    void turnOnCategory(const QString& category);
    void categoryAction(const QString& category);
    void add(const QString& sign);
    // True when closing may discard the ledger: it holds nothing, or the user said so.
    bool mayDiscardLedger();

    Program& m_program;
    std::unique_ptr<TLedgerColumns> m_columns;
    THoursEntry* m_entry = nullptr;
    bool m_activationPending = false;
    // Set while the question box is open: a second close waits for its answer.
    bool m_asking = false;
};

} // namespace mirandel
