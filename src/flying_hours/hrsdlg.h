#pragma once

// The flying-hours report dialog, opened modally by the calculator's "Preview". It shows
// the ledger's grand total, the day count and the per-day average; the calculator's
// formatelist writes Labeltotal2 and StaticTextmoyenne from StaticTextnjour's day count,
// shown or not. EXIT and Escape close it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace mirandel {

class Program;

class TfrmhrsatDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmhrsatDlg(Program& program, QWidget* parent);

    // The day count of a report period from `start` to `end` (not counting both ends).
    static qint64 dayCount(const QDate& start, const QDate& end);

    QLabel* Labeltotal2;
    QLabel* StaticTextmoyenne;
    QLabel* StaticTextnjour;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();

    Program& m_program;
};

} // namespace mirandel
