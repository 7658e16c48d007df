#pragma once

// The flying-hours report dialog, opened modally by the calculator's "Preview". It shows
// the ledger's grand total, the day count and the per-day average; the calculator's
// formatelist writes Labeltotal2 and StaticTextmoyenne from StaticTextnjour's day count,
// shown or not.
//
//   either date changes (calendar, typing, arrows) -> StaticTextnjour := end - start
//     -> formatelist
//   "OK" -> page headings of QuickRepTableau1 -> Empty, Clear -> hoursreport::write
//        -> Save rich text "hrsvol.rtf" -> preview on the page or open with the shell
//        -> close (hrsdlgreport.cpp)
//
// EXIT and Escape close it without a report.

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirandel {

class Program;

class TfrmhrsatDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmhrsatDlg(Program& program, QWidget* parent);

    // The day count of a report period from `start` to `end` (not counting both ends).
    static qint64 dayCount(const QDate& start, const QDate& end);

    // The total and the average as they read before any recomputation: "00 hrs 00mn  ".
    static QString startFigureText();
    // Gives Labeltotal2 and StaticTextmoyenne their start texts (the calculator's reset).
    void clearFigures();

    // Either date has changed, by its calendar, a typed date or the arrow keys: the day
    // count follows and the calculator recomputes the average.
    void DateTimePickerdebutCloseUp();
    // "OK": writes, saves and previews or opens the report, then closes; an error leaves
    // the dialog open.
    void ButtonValideClick();

    QLabel* Labeltotal2;
    QLabel* StaticTextmoyenne;
    QLabel* StaticTextnjour;
    QLineEdit* Editaeronef;
    QLineEdit* Editpilote;
    QComboBox* Fonction;
    QDateEdit* DateTimePickerdebut;
    QDateEdit* DateTimePickerfin;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* ButtonValide;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildEntryPanel();
    QDateEdit* buildPicker(const QString& name, QRect geometry);
    // Gives a picker's drop-down calendar its font and watches it close. The calendar is
    // built only when the picker is first pressed or typed into, not with the window.
    void prepareCalendar(QDateEdit* picker);
    // Enter moves on, Escape closes; returns true when the key is consumed.
    bool fieldKey(QWidget* field, QKeyEvent* event);
    void writeReport();

    Program& m_program;
};

} // namespace mirandel
